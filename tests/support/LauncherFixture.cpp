#include "LauncherFixture.h"

#include "TestLaunchers.h"
#include "app/TForm1.h"
#include "platform/profiles/IniProfileStore.h"
#include "web/CommunityUrls.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

LauncherFixture::LauncherFixture()
{
    m_services.applicationDirectory = dir.path() + QLatin1Char('/');
    m_services.profiles = std::unique_ptr<RecordingProfileStore>(profiles = new RecordingProfileStore(&log));
    m_services.downloads = std::unique_ptr<ScriptedDownloads>(downloads = new ScriptedDownloads(&log));
    m_services.shell = std::unique_ptr<RecordingShell>(shell = new RecordingShell(&log));
    m_services.sound = std::unique_ptr<RecordingSound>(sound = new RecordingSound(&log));
    m_services.beep = std::unique_ptr<RecordingBeep>(beep = new RecordingBeep(&log));
    m_services.fileDialogs = std::unique_ptr<ScriptedFileDialogs>(fileDialogs = new ScriptedFileDialogs);
    m_services.errors = std::unique_ptr<RecordingErrors>(errors = new RecordingErrors(&log));
    m_services.browsers = std::unique_ptr<RecordingBrowserFactory>(browsers = new RecordingBrowserFactory(&log));
    m_services.tray = std::unique_ptr<RecordingTray>(tray = new RecordingTray(&log));
    m_services.games = std::make_unique<GameSearch>(home.path());
    m_services.queryClock = std::unique_ptr<ManualQueryClock>(queryClock = new ManualQueryClock);
    m_services.datagrams = std::unique_ptr<RecordingDatagrams>(
        datagrams = new RecordingDatagrams([clock = queryClock] { return clock->nowMs(); }));
}

LauncherFixture::~LauncherFixture()
{
    launcher.reset();
}

void LauncherFixture::preset(const char *file, const char *section, const char *key, const QString &value)
{
    IniProfileStore().writeValue(path(QLatin1String(file)), QLatin1String(section), QLatin1String(key), value);
}

void LauncherFixture::presetNotFirstRun()
{
    preset("data.dat", "Setting", "first", QStringLiteral("false"));
}

void LauncherFixture::presetQuietStart()
{
    presetNotFirstRun();
    downloads->bodies.insert(CommunityUrls::versionInf(), QByteArray("[Setting]\r\nver=1.8.3\r\n"));
}

void LauncherFixture::presetFile(const QString &name, const QByteArray &content)
{
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
}

bool LauncherFixture::exists(const QString &name) const
{
    return QFile::exists(path(name));
}

Launcher &LauncherFixture::make()
{
    if (!launcher)
        launcher = TestLaunchers::build(std::move(m_services));
    return *launcher;
}

Launcher &LauncherFixture::start()
{
    make().start();
    return *launcher;
}
