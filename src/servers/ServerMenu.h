#pragma once

#include "JoinActions.h"
#include "app/HoverTables.h"

#include <QString>
#include <functional>
#include <map>
#include <vector>

class QLineEdit;
class QWidget;
class ShellService;
class SoundCues;
class TForm1;
class TForm5;
class WindowGroup;
namespace ServerCatalogue {
struct ServerEntry;
}

// The fourteen server rows: tiles, password edits and joining.
class ServerMenu
{
public:
    ServerMenu(TForm1 &mainWindow, TForm5 &settings, SoundCues &cues, ShellService &shell, WindowGroup &windows);

    // The tiles with their twins, for the hover highlighting.
    HoverTables::ServerTiles tiles() const;
    // The label naming entry 'number'.
    QWidget *nameLabel(int number) const { return m_nameLabels.at(number); }
    // The tile of entry 'number' with its twin.
    const HoverTables::Pair &tilePair(int number) const { return m_tilePairs.at(size_t(number - 1)); }
    // Disabled tiles take no clicks and no pointer movement; their twins do.
    void setTilesEnabled(bool on);

    // A click on a tile or a twin: starts the entry's game, or goes to the
    // gate first when there is one; the gate then calls join() or not.
    void join(const JoinAction &action);
    using Gate = std::function<void(const JoinAction &)>;
    void setGate(Gate gate) { m_gate = std::move(gate); }
    // The action a join from elsewhere (the tray, a balloon) runs as: the
    // entry's twin, which plays the entry's cue.
    const JoinAction &twinAction(int number) const;
    // The minimise timer's tick.
    void Timer3Timer();
    // The re-enable timer's tick: the join is over.
    void Timer2Timer();

private:
    void buildRow(const ServerCatalogue::ServerEntry &entry);
    void minimiseAfterJoin();
    void endJoin();

    TForm1 &m_mainWindow;
    TForm5 &m_settings;
    SoundCues &m_cues;
    ShellService &m_shell;
    WindowGroup &m_windows;
    std::vector<JoinAction> m_actions;
    std::vector<QWidget *> m_tiles;
    std::vector<HoverTables::Pair> m_tilePairs; // entry by entry
    HoverTables::Widgets m_headerBars;
    // By entry number.
    std::map<int, QWidget *> m_nameLabels;
    std::map<int, QWidget *> m_joiningPanels;
    std::map<int, QLineEdit *> m_passwords;
    Gate m_gate;
};
