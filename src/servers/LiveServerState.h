#pragma once

#include "ServerCard.h"
#include "ServerStateTexts.h"
#include "query/QueryScheduler.h"
#include "query/RefreshCadence.h"

#include <QHash>
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

class AddressPanels;
class DatagramService;
class LanguageSwitch;
class PictureControl;
class QueryClock;
class ServerMenu;
class TextLabel;
class TForm1;

// The live state of the fourteen servers on the menu: each row's lamp and
// players over maximum, and the card with a server's details while the
// pointer rests on its tile, its name or its open address panel, with who
// is playing. Every server is asked, its players too, every half minute
// while the main window is on screen, never while it is minimised, and at
// once when it comes back. Texts follow
// the language switch. Nothing here takes a click: joining is as it was.
// It lives as long as the main window, among whose children it is found.
class LiveServerState : public QObject
{
    Q_OBJECT
public:
    LiveServerState(TForm1 &mainWindow, DatagramService &datagrams, QueryClock &clock, const ServerMenu &menu,
                    const AddressPanels &addressPanels, LanguageSwitch &language);
    ~LiveServerState() override;

    // The servers' states, and the way to ask one of them.
    QueryScheduler &scheduler() { return m_scheduler; }
    // No server is asked more often than this, whoever asks.
    static constexpr int AskFloorMs = 5 * 1000;

    // A line the card shows for entry 'number' in place of its last line
    // (empty: none), such as a wait for a slot or the friends who play there.
    using CardNote = std::function<QString(int number, bool english)>;
    void setCardNote(CardNote note) { m_note = std::move(note); }
    // Whether a player the card lists gets the friend's mark before the name.
    using PlayerMark = std::function<bool(const QString &player)>;
    void setPlayerMark(PlayerMark mark) { m_mark = std::move(mark); }
    static constexpr const char *friendMark = "\u00bb ";
    // Shows entry 'number''s row and card again, for a note that changed.
    void refreshRow(int number) { show(number - 1); }

signals:
    // The main window came on screen, or left it (minimised or hidden).
    void onScreenChanged(bool onScreen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Marks {
        PictureControl *lamp;
        TextLabel *players;
        TextLabel *maximum;
    };
    struct Hovered {
        int number;
        bool addressPanel;
    };
    void watchRow(int number, QWidget *control, bool addressPanel);
    void windowChanged();
    void show(int index);
    void showCard(const Hovered &hovered);
    bool english() const;
    ServerStateTexts texts(int number) const;
    static QString caption(int number);

    TForm1 &m_mainWindow;
    QueryClock &m_clock;
    LanguageSwitch &m_language;
    QueryScheduler m_scheduler;
    RefreshCadence m_cadence;
    std::vector<Marks> m_marks;
    ServerCard m_card;
    QHash<QObject *, Hovered> m_hoverable;
    int m_cardEntry = 0; // 0: the card is hidden
    QTimer m_leave;      // the pointer left a row; hides unless it came to another
    CardNote m_note;
    PlayerMark m_mark;
};
