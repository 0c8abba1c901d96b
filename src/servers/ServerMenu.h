#pragma once

#include "app/Launcher.h"

#include <QString>

struct JoinAction;
namespace ServerCatalogue {
struct GameGroup;
}

// The fourteen server rows: tiles, password edits and joining.
class ServerMenu : public Subsystem
{
public:
    explicit ServerMenu(Launcher &launcher);

    // One of the sixteen click actions: starts the entry's game.
    void join(const JoinAction &action);
    // The minimise timer's tick.
    void Timer3Timer();
    // The re-enable timer's tick: the join is over.
    void Timer2Timer();

private:
    void preparePasswordEdits();
    QString executablePath(const ServerCatalogue::GameGroup &group) const;
    QString password(const char *editName) const;
    void setTilesEnabled(bool on);

    Launcher &m_launcher;
};
