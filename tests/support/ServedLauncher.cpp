#include "ServedLauncher.h"

#include "QuietGameServers.h"
#include "TestLaunchers.h"
#include "platform/profiles/IniProfileStore.h"

#include <QFile>
#include <QUrl>

void ServerRoutedDownloads::downloadToFile(const QString &url, const QString &file)
{
    requested << url;
    if (m_log)
        m_log->add(QStringLiteral("download %1").arg(url));
    const QUrl asked(url);
    QString local = asked.path(QUrl::FullyEncoded);
    if (asked.hasQuery())
        local += QLatin1Char('?') + asked.query(QUrl::FullyEncoded);
    const qsizetype index = fetches.size();
    fetches.append({url, m_clock.elapsed()});
    const auto ended = [&](bool saved) {
        fetches[index].endedMs = m_clock.elapsed();
        fetches[index].saved = saved;
    };
    try {
        m_real.downloadToFile(m_server.url(local.isEmpty() ? QStringLiteral("/") : local), file);
    } catch (...) {
        ended(false);
        throw;
    }
    ended(true);
}

ServedLauncher::ServedLauncher(const DownloadLimits &limits)
{
    server.start();
    m_services.applicationDirectory = dir.path() + QLatin1Char('/');
    m_services.profiles = std::unique_ptr<RecordingProfileStore>(profiles = new RecordingProfileStore(&log));
    m_services.downloads = std::unique_ptr<ServerRoutedDownloads>(downloads = new ServerRoutedDownloads(server, &log, limits));
    m_services.shell = std::unique_ptr<RecordingShell>(shell = new RecordingShell(&log));
    m_services.sound = std::unique_ptr<RecordingSound>(sound = new RecordingSound(&log));
    m_services.beep = std::unique_ptr<RecordingBeep>(beep = new RecordingBeep(&log));
    m_services.fileDialogs = std::make_unique<ScriptedFileDialogs>();
    m_services.errors = std::unique_ptr<RecordingErrors>(errors = new RecordingErrors(&log));
    m_services.browsers = std::make_unique<RecordingBrowserFactory>(&log);
    m_services.tray = std::unique_ptr<RecordingTray>(tray = new RecordingTray(&log));
    m_services.games = std::make_unique<GameSearch>(QString());
    addQuietGameServers(m_services);
}

ServedLauncher::~ServedLauncher()
{
    launcher.reset();
    server.stop();
}

void ServedLauncher::preset(const char *file, const char *section, const char *key, const QString &value)
{
    IniProfileStore().writeValue(path(QLatin1String(file)), QLatin1String(section), QLatin1String(key), value);
}

void ServedLauncher::presetNotFirstRun()
{
    preset("data.dat", "Setting", "first", QStringLiteral("false"));
}

bool ServedLauncher::exists(const QString &name) const
{
    return QFile::exists(path(name));
}

Launcher &ServedLauncher::make()
{
    if (!launcher)
        launcher = TestLaunchers::build(std::move(m_services));
    return *launcher;
}

Launcher &ServedLauncher::start()
{
    make().start();
    return *launcher;
}
