#pragma once

#include "query/ServerState.h"

#include <QObject>
#include <QVector>
#include <functional>
#include <vector>

class JoinGate;
class LiveServerState;
class LocalFiles;
class PictureControl;
class TForm1;
class TrayService;

// Watched servers: a click on a row's lamp and count watches the server or
// stops watching it (a ring round the lamp says so). A watched server
// announces in a balloon that it is up again after not answering, or that
// a slot came free after it was full; a click on the balloon joins it
// through the gate. Kept in data.dat, section "Watch", by entry number.
class ServerWatch : public QObject
{
    Q_OBJECT
public:
    ServerWatch(TForm1 &mainWindow, LocalFiles &files, LiveServerState &live, TrayService &tray, JoinGate &gate,
                std::function<bool()> english);

    bool isWatched(int number) const { return m_watched.at(size_t(number - 1)); }
    // Watches entry 'number' or stops; written at once. Throws ProfileWriteError.
    void toggle(int number);
    // The indices of the watched servers.
    QVector<int> watchedServers() const;
    PictureControl &toggleControl(int number) const { return *m_toggles.at(size_t(number - 1)); }
    PictureControl &ring(int number) const { return *m_rings.at(size_t(number - 1)); }

signals:
    void changed();

private:
    void stateChanged(int index);
    void balloonClicked();

    LocalFiles &m_files;
    LiveServerState &m_live;
    TrayService &m_tray;
    JoinGate &m_gate;
    std::function<bool()> m_english;
    std::vector<bool> m_watched;
    std::vector<PictureControl *> m_toggles;
    std::vector<PictureControl *> m_rings;
    // What each server was before its last change: silent, full.
    std::vector<ServerState> m_before;
    quint64 m_balloon = 0;
    int m_balloonEntry = 0;
};
