#include "RealShellLauncher.h"

#include "QuietGameServers.h"
#include "RecordingBeep.h"
#include "RecordingBrowser.h"
#include "RecordingErrors.h"
#include "RecordingProfileStore.h"
#include "RecordingTray.h"
#include "ScriptedDownloads.h"
#include "ScriptedFileDialogs.h"
#include "TestLaunchers.h"
#include "games/ProgramShell.h"

RealShellLauncher::RealShellLauncher()
{
    Services s;
    s.applicationDirectory = dir.path() + QLatin1Char('/');
    s.profiles = std::make_unique<RecordingProfileStore>(&log);
    s.downloads = std::make_unique<ScriptedDownloads>(&log);
    s.shell = std::make_unique<ProgramShell>(QProcessEnvironment::systemEnvironment());
    s.sound = std::unique_ptr<RecordingSound>(sound = new RecordingSound(&log));
    s.beep = std::make_unique<RecordingBeep>(&log);
    s.fileDialogs = std::make_unique<ScriptedFileDialogs>();
    s.errors = std::make_unique<RecordingErrors>(&log);
    s.browsers = std::make_unique<RecordingBrowserFactory>(&log);
    s.tray = std::unique_ptr<RecordingTray>(tray = new RecordingTray(&log));
    s.games = std::make_unique<GameSearch>(dir.filePath(QStringLiteral("home")));
    addQuietGameServers(s);
    m_launcher = TestLaunchers::build(std::move(s));
}

RealShellLauncher::~RealShellLauncher() = default;
