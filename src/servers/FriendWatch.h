#pragma once

#include "FriendList.h"
#include "FriendSightings.h"

#include <QObject>
#include <functional>

class FriendsForm;
class JoinGate;
class LiveServerState;
class LocalFiles;
class PictureControl;
class TForm1;
class TrayService;

// The player's friends at play: the list, kept in data.dat and edited in the
// friends window (opened by the main window's top-bar button and the tray);
// a balloon when a friend appears on a server, whose click joins that
// server through the gate; and who of them plays where, for the card.
class FriendWatch : public QObject
{
    Q_OBJECT
public:
    FriendWatch(TForm1 &mainWindow, FriendsForm &window, LocalFiles &files, LiveServerState &live, TrayService &tray,
                JoinGate &gate, std::function<bool()> english);

    const FriendList &friends() const { return m_list; }
    bool isFriend(const QString &player) const { return !m_list.match(player).isEmpty(); }
    // Opens the friends window, modally.
    void openWindow();
    PictureControl &button() const { return *m_button; }
    // "Přátelé: Pepa, Jana" for the card of entry 'number'; empty when none.
    QString cardNote(int number, bool english) const;

signals:
    // The list changed.
    void changed();

private:
    std::optional<QStringList> add(const QString &name);
    QStringList remove(int index);
    void keep(const FriendList &list);
    void stateChanged(int index);
    void balloonClicked();

    FriendsForm &m_window;
    LocalFiles &m_files;
    LiveServerState &m_live;
    TrayService &m_tray;
    JoinGate &m_gate;
    std::function<bool()> m_english;
    FriendList m_list;
    FriendSightings m_sightings;
    PictureControl *m_button;
    // The balloon a click joins from, and its server.
    quint64 m_balloon = 0;
    int m_balloonEntry = 0;
};
