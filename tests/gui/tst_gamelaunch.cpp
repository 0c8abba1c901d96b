#include "ControlPoints.h"
#include "FireTimer.h"
#include "LauncherWindows.h"
#include "Pointer.h"
#include "RealShellLauncher.h"
#include "SettingsPaths.h"
#include "app/TForm1.h"
#include "games/ProgramShell.h"
#include "platform/controls/WindowTimer.h"
#include "servers/ServerCatalogue.h"
#include "web/CommunityUrls.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class GameLaunchTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void joinStartsTheGameWithItsArgumentsInItsFolder();
    void programStartsAsItsContentSays_data();
    void programStartsAsItsContentSays();
    void joinWithoutWineRunsItsCourse();
    void joinOfASteamCopy_data();
    void joinOfASteamCopy();
    void startedProgramsGetThePlayersEnvironment_data();
    void startedProgramsGetThePlayersEnvironment();

private:
    QByteArray m_path;
};

// The prefix the launcher itself runs with; only a program inside a prefix gets another.
static const QByteArray launcherPrefix = "/home/player/.wine";

void GameLaunchTest::init()
{
    m_path = qgetenv("PATH");
    qunsetenv("WINE");
    qputenv("WINEPREFIX", launcherPrefix);
}

void GameLaunchTest::cleanup()
{
    qputenv("PATH", m_path);
    qunsetenv("WINEPREFIX");
}

// A stand-in program: records who it is, its arguments one a line, the folder
// it runs in and its WINEPREFIX.
static bool writeRecorder(const QString &path, const QString &who, const QString &record)
{
    QFile script(path);
    return QDir().mkpath(QFileInfo(path).path()) && script.open(QIODevice::WriteOnly)
        && script.write(QStringLiteral("#!/bin/sh\n"
                                       "{ echo %1; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; pwd -P;"
                                       " printf '%s\\n' \"$WINEPREFIX\"; } > '%2.part'\n"
                                       "/bin/mv '%2.part' '%2'\n")
                            .arg(who, record)
                            .toUtf8())
               > 0
        && script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A Windows program as far as its first bytes go.
static bool writeWindowsProgram(const QString &path)
{
    QFile program(path);
    return QDir().mkpath(QFileInfo(path).path()) && program.open(QIODevice::WriteOnly)
        && program.write("MZ\x90\0\3\0\0\0", 8) == 8;
}

struct Started {
    QString who;
    QStringList arguments;
    QString folder;
    QString prefix;
};

static Started readRecord(const QString &record)
{
    QFile in(record);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    if (lines.size() < 4)
        return {};
    lines.removeLast(); // after the last line's end
    Started s;
    s.who = lines.takeFirst();
    s.prefix = lines.takeLast();
    s.folder = lines.takeLast();
    s.arguments = lines;
    return s;
}

void GameLaunchTest::joinStartsTheGameWithItsArgumentsInItsFolder()
{
#ifdef Q_OS_WIN
    QSKIP("the stand-in game is a shell script");
#endif
    RealShellLauncher run;
    Launcher &launcher = run.launcher();
    TForm1 *window = form1(launcher);
    window->findChild<WindowTimer *>(QStringLiteral("Timer6"))->setEnabled(false);

    QTemporaryDir gameFolder;
    QVERIFY(gameFolder.isValid());
    const QString record = gameFolder.filePath(QStringLiteral("started.txt"));
    const QString game = gameFolder.filePath(QStringLiteral("hl.sh"));
    QVERIFY(writeRecorder(game, QStringLiteral("game"), record));
    SettingsPaths::set(launcher, QStringLiteral("StaticText1"), game);

    auto *password = window->findChild<QLineEdit *>(QStringLiteral("Edit1"));
    password->selectAll();
    QTest::keyClicks(password, QStringLiteral("Rent42"));
    Pointer::click(window, ControlPoints::centre(window, QStringLiteral("Image18")));

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 5000);
    const Started started = readRecord(record);
    const QStringList &lines = started.arguments;
    QVERIFY(!lines.isEmpty());
    const QString &folder = started.folder;
    const QString arguments =
        QStringLiteral("-game cstrike +connect %1:27101 +password rent42").arg(CommunityUrls::gameHost(3));
    QCOMPARE(lines, arguments.split(QLatin1Char(' ')));
    QCOMPARE(lines.last(), QStringLiteral("rent42"));
    QCOMPARE(folder, QDir(gameFolder.path()).canonicalPath());
}

void GameLaunchTest::programStartsAsItsContentSays_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("marker"); // makes a Wine prefix of the folder it lies in
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("prefix"); // empty: the launcher's own
    const QStringList entry1{"-game", "cstrike", "+connect", CommunityUrls::gameHost(2) + QStringLiteral(":27016")};
    const QString entry5 = ServerCatalogue::address(ServerCatalogue::entry(5));
    QTest::newRow("join, game in a prefix") << "Image14" << "StaticText1" << "pfx/drive_c/Games/cs/hl.exe" << true
                                            << "pfx/system.reg" << "" << entry1 << "pfx";
    QTest::newRow("join, game outside any prefix")
        << "Image14" << "StaticText1" << "Games/cs/hl.exe" << true << "" << "" << entry1 << "";
    QTest::newRow("join, blanks in the path")
        << "Image14" << "StaticText1" << "My Games/pfx 2/drive_c/Program Files/cs/hl.exe" << true
        << "My Games/pfx 2/dosdevices/" << "" << entry1 << "My Games/pfx 2";
    QTest::newRow("join, password of shell characters")
        << "Image18" << "StaticText1" << "Games/cs/hl.exe" << true << "" << "my pw \"it's\" ;$(touch pwned) `touch pwned2`"
        << QStringList{"-game", "cstrike", "+connect", entry5, "+password", "my", "pw", "it's", ";$(touch", "pwned)",
                       "`touch", "pwned2`"}
        << "";
    QTest::newRow("ventrilo") << "Image132" << "StaticText6" << "pfx/drive_c/Program Files/Ventrilo/Ventrilo.exe"
                              << true << "pfx/system.reg" << "" << QStringList() << "pfx";
    QTest::newRow("join, native game named hl.exe")
        << "Image14" << "StaticText1" << "pfx/drive_c/Games/cs/hl.exe" << false << "pfx/system.reg" << "" << entry1
        << "";
}

void GameLaunchTest::programStartsAsItsContentSays()
{
    QFETCH(QString, control);
    QFETCH(QString, display);
    QFETCH(QString, file);
    QFETCH(bool, windows);
    QFETCH(QString, marker);
    QFETCH(QString, password);
    QFETCH(QStringList, words);
    QFETCH(QString, prefix);
#ifdef Q_OS_WIN
    QSKIP("programs start directly on Windows");
#endif
    QTemporaryDir dir;
    const QDir root(dir.path());
    const QString record = root.filePath(QStringLiteral("started.txt"));
    QVERIFY(writeRecorder(root.filePath(QStringLiteral("bin/wine")), QStringLiteral("wine"), record));
    qputenv("PATH", QFile::encodeName(root.filePath(QStringLiteral("bin"))) + ':' + m_path);
    const QString path = root.filePath(file);
    QVERIFY(windows ? writeWindowsProgram(path) : writeRecorder(path, QStringLiteral("game"), record));
    if (marker.endsWith(QLatin1Char('/')))
        QVERIFY(root.mkpath(marker));
    else if (!marker.isEmpty())
        QVERIFY(QFile(root.filePath(marker)).open(QIODevice::WriteOnly));

    RealShellLauncher run;
    TForm1 *window = form1(run.launcher());
    window->findChild<WindowTimer *>(QStringLiteral("Timer6"))->setEnabled(false);
    SettingsPaths::set(run.launcher(), display, path);
    if (!password.isEmpty()) {
        auto *edit = window->findChild<QLineEdit *>(QStringLiteral("Edit1"));
        edit->selectAll();
        QTest::keyClicks(edit, password);
    }
    Pointer::click(window, ControlPoints::centre(window, control));

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 5000);
    const Started started = readRecord(record);
    QCOMPARE(started.who, windows ? QStringLiteral("wine") : QStringLiteral("game"));
    QCOMPARE(started.arguments, windows ? QStringList{path} + words : words);
    QCOMPARE(started.folder, QFileInfo(path).canonicalPath());
    QCOMPARE(started.prefix, prefix.isEmpty() ? QString::fromUtf8(launcherPrefix) : root.filePath(prefix));
    QCOMPARE(qgetenv("WINEPREFIX"), launcherPrefix);
    for (const QString &made : {QStringLiteral("pwned"), QStringLiteral("pwned2")}) {
        QVERIFY(!QFileInfo::exists(QFileInfo(path).dir().filePath(made)));
        QVERIFY(!QFileInfo::exists(made));
    }
}

void GameLaunchTest::joinWithoutWineRunsItsCourse()
{
#ifdef Q_OS_WIN
    QSKIP("programs start directly on Windows");
#endif
    QTemporaryDir dir;
    const QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    qputenv("PATH", QFile::encodeName(root.filePath(QStringLiteral("bin"))));
    const QString game = root.filePath(QStringLiteral("Games/cs/hl.exe"));
    QVERIFY(writeWindowsProgram(game));

    RealShellLauncher run;
    TForm1 *window = form1(run.launcher());
    window->findChild<WindowTimer *>(QStringLiteral("Timer6"))->setEnabled(false);
    SettingsPaths::set(run.launcher(), QStringLiteral("StaticText1"), game);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    Pointer::click(window, ControlPoints::centre(window, QStringLiteral("Image14")));
    const QVector<QPair<QString, QString>> told{
        {QStringLiteral("Program se nespustil"), QStringLiteral("Wine není nainstalováno: nainstalujte balíček wine")}};
    QCOMPARE(run.tray->balloons, told);

    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("Panel1"))->isHidden());
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("Image15"))->isEnabled());
    WindowTimer *minimise = window->findChild<WindowTimer *>(QStringLiteral("Timer3"));
    WindowTimer *reenable = window->findChild<WindowTimer *>(QStringLiteral("Timer2"));
    // The launcher stays up beside the word of why.
    QVERIFY(!minimise->isActive());
    QVERIFY(reenable->isActive());
    QCOMPARE(reenable->interval(), 7000);
    fire(reenable);
    QVERIFY(!window->isMinimized());
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Image15"))->isEnabled());
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Panel1"))->isHidden());
    QVERIFY(run.log.events.filter(QStringLiteral("error")).isEmpty());
    // Once per run and cause.
    Pointer::click(window, ControlPoints::centre(window, QStringLiteral("Image15")));
    QCOMPARE(run.tray->balloons, told);
}

void GameLaunchTest::joinOfASteamCopy_data()
{
    QTest::addColumn<bool>("steam");
    QTest::addColumn<QString>("library"); // under the test folder
    QTest::addRow("steam installed") << true << "drive2";
    QTest::addRow("no steam") << false << "drive2";
    // Lutris' and Bottles' way: that Steam starts it, in its folder and prefix,
    // even with the native client installed.
    QTest::addRow("windows steam in a wine prefix") << true << "pfx/drive_c/Program Files (x86)/Steam";
}

// Counter-Strike in a Steam library: its native build on a second drive, or
// the Windows one in a library of Windows Steam.
void GameLaunchTest::joinOfASteamCopy()
{
    QFETCH(bool, steam);
    QFETCH(QString, library);
#ifdef Q_OS_WIN
    QSKIP("programs start directly on Windows");
#endif
    QTemporaryDir dir;
    const QDir root(dir.path());
    const QString record = root.filePath(QStringLiteral("started.txt"));
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    if (steam)
        QVERIFY(writeRecorder(root.filePath(QStringLiteral("bin/steam")), QStringLiteral("steam"), record));
    QVERIFY(writeRecorder(root.filePath(QStringLiteral("bin/wine")), QStringLiteral("wine"), record));
    qputenv("PATH", QFile::encodeName(root.filePath(QStringLiteral("bin"))));
    const bool windows = library.startsWith(QLatin1String("pfx/"));
    const QString folder = root.filePath(library);
    const QString game = folder + QLatin1String("/steamapps/common/Half-Life/") + (windows ? "hl.exe" : "hl_linux");
    if (windows) {
        QVERIFY(writeWindowsProgram(game) && writeWindowsProgram(folder + QLatin1String("/steam.exe")));
        QVERIFY(QFile(root.filePath(QStringLiteral("pfx/system.reg"))).open(QIODevice::WriteOnly));
    } else {
        QVERIFY(writeRecorder(game, QStringLiteral("game"), record));
    }
    QFile manifest(folder + QLatin1String("/steamapps/appmanifest_10.acf"));
    QVERIFY(manifest.open(QIODevice::WriteOnly));
    manifest.write("\"AppState\"\n{\n\t\"appid\"\t\"10\"\n\t\"installdir\"\t\"Half-Life\"\n}\n");
    manifest.close();

    RealShellLauncher run;
    TForm1 *window = form1(run.launcher());
    window->findChild<WindowTimer *>(QStringLiteral("Timer6"))->setEnabled(false);
    SettingsPaths::set(run.launcher(), QStringLiteral("StaticText1"), game);
    Pointer::click(window, ControlPoints::centre(window, QStringLiteral("Image14")));

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 5000);
    const Started started = readRecord(record);
    const QStringList entry1{"-game", "cstrike", "+connect", CommunityUrls::gameHost(2) + QStringLiteral(":27016")};
    const QStringList applaunch{"-applaunch", "10"};
    if (windows) {
        QCOMPARE(started.who, QStringLiteral("wine"));
        QCOMPARE(started.arguments, QStringList{folder + QLatin1String("/steam.exe")} + applaunch + entry1);
        QCOMPARE(started.folder, QDir(folder).canonicalPath());
        QCOMPARE(started.prefix, root.filePath(QStringLiteral("pfx")));
    } else {
        QCOMPARE(started.who, steam ? QStringLiteral("steam") : QStringLiteral("game"));
        QCOMPARE(started.arguments, (steam ? applaunch + entry1 : entry1));
    }
    QVERIFY(run.tray->balloons.isEmpty());
}

void GameLaunchTest::startedProgramsGetThePlayersEnvironment_data()
{
    QTest::addColumn<QByteArray>("players"); // the player's value of both variables; empty: unset
    QTest::addRow("player set neither") << QByteArray();
    QTest::addRow("player set both") << QByteArray("xcb_egl");
}

// The launcher sets both variables for its own browser engine after it took
// the player's environment.
void GameLaunchTest::startedProgramsGetThePlayersEnvironment()
{
    QFETCH(QByteArray, players);
    const char *const variables[] = {"QT_XCB_GL_INTEGRATION", "QTWEBENGINE_CHROMIUM_FLAGS"};
    QByteArray before[2];
    for (int i = 0; i < 2; ++i) {
        before[i] = qgetenv(variables[i]);
        players.isEmpty() ? qunsetenv(variables[i]) : qputenv(variables[i], players);
    }
    ProgramShell shell(QProcessEnvironment::systemEnvironment());
    qputenv(variables[0], "none");
    qputenv(variables[1], "--process-per-site");

    QTemporaryDir dir;
    const QString record = dir.filePath(QStringLiteral("env.txt"));
    const QString program = dir.filePath(QStringLiteral("env.sh"));
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"${QT_XCB_GL_INTEGRATION-unset}\" "
                                "\"${QTWEBENGINE_CHROMIUM_FLAGS-unset}\" > '%1.part'\n/bin/mv '%1.part' '%1'\n")
                     .arg(record)
                     .toUtf8());
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(shell.startProgram(program, QString(), dir.path()), StartFailure::None);
    for (int i = 0; i < 2; ++i)
        qputenv(variables[i], before[i]);

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 5000);
    QFile seen(record);
    QVERIFY(seen.open(QIODevice::ReadOnly));
    const QByteArray expected = players.isEmpty() ? QByteArray("unset") : players;
    QCOMPARE(seen.readAll(), expected + '\n' + expected + '\n');
}

QTEST_MAIN(GameLaunchTest)
#include "tst_gamelaunch.moc"
