#pragma once

#include "EventLog.h"
#include "RecordingBeep.h"
#include "RecordingBrowser.h"
#include "RecordingErrors.h"
#include "RecordingProfileStore.h"
#include "RecordingShell.h"
#include "RecordingSound.h"
#include "RecordingTray.h"
#include "ScriptedDownloads.h"
#include "ScriptedFileDialogs.h"
#include "launcher/Launcher.h"

#include <memory>

// A later run of the launcher on an application directory that an earlier
// run (a LauncherFixture) has used, with doubles of its own.
class SecondLauncher
{
public:
    // 'directory' with its trailing separator.
    explicit SecondLauncher(const QString &directory);
    ~SecondLauncher();

    Launcher &launcher() { return *m_launcher; }

    EventLog log;
    RecordingProfileStore *profiles;
    ScriptedDownloads *downloads;
    RecordingSound *sound;
    ScriptedFileDialogs *fileDialogs;
    RecordingErrors *errors;
    RecordingTray *tray;

private:
    std::unique_ptr<Launcher> m_launcher;
};
