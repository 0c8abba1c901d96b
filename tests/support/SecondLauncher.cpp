#include "SecondLauncher.h"

#include "QuietGameServers.h"
#include "TestLaunchers.h"

SecondLauncher::SecondLauncher(const QString &directory)
{
    Services s;
    s.applicationDirectory = directory;
    s.profiles = std::unique_ptr<RecordingProfileStore>(profiles = new RecordingProfileStore(&log));
    s.downloads = std::unique_ptr<ScriptedDownloads>(downloads = new ScriptedDownloads(&log));
    s.shell = std::make_unique<RecordingShell>(&log);
    s.sound = std::unique_ptr<RecordingSound>(sound = new RecordingSound(&log));
    s.beep = std::make_unique<RecordingBeep>(&log);
    s.fileDialogs = std::unique_ptr<ScriptedFileDialogs>(fileDialogs = new ScriptedFileDialogs);
    s.errors = std::unique_ptr<RecordingErrors>(errors = new RecordingErrors(&log));
    s.browsers = std::make_unique<RecordingBrowserFactory>(&log);
    s.tray = std::unique_ptr<RecordingTray>(tray = new RecordingTray(&log));
    s.games = std::make_unique<GameSearch>(QString());
    addQuietGameServers(s);
    m_launcher = TestLaunchers::build(std::move(s));
}

SecondLauncher::~SecondLauncher() = default;
