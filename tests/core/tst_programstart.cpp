#include "games/ProgramStart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ProgramStartTest : public QObject
{
    Q_OBJECT
private slots:
    void decidesByContent_data();
    void decidesByContent();
    void steamAppsStartThroughSteam_data();
    void steamAppsStartThroughSteam();
};

// Creates 'relative' under 'root': a folder when it ends with '/', a link to
// the folder after '->' when it has one, an executable file with 'content' otherwise.
static bool make(const QDir &root, const QString &relative, const QByteArray &content = QByteArray())
{
    const int arrow = relative.indexOf(QLatin1String("->"));
    if (arrow > 0) {
        const QString link = root.filePath(relative.left(arrow));
        return root.mkpath(QFileInfo(link).path()) && QFile::link(root.filePath(relative.mid(arrow + 2)), link);
    }
    if (relative.endsWith(QLatin1Char('/')))
        return root.mkpath(relative);
    QFile file(root.filePath(relative));
    return root.mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) && file.write(content) >= 0
        && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void ProgramStartTest::decidesByContent_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("around");   // further things to create
    QTest::addColumn<QString>("wine");         // the WINE variable
    QTest::addColumn<QString>("program");      // empty: nothing starts
    QTest::addColumn<QString>("prefix");       // empty: WINEPREFIX as the launcher had it
    const QByteArray mz("MZ\x90\0\3", 5);
    const QStringList loader{"bin/wine"};
    QTest::newRow("elf binary named like a windows program")
        << "Games/hl.exe" << QByteArray("\x7f" "ELF\2\1") << loader << "" << "Games/hl.exe" << "";
    QTest::newRow("script") << "Games/hl" << QByteArray("#!/bin/sh\n") << loader << "" << "Games/hl" << "";
    QTest::newRow("one byte of a header") << "Games/hl.exe" << QByteArray("M") << loader << "" << "Games/hl.exe" << "";
    QTest::newRow("no file") << "cesta" << QByteArray() << loader << "" << "cesta" << "";
    QTest::newRow("windows program outside a prefix") << "Games/hl.exe" << mz << loader << "" << "bin/wine" << "";
    QTest::newRow("prefix with system.reg")
        << "pfx/drive_c/Games/cs/hl.exe" << mz << QStringList{"bin/wine", "pfx/system.reg"} << "" << "bin/wine" << "pfx";
    QTest::newRow("prefix with dosdevices")
        << "pfx/drive_c/hl.exe" << mz << QStringList{"bin/wine", "pfx/dosdevices/"} << "" << "bin/wine" << "pfx";
    QTest::newRow("drive_c of no prefix") << "pfx/drive_c/hl.exe" << mz << loader << "" << "bin/wine" << "";
    QTest::newRow("nearest prefix")
        << "a/drive_c/b/drive_c/hl.exe" << mz << QStringList{"bin/wine", "a/system.reg", "a/drive_c/b/system.reg"}
        << "" << "bin/wine" << "a/drive_c/b";
    QTest::newRow("picked through the drive letter")
        << "pfx/dosdevices/c:/Games/hl.exe" << mz
        << QStringList{"bin/wine", "pfx/drive_c/", "pfx/system.reg", "pfx/dosdevices/c:->pfx/drive_c"} << ""
        << "bin/wine" << "pfx";
    QTest::newRow("WINE names another build")
        << "Games/hl.exe" << mz << QStringList{"bin/wine", "opt/wine-9/bin/wine"} << "opt/wine-9/bin/wine"
        << "opt/wine-9/bin/wine" << "";
    QTest::newRow("WINE names a program on PATH")
        << "Games/hl.exe" << mz << QStringList{"bin/wine", "bin/wine64"} << "wine64" << "bin/wine64" << "";
    QTest::newRow("WINE names a missing program") << "Games/hl.exe" << mz << loader << "opt/none/wine" << "" << "";
    QTest::newRow("no wine") << "Games/hl.exe" << mz << QStringList{} << "" << "" << "";
}

void ProgramStartTest::decidesByContent()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, around);
    QFETCH(QString, wine);
    QFETCH(QString, program);
    QFETCH(QString, prefix);
#ifdef Q_OS_WIN
    QSKIP("programs start directly on Windows");
#endif
    QTemporaryDir dir;
    const QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    for (const QString &thing : around)
        QVERIFY2(make(root, thing), qPrintable(thing));
    if (!content.isEmpty())
        QVERIFY(make(root, file, content));

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), root.filePath(QStringLiteral("bin")));
    environment.insert(QStringLiteral("WINEPREFIX"), QStringLiteral("/home/player/.wine"));
    if (!wine.isEmpty())
        environment.insert(QStringLiteral("WINE"), wine.contains(QLatin1Char('/')) ? root.filePath(wine) : wine);
    const QString path = root.filePath(file);
    const QStringList words{"-game", "cstrike"};

    const ProgramStart start = ProgramStart::of(path, words, environment);
    QCOMPARE(start.program, program.isEmpty() ? QString() : root.filePath(program));
    const bool throughWine = start.program != path;
    QCOMPARE(start.arguments, throughWine ? QStringList{path} + words : words);
    QCOMPARE(start.environment.value(QStringLiteral("WINEPREFIX")),
             prefix.isEmpty() ? QStringLiteral("/home/player/.wine") : root.filePath(prefix));
    QCOMPARE(start.environment.value(QStringLiteral("PATH")), environment.value(QStringLiteral("PATH")));
}

void ProgramStartTest::steamAppsStartThroughSteam_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("around"); // "path=content": further things to create
    QTest::addColumn<QStringList>("started"); // program (under the test folder) and its words before the game's
    QTest::addColumn<int>("failure");
    const QString hl = QStringLiteral("lib/steamapps/common/Half-Life/hl_linux");
    const QString manifest10 = QStringLiteral("lib/steamapps/appmanifest_10.acf=\"AppState\" { \"installdir\" \"Half-Life\" }");
    const QStringList applaunch10{"-applaunch", "10"};
    const int none = int(StartFailure::None);
    QTest::newRow("steam on PATH") << hl << QStringList{"bin/steam=", "bin/flatpak=", manifest10}
                                   << QStringList{"bin/steam"} + applaunch10 << none;
    QTest::newRow("flatpak steam")
        << hl << QStringList{"bin/flatpak=", "home/.local/share/flatpak/app/com.valvesoftware.Steam/", manifest10}
        << QStringList{"bin/flatpak", "run", "com.valvesoftware.Steam"} + applaunch10 << none;
    QTest::newRow("flatpak without steam") << hl << QStringList{"bin/flatpak=", manifest10} << QStringList{hl} << none;
    QTest::newRow("no steam") << hl << QStringList{manifest10} << QStringList{hl} << none;
    QTest::newRow("a folder no manifest names")
        << hl << QStringList{"bin/steam=", "lib/steamapps/appmanifest_10.acf=\"AppState\" { \"installdir\" \"Other\" }"}
        << QStringList{hl} << none;
    QTest::newRow("proton copy of a windows game")
        << "lib/steamapps/common/Call of Duty 2/CoD2MP_s.exe"
        << QStringList{"bin/steam=", "bin/wine=", "lib/steamapps/appmanifest_2630.acf=\"AppState\" { \"installdir\" \"Call of Duty 2\" }"}
        << QStringList{"bin/steam", "-applaunch", "2630"} << none;
    QTest::newRow("missing file") << "Games/hl.exe" << QStringList{"bin/wine="} << QStringList{""}
                                  << int(StartFailure::MissingFile);
    QTest::newRow("windows program without wine") << "Games/w.exe" << QStringList{"Games/w.exe=MZ"}
                                                  << QStringList{""} << int(StartFailure::NoWine);
}

void ProgramStartTest::steamAppsStartThroughSteam()
{
    QFETCH(QString, file);
    QFETCH(QStringList, around);
    QFETCH(QStringList, started);
    QFETCH(int, failure);
    QTemporaryDir dir;
    const QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    for (const QString &thing : around) {
        const int split = thing.indexOf(QLatin1Char('='));
        QVERIFY(split < 0 ? make(root, thing) : make(root, thing.left(split), thing.mid(split + 1).toUtf8()));
    }
    if (file.startsWith(QLatin1String("lib/")))
        QVERIFY(make(root, file, file.endsWith(QLatin1String(".exe")) ? "MZ" : "\x7f" "ELF"));
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), root.filePath(QStringLiteral("bin")));
    environment.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    const QStringList words{"-game", "cstrike"};

    const ProgramStart start = ProgramStart::of(root.filePath(file), words, environment);
    QCOMPARE(int(start.failure), failure);
    if (failure != int(StartFailure::None))
        return;
    QCOMPARE(start.program, root.filePath(started.first()));
    QCOMPARE(start.arguments, started.mid(1) + words);
    QCOMPARE(start.environment, environment);
}

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "tst_programstart.moc"
