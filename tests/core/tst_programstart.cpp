#include "GameHomes.h"
#include "games/ProgramStart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ProgramStartTest : public QObject
{
    Q_OBJECT
private slots:
    void startsAsInstalled_data();
    void startsAsInstalled();
};

// Each case: the things around (GameHomes' lines; "home/" is HOME, "bin/"
// is PATH), the file started, the WINE variable, and what starts: the
// program and its words before the game's own (paths under the test
// folder; no program: nothing starts), the WINEPREFIX it gets (empty: the
// launcher's own), the folder it runs in (empty: the one asked for) and the
// failure.
void ProgramStartTest::startsAsInstalled_data()
{
    QTest::addColumn<QStringList>("things");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("wine");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("failure");
    const int none = int(StartFailure::None);
    const QString hl = QStringLiteral("Games/hl.exe");
    const QStringList wine{"bin/wine"};
    const QStringList viaWine{"bin/wine", "{file}"};

    // What the file is decides.
    QTest::newRow("elf binary named like a windows program")
        << wine + QStringList{"Games/hl.exe=\x7f" "ELF\2\1"} << hl << "" << QStringList{hl} << "" << "" << none;
    QTest::newRow("script") << wine + QStringList{"Games/hl=#!/bin/sh\n"} << "Games/hl" << "" << QStringList{"Games/hl"} << "" << "" << none;
    QTest::newRow("one byte of a header") << wine + QStringList{"Games/hl.exe=M"} << hl << "" << QStringList{hl} << "" << "" << none;
    QTest::newRow("no file") << wine << "cesta" << "" << QStringList{} << "" << "" << int(StartFailure::MissingFile);
    QTest::newRow("windows program outside a prefix") << wine + QStringList{hl} << hl << "" << viaWine << "" << "" << none;
    QTest::newRow("no wine") << QStringList{hl} << hl << "" << QStringList{} << "" << "" << int(StartFailure::NoWine);

    // Which prefix.
    QTest::newRow("prefix with system.reg")
        << wine + QStringList{"pfx/system.reg", "pfx/drive_c/Games/cs/hl.exe"} << "pfx/drive_c/Games/cs/hl.exe" << ""
        << viaWine << "pfx" << "" << none;
    QTest::newRow("prefix with dosdevices")
        << wine + QStringList{"pfx/dosdevices/", "pfx/drive_c/hl.exe"} << "pfx/drive_c/hl.exe" << "" << viaWine << "pfx" << "" << none;
    QTest::newRow("drive_c of no prefix") << wine + QStringList{"pfx/drive_c/hl.exe"} << "pfx/drive_c/hl.exe" << "" << viaWine
                                          << "" << "" << none;
    QTest::newRow("nearest prefix")
        << wine + QStringList{"a/system.reg", "a/drive_c/b/system.reg", "a/drive_c/b/drive_c/hl.exe"} << "a/drive_c/b/drive_c/hl.exe"
        << "" << viaWine << "a/drive_c/b" << "" << none;
    QTest::newRow("picked through the drive letter")
        << wine + QStringList{"pfx/system.reg", "pfx/drive_c/Games/hl.exe", "pfx/dosdevices/c:->../drive_c"}
        << "pfx/dosdevices/c:/Games/hl.exe" << "" << viaWine << "pfx" << "" << none;
    // D: of ~/.wine leads outside it; "/" (Z:) is no prefix's.
    const QStringList driveD{"bin/wine", "home/.wine/system.reg", "home/.wine/drive_c/", "home/.wine/dosdevices/z:->/",
                             "home/.wine/dosdevices/d:->../../../games-d", "games-d/cod/CoDMP.exe", "other/CoDMP.exe"};
    QTest::newRow("picked on a drive mapped outside the prefix")
        << driveD << "games-d/cod/CoDMP.exe" << "" << viaWine << "home/.wine" << "" << none;
    QTest::newRow("outside every drive but the whole system's") << driveD << "other/CoDMP.exe" << "" << viaWine << "" << "" << none;
    QTest::newRow("a bottle's runner")
        << wine + QStringList{"home/.local/share/bottles/bottles/b/bottle.yml=Path: b\nRunner: soda-7.0\n",
                              "home/.local/share/bottles/runners/soda-7.0/bin/wine",
                              "home/.local/share/bottles/bottles/b/drive_c/AVP2/lithtech.exe"}
        << "home/.local/share/bottles/bottles/b/drive_c/AVP2/lithtech.exe" << ""
        << QStringList{"home/.local/share/bottles/runners/soda-7.0/bin/wine", "{file}"} << "home/.local/share/bottles/bottles/b"
        << "" << none;

    // Which Wine.
    QTest::newRow("WINE names another build")
        << QStringList{"bin/wine", "opt/wine-9/bin/wine", hl} << hl << "opt/wine-9/bin/wine"
        << QStringList{"opt/wine-9/bin/wine", "{file}"} << "" << "" << none;
    QTest::newRow("WINE names a program on PATH")
        << QStringList{"bin/wine", "bin/wine64", hl} << hl << "wine64" << QStringList{"bin/wine64", "{file}"} << "" << "" << none;
    QTest::newRow("WINE names a missing program") << wine + QStringList{hl} << hl << "opt/none/wine" << QStringList{} << ""
                                                  << "" << int(StartFailure::NoWine);

    // Steam: the library's own client.
    const QString hlLinux = QStringLiteral("lib/steamapps/common/Half-Life/hl_linux");
    const QString manifest10 = QStringLiteral("lib/steamapps/appmanifest_10.acf=\"AppState\" { \"appid\" \"10\" \"installdir\" \"Half-Life\" }");
    const QStringList applaunch10{"-applaunch", "10"};
    QTest::newRow("steam on PATH") << QStringList{"bin/steam", "bin/flatpak", manifest10, hlLinux} << hlLinux << ""
                                   << QStringList{"bin/steam"} + applaunch10 << "" << "" << none;
    QTest::newRow("flatpak steam")
        << QStringList{"bin/flatpak", "home/.local/share/flatpak/app/com.valvesoftware.Steam/", manifest10, hlLinux} << hlLinux << ""
        << QStringList{"bin/flatpak", "run", "com.valvesoftware.Steam"} + applaunch10 << "" << "" << none;
    QTest::newRow("flatpak without steam") << QStringList{"bin/flatpak", manifest10, hlLinux} << hlLinux << ""
                                           << QStringList{hlLinux} << "" << "" << none;
    QTest::newRow("no steam") << QStringList{manifest10, hlLinux} << hlLinux << "" << QStringList{hlLinux} << "" << "" << none;
    QTest::newRow("a folder no manifest names")
        << QStringList{"bin/steam", "lib/steamapps/appmanifest_10.acf=\"AppState\" { \"installdir\" \"Other\" }", hlLinux}
        << hlLinux << "" << QStringList{hlLinux} << "" << "" << none;
    QTest::newRow("installdir in another case, the id of the manifest's appid")
        << QStringList{"bin/steam", "lib/steamapps/appmanifest_1.acf=\"AppState\" { \"appid\" \"10\" \"installdir\" \"HALF-LIFE\" }",
                       hlLinux}
        << hlLinux << "" << QStringList{"bin/steam"} + applaunch10 << "" << "" << none;
    QTest::newRow("proton copy of a windows game")
        << QStringList{"bin/steam", "bin/wine", "lib/steamapps/appmanifest_2630.acf=\"AppState\" { \"installdir\" \"Call of Duty 2\" }",
                       "lib/steamapps/common/Call of Duty 2/CoD2MP_s.exe"}
        << "lib/steamapps/common/Call of Duty 2/CoD2MP_s.exe" << "" << QStringList{"bin/steam", "-applaunch", "2630"} << "" << ""
        << none;
    // Lutris' and Bottles' way: Windows Steam in a prefix starts its own games, never the native client.
    const QString winSteam = QStringLiteral("pfx/drive_c/Program Files (x86)/Steam");
    const QString cod2 = winSteam + QStringLiteral("/steamapps/common/Call of Duty 2/CoD2MP_s.exe");
    const QStringList windowsSteam{"bin/steam", "bin/wine", "pfx/system.reg", winSteam + "/steam.exe",
                                   winSteam + "/steamapps/appmanifest_2630.acf=\"AppState\" { \"appid\" \"2630\" \"installdir\" \"Call of Duty 2\" }",
                                   cod2};
    QTest::newRow("windows steam in a prefix")
        << windowsSteam << cod2 << "" << QStringList{"bin/wine", winSteam + "/steam.exe", "-applaunch", "2630"} << "pfx" << winSteam
        << none;
    QTest::newRow("windows steam in a prefix, no wine") << windowsSteam.mid(2) << cod2 << "" << QStringList{} << "" << ""
                                                       << int(StartFailure::NoWine);
    // Its second library on E:, outside the prefix, listed by that Steam.
    const QString ut = QStringLiteral("winlib/steamapps/common/UT/System/UnrealTournament.exe");
    QTest::newRow("windows steam's library on a mapped drive")
        << QStringList{"bin/steam", "bin/wine", "home/.wine/system.reg", "home/.wine/dosdevices/e:->{root}/winlib",
                       "home/.wine/drive_c/Program Files (x86)/Steam/steam.exe",
                       "home/.wine/drive_c/Program Files (x86)/Steam/steamapps/",
                       "home/.wine/drive_c/Program Files (x86)/Steam/config/libraryfolders.vdf=\"libraryfolders\" { \"1\" { \"path\" \"E:\\\\\" } }",
                       "winlib/steamapps/appmanifest_13240.acf=\"AppState\" { \"appid\" \"13240\" \"installdir\" \"UT\" }", ut}
        << ut << ""
        << QStringList{"bin/wine", "home/.wine/drive_c/Program Files (x86)/Steam/steam.exe", "-applaunch", "13240"} << "home/.wine"
        << "home/.wine/drive_c/Program Files (x86)/Steam" << none;
}

void ProgramStartTest::startsAsInstalled()
{
    QFETCH(QStringList, things);
    QFETCH(QString, file);
    QFETCH(QString, wine);
    QFETCH(QStringList, started);
    QFETCH(QString, prefix);
    QFETCH(QString, folder);
    QFETCH(int, failure);
#ifdef Q_OS_WIN
    QSKIP("programs start directly on Windows");
#endif
    QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    const QDir r(root);
    QVERIFY(r.mkpath(QStringLiteral("bin")) && r.mkpath(QStringLiteral("home")) && r.mkpath(QStringLiteral("asked")));
    for (const QString &thing : things)
        QVERIFY2(GameHomes::make(root, thing), qPrintable(thing));

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), r.filePath(QStringLiteral("bin")));
    environment.insert(QStringLiteral("HOME"), r.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("WINEPREFIX"), QStringLiteral("/home/player/.wine"));
    if (!wine.isEmpty())
        environment.insert(QStringLiteral("WINE"), wine.contains(QLatin1Char('/')) ? r.filePath(wine) : wine);
    const QString path = r.filePath(file);
    const QStringList words{"-game", "cstrike"};

    const ProgramStart start = ProgramStart::of(path, words, r.filePath(QStringLiteral("asked")), environment);
    QCOMPARE(int(start.failure), failure);
    if (failure != int(StartFailure::None))
        return;
    QStringList expected;
    for (const QString &word : started)
        expected << (word == QLatin1String("{file}") ? path : word.contains(QLatin1Char('/')) ? r.filePath(word) : word);
    QCOMPARE(start.program, expected.value(0));
    QCOMPARE(start.arguments, expected.mid(1) + words);
    QCOMPARE(start.workingDirectory, r.filePath(folder.isEmpty() ? QStringLiteral("asked") : folder));
    QProcessEnvironment given = environment;
    if (!prefix.isEmpty())
        given.insert(QStringLiteral("WINEPREFIX"), r.filePath(prefix));
    QCOMPARE(start.environment, given);
}

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "tst_programstart.moc"
