#pragma once

#include "JoinActions.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

class LiveServerState;
class PictureControl;
class ServerMenu;
class TForm1;
class TrayService;

// One wait for a slot on a server that is full or does not answer. The
// server is asked every AskIntervalMs; the first reply with a free slot
// joins it as a click would, with a balloon. The wait ends without a join
// after TimeoutMs (with a balloon), or when the player stops it. A new wait
// replaces the old one. While it runs, the server's row wears a mark and
// its card says so.
class SlotWait : public QObject
{
    Q_OBJECT
public:
    static constexpr int AskIntervalMs = 5 * 1000;
    static constexpr int TimeoutMs = 30 * 60 * 1000;

    SlotWait(TForm1 &mainWindow, LiveServerState &live, ServerMenu &menu, TrayService &tray,
             std::function<bool()> english);

    void begin(const JoinAction &action);
    // Ends the wait, if one runs, without a join.
    void stop();
    bool isWaiting() const { return m_entry != 0; }
    // The entry waited for; 0 when none.
    int entry() const { return m_entry; }
    // What the card says of entry 'number' while it is waited for.
    QString cardNote(int number, bool english) const;

    const QTimer &askTimer() const { return m_ask; }
    const QTimer &timeoutTimer() const { return m_timeout; }
    PictureControl &mark(int number) const { return *m_marks.at(size_t(number - 1)); }

signals:
    // A wait began or ended.
    void changed();

private:
    void ask();
    void stateChanged(int index);
    void timedOut();
    void end();

    LiveServerState &m_live;
    ServerMenu &m_menu;
    TrayService &m_tray;
    std::function<bool()> m_english;
    std::vector<PictureControl *> m_marks;
    const JoinAction *m_action = nullptr;
    int m_entry = 0;
    QTimer m_ask;
    QTimer m_timeout;
};
