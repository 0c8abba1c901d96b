#pragma once

#include "EventLog.h"
#include "ManualQueryClock.h"
#include "RecordingBeep.h"
#include "RecordingBrowser.h"
#include "RecordingDatagrams.h"
#include "RecordingErrors.h"
#include "RecordingProfileStore.h"
#include "RecordingShell.h"
#include "RecordingSound.h"
#include "RecordingTray.h"
#include "ScriptedDownloads.h"
#include "ScriptedFileDialogs.h"
#include "launcher/Launcher.h"

#include <QTemporaryDir>
#include <memory>

// A fresh launcher in a temporary application directory, on recording
// doubles. Tests keep the raw pointers to look at what happened.
class LauncherFixture
{
public:
    LauncherFixture();
    ~LauncherFixture();

    // Writes a profile value before the launcher exists.
    void preset(const char *file, const char *section, const char *key, const QString &value);
    // data.dat saying "not a first run", so start() needs no player.
    void presetNotFirstRun();
    // Not a first run, and the web server offers the running version: the
    // start-up chain then opens no window of its own.
    void presetQuietStart();
    // Writes a plain file into the application directory.
    void presetFile(const QString &name, const QByteArray &content);
    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }
    bool exists(const QString &name) const;

    // Builds the launcher (once).
    Launcher &make();
    // Builds it and runs the start-up chain to its end.
    Launcher &start();

    QTemporaryDir dir;
    // The player's home the launcher searches for programs; empty unless a test fills it.
    QTemporaryDir home;
    EventLog log;
    RecordingProfileStore *profiles;
    ScriptedDownloads *downloads;
    RecordingShell *shell;
    RecordingSound *sound;
    RecordingBeep *beep;
    ScriptedFileDialogs *fileDialogs;
    RecordingErrors *errors;
    RecordingBrowserFactory *browsers;
    RecordingTray *tray;
    // The game servers' side: what was sent, and a clock the test moves.
    ManualQueryClock *queryClock;
    RecordingDatagrams *datagrams;
    std::unique_ptr<Launcher> launcher;

private:
    Services m_services;
};
