#pragma once

#include "EventLog.h"
#include "RecordingSound.h"
#include "RecordingTray.h"
#include "launcher/Launcher.h"

#include <QTemporaryDir>
#include <memory>

// A launcher whose shell really starts programs; every other service is a
// recording double.
class RealShellLauncher
{
public:
    RealShellLauncher();
    ~RealShellLauncher();

    Launcher &launcher() { return *m_launcher; }

    QTemporaryDir dir;
    EventLog log;
    RecordingSound *sound;
    RecordingTray *tray;

private:
    std::unique_ptr<Launcher> m_launcher;
};
