#include "GameHomes.h"
#include "config/SettingsRows.h"
#include "games/GameDiscovery.h"
#include "games/GameSearch.h"
#include "games/KeyValues.h"
#include "games/SearchBound.h"
#include "games/WinePrefixes.h"
#include "games/WineRegistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

class GameDiscoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void findsWhatIsInstalled_data();
    void findsWhatIsInstalled();
    void readsWhatWineWrote();
    void toolPrintsWhatTheLauncherDoes();
    void endsWithinItsBound_data();
    void endsWithinItsBound();
    void cancelsAtOnce();
    void readsKeyValues_data();
    void readsKeyValues();
};

void GameDiscoveryTest::initTestCase()
{
    bool live = false;
    QVERIFY(!GameHomes::wineSystemReg(&live).isEmpty());
    qInfo("system.reg %s", live ? "written now by the installed wine" : "as real Wine wrote it once (data/system.reg)");
}

static const QString acf = QStringLiteral("\"AppState\"\n{\n\t\"appid\"\t\t\"%1\"\n\t\"installdir\"\t\t\"%2\"\n}\n");

// Each home: its things under the test folder ("home/" is the home) and
// every candidate the search finds, rows in the settings window's order,
// best first: "key|how|file|prefix|app" (paths under the test folder).
void GameDiscoveryTest::findsWhatIsInstalled_data()
{
    QTest::addColumn<QStringList>("things");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QStringList>("filled"); // the rows found beyond doubt

    const QString bom(QChar(0xFEFF)); // written as EF BB BF
    const QString steam = QStringLiteral("home/.local/share/Steam/");
    const QString cod2 = QStringLiteral("home/.local/share/wineprefixes/cod2");
    QTest::newRow("steam on a second drive, registry through the drive letter, lutris, proton")
        << QStringList{
               steam + "steamapps/",
               "home/.steam/steam->{root}/home/.local/share/Steam",
               steam + "config/libraryfolders.vdf=\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"{root}/home/.local/share/Steam\"\n\t}\n"
                       "\t\"1\" // the second drive\n\t{\n\t\t\"path\"\t\t\"{root}/drive2\"\n\t\t\"apps\" { \"10\" \"1\" }\n\t}\n}\n",
               "drive2/steamapps/appmanifest_10.acf=" + acf.arg(10).arg("Half-Life"),
               "drive2/steamapps/appmanifest_2630.acf=" + acf.arg(2630).arg("Call of Duty 2"),
               "drive2/steamapps/common/Half-Life/hl_linux",
               "drive2/steamapps/common/Half-Life/hl.exe",
               "drive2/steamapps/common/Call of Duty 2/CoD2MP_s.exe=mz:1.3",
               "drive2/steamapps/compatdata/2630/pfx/drive_c/Games/UT2004/System/UT2004.exe",
               "home/.wine/system.reg=WINE REGISTRY Version 2\n\n[Software\\\\Wow6432Node\\\\Activision\\\\Call of Duty] 1700000000\n"
               "#time=1d9\n\"InstallPath\"=\"C:\\\\Activision\\\\Deep\\\\Er\\\\call of duty\"\n",
               "home/.wine/dosdevices/c:->../drive_c",
               "home/.wine/drive_c/Activision/Deep/Er/Call of Duty/CoDMP.exe",
               "home/.wine/drive_c/Program Files/Ventrilo/VENTRILO.EXE",
               "home/.wine/drive_c/windows/Ventrilo.exe",
               "home/.config/lutris/games/avp2-1.yml=name: AvP2\ngame:\n  exe: drive_c/AVP2/lithtech.exe\n  prefix: ~/Games/avp2\nwine:\n  version: lutris-7\n",
               "home/Games/avp2/drive_c/Program Files (x86)/Monolith/AVP2/lithtech.exe",
               cod2 + "/drive_c/Games/CoD2 old/CoD2MP_s.exe",
           }
        << QStringList{
               "csloc|steam|drive2/steamapps/common/Half-Life/hl_linux||10",
               "codloc|registry|home/.wine/drive_c/Activision/Deep/Er/Call of Duty/CoDMP.exe|home/.wine|",
               "cod210loc|search|" + cod2 + "/drive_c/Games/CoD2 old/CoD2MP_s.exe|" + cod2 + "|",
               "cod213loc|steam|drive2/steamapps/common/Call of Duty 2/CoD2MP_s.exe||2630",
               "cod213loc|search|" + cod2 + "/drive_c/Games/CoD2 old/CoD2MP_s.exe|" + cod2 + "|",
               "avploc|search|home/Games/avp2/drive_c/Program Files (x86)/Monolith/AVP2/lithtech.exe|home/Games/avp2|",
               "ut2004|search|drive2/steamapps/compatdata/2630/pfx/drive_c/Games/UT2004/System/UT2004.exe|drive2/steamapps/compatdata/2630/pfx|",
               "vnt|search|home/.wine/drive_c/Program Files/Ventrilo/VENTRILO.EXE|home/.wine|",
           }
        << QStringList{"csloc", "codloc", "avploc", "ut2004", "vnt"};

    // Wine writes C:\Hry\Černá\ as C:\\Hry\\\x010cern\xe1\\; D: leads out of the prefix.
    QTest::newRow("registry written by real wine: letters outside ascii, a mapped drive")
        << QStringList{
               "home/.wine/system.reg=wine",
               "home/.wine/dosdevices/c:->../drive_c",
               "home/.wine/dosdevices/d:->../../../games-d",
               "home/.wine/dosdevices/z:->/",
               "home/.wine/drive_c/Hry/Černá/Call of Duty/codmp.exe",
               "games-d/hry/UT2004/System/UT2004.exe",
           }
        << QStringList{
               "codloc|registry|home/.wine/drive_c/Hry/Černá/Call of Duty/codmp.exe|home/.wine|",
               "ut2004|registry|games-d/hry/UT2004/System/UT2004.exe|home/.wine|",
           }
        << QStringList{"codloc", "ut2004"};

    const QString pfx = QStringLiteral("home/.local/share/wineprefixes/steam");
    const QString winSteam = pfx + QStringLiteral("/drive_c/Program Files (x86)/Steam/");
    QTest::newRow("windows steam in a prefix, a library on its E: drive, installdir in another case")
        << QStringList{
               pfx + "/system.reg=wine",
               pfx + "/dosdevices/c:->../drive_c",
               pfx + "/dosdevices/e:->{root}/winlib",
               winSteam + "steam.exe",
               winSteam + "config/libraryfolders.vdf=\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"C:\\\\Program Files (x86)\\\\Steam\"\n\t}\n"
                          "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"E:\\\\\"\n\t}\n}\n",
               winSteam + "steamapps/appmanifest_2630.acf=" + acf.arg(2630).arg("call of duty 2"),
               winSteam + "steamapps/common/Call of Duty 2/CoD2MP_s.exe=mz:1.3",
               "winlib/steamapps/appmanifest_2620.acf=" + acf.arg(2620).arg("Call of Duty"),
               "winlib/steamapps/common/Call of Duty/CoDMP.exe",
           }
        << QStringList{
               "codloc|steam|winlib/steamapps/common/Call of Duty/CoDMP.exe|" + pfx + "|2620",
               "cod213loc|steam|" + winSteam + "steamapps/common/Call of Duty 2/CoD2MP_s.exe|" + pfx + "|2630",
           }
        << QStringList{"codloc", "cod213loc"};

    QTest::newRow("native steam: byte-order marks, a manifest named otherwise, another case, a broken manifest")
        << QStringList{
               steam + "config/libraryfolders.vdf=" + bom + "\"libraryfolders\"\n{\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"{root}/drive2\"\n\t}\n}\n",
               steam + "steamapps/appmanifest_99.acf=" + bom + acf.arg(10).arg("Half-Life"),
               steam + "steamapps/common/half-life/hl_linux",
               "drive2/steamapps/appmanifest_13240.acf=\"AppState\"\n{\n\t\"appid\"\t\t\"13240\"\n",
               "drive2/steamapps/appmanifest_13230.acf=" + acf.arg(13230).arg("UT2004"),
               "drive2/steamapps/common/Unreal Tournament/System/UnrealTournament.exe",
               "drive2/steamapps/common/UT2004/System/UT2004.exe",
           }
        << QStringList{
               "csloc|steam|" + steam + "steamapps/common/half-life/hl_linux||10",
               "ut2004|steam|drive2/steamapps/common/UT2004/System/UT2004.exe||13230",
           }
        << QStringList{"csloc", "ut2004"};

    QTest::newRow("flatpak lutris, heroic's default prefixes and settings, a bottle elsewhere, a broken yaml")
        << QStringList{
               "home/.var/app/net.lutris.Lutris/data/lutris/games/avp2.yml=game:\n  prefix: ~/Games/avp2\n",
               "home/.config/lutris/games/broken.yml=game: [prefix: ~/Games/avp2\n",
               "home/Games/avp2/drive_c/Games/AVP2/lithtech.exe",
               "home/Games/Heroic/Prefixes/default/Unreal Tournament/drive_c/UT/System/UnrealTournament.exe",
               "home/.config/heroic/GamesConfig/ts.json={\n  \"ts\": {\n    \"winePrefix\": \"{root}/heroic-ts\",\n    \"wineVersion\": {\"bin\": \"/no/wine\", \"type\": \"wine\"}\n  }\n}\n",
               "heroic-ts/drive_c/Program Files/TeamSpeak/ts3client_win64.exe",
               "home/.local/share/bottles/bottles/Voice/bottle.yml=Name: Voice\nPath: {root}/voice-bottle\nCustom_Path: true\nRunner: soda-7.0\n",
               "voice-bottle/drive_c/Program Files/Ventrilo/Ventrilo.exe",
           }
        << QStringList{
               "avploc|search|home/Games/avp2/drive_c/Games/AVP2/lithtech.exe|home/Games/avp2|",
               "ut|search|home/Games/Heroic/Prefixes/default/Unreal Tournament/drive_c/UT/System/UnrealTournament.exe|"
               "home/Games/Heroic/Prefixes/default/Unreal Tournament|",
               "vnt|search|voice-bottle/drive_c/Program Files/Ventrilo/Ventrilo.exe|voice-bottle|",
               "ts|search|heroic-ts/drive_c/Program Files/TeamSpeak/ts3client_win64.exe|heroic-ts|",
           }
        << QStringList{"avploc", "ut", "vnt", "ts"};
}

void GameDiscoveryTest::findsWhatIsInstalled()
{
    QFETCH(QStringList, things);
    QFETCH(QStringList, found);
    QFETCH(QStringList, filled);
    QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    for (const QString &thing : things)
        QVERIFY2(GameHomes::make(root, thing), qPrintable(thing));

    std::atomic<bool> cancelled{false};
    const FoundPrograms programs = GameDiscovery(root + QLatin1String("/home")).run(cancelled);
    static const char *const hows[] = {"steam", "registry", "search"};
    const auto under = [&](const QString &path) { return path.isEmpty() ? path : QDir(root).relativeFilePath(path); };
    QStringList seen, seenFilled;
    for (const PathRow &row : pathRows()) {
        const QString key = QLatin1String(row.key->key);
        for (const FoundPrograms::Candidate &c : programs.candidates(row.program))
            seen << QStringList{key, hows[int(c.how)], under(c.file), under(c.prefix), c.steamApp ? QString::number(c.steamApp) : QString()}
                        .join(QLatin1Char('|'));
        if (!programs.unambiguous(row.program).isEmpty())
            seenFilled << key;
    }
    QCOMPARE(seen, found);
    QCOMPARE(seenFilled, filled);
}

// Keys and values as Wine's own "reg add" wrote them.
void GameDiscoveryTest::readsWhatWineWrote()
{
    QTemporaryDir dir;
    QVERIFY(GameHomes::make(dir.path(), QStringLiteral("pfx/system.reg=wine")));
    const SearchBound bound(2s);
    const std::vector<QString> values = WineRegistry::read(
        dir.filePath(QStringLiteral("pfx")),
        {{QStringLiteral("Software\\Activision\\Call of Duty"), QStringLiteral("InstallPath")},
         {QStringLiteral("software\\hry\\žluťoučký kůň"), QStringLiteral("SLOŽKA")},
         {QStringLiteral("Software\\Valve\\Steam"), QStringLiteral("InstallPath")},
         {QStringLiteral("Software\\Activision\\Call of Duty"), QStringLiteral("Missing")}},
        bound);
    QCOMPARE(values, (std::vector<QString>{QStringLiteral("C:\\Hry\\Černá\\Call of Duty\\"),
                                            QStringLiteral("C:\\Hry\\Žluťoučký kůň \"2\"\\"),
                                            QStringLiteral("C:\\Program Files (x86)\\Steam"), QString()}));
    // Four hex digits at most: "\x010ce" is "Če".
    QCOMPARE(WineRegistry::unescape("\\x010ce\\x41\\101\\0\\t\\\\\\\""), QStringLiteral("Če") + "AA" + QChar(0) + "\t\\\"");
}

// ovcl_find_games runs the launcher's search and start plan: a home with
// Windows Steam in a prefix made by real Wine's registry.
void GameDiscoveryTest::toolPrintsWhatTheLauncherDoes()
{
    QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    const QString pfx = root + QLatin1String("/home/.wine");
    const QString steam = pfx + QLatin1String("/drive_c/Program Files (x86)/Steam");
    const QString game = steam + QLatin1String("/steamapps/common/Call of Duty 2/CoD2MP_s.exe");
    for (const QString &thing : QStringList{"home/.wine/system.reg=wine", "home/.wine/dosdevices/c:->../drive_c",
                                 "bin/wine", "bin/steam",
                                 "home/.wine/drive_c/Program Files (x86)/Steam/steam.exe",
                                 "home/.wine/drive_c/Program Files (x86)/Steam/steamapps/appmanifest_2630.acf=" + acf.arg(2630).arg("Call of Duty 2"),
                                 "home/.wine/drive_c/Program Files (x86)/Steam/steamapps/common/Call of Duty 2/CoD2MP_s.exe=mz:1.0"})
        QVERIFY2(GameHomes::make(root, thing), qPrintable(thing));
    const auto run = [&](const QStringList &arguments) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), root + QLatin1String("/bin"));
        environment.remove(QStringLiteral("WINE"));
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(OVCL_FIND_GAMES), QStringList{"--home", root + QLatin1String("/home")} + arguments);
        const bool ended = tool.waitForFinished(10000) && tool.exitCode() == 0;
        QJsonParseError error{};
        const QJsonObject out = QJsonDocument::fromJson(tool.readAllStandardOutput(), &error).object();
        return ended && error.error == QJsonParseError::NoError ? out : QJsonObject();
    };

    const QJsonObject found = run({});
    QVERIFY(found.value(QLatin1String("elapsed_ms")).toInt(-1) >= 0);
    const QJsonObject rows = found.value(QLatin1String("rows")).toObject();
    QStringList keys;
    for (const PathRow &row : pathRows())
        keys << QLatin1String(row.key->key);
    QCOMPARE(QStringList(rows.keys()).size(), 9);
    for (const QString &key : keys)
        QVERIFY2(rows.contains(key), qPrintable(key));
    const QJsonObject cod2 = rows.value(QLatin1String("cod210loc")).toObject();
    QCOMPARE(cod2.value(QLatin1String("filled")).toString(), game);
    QCOMPARE(cod2.value(QLatin1String("found")).toArray(),
             (QJsonArray{QJsonObject{{"path", game}, {"how", "steam"}, {"prefix", pfx}, {"steam_app", 2630}}}));
    QCOMPARE(rows.value(QLatin1String("csloc")).toObject(), (QJsonObject{{"filled", QJsonValue::Null}, {"found", QJsonArray{}}}));

    const QJsonObject plan = run({"--plan", game, "+connect", "cod2.orvanta.cz:28960"});
    QCOMPARE(plan, (QJsonObject{{"program", root + QLatin1String("/bin/wine")},
                                {"arguments", QJsonArray{steam + QLatin1String("/steam.exe"), "-applaunch", "2630", "+connect",
                                                         "cod2.orvanta.cz:28960"}},
                                {"working_directory", steam},
                                {"environment", QJsonObject{{"WINEPREFIX", pfx}}},
                                {"via", "steam"},
                                {"failure", QJsonValue::Null}}));
}

void GameDiscoveryTest::endsWithinItsBound_data()
{
    QTest::addColumn<QStringList>("things");
    QTest::addColumn<int>("folders"); // empty folders made in the prefix's Program Files
    QTest::addColumn<qint64>("registry"); // size of a system.reg made of wanted keys (a sparse one over 64 MiB)
    const QStringList cod{".wine/drive_c/Program Files/CoD/CoDMP.exe", ".wine/dosdevices/"};
    QTest::newRow("broken library list")
        << cod + QStringList{".steam/steam/steamapps/", ".steam/steam/config/libraryfolders.vdf=\"libraryfolders\" { \"0\" {"}
        << 0 << qint64(0);
    QTest::newRow("looping links") << cod + QStringList{".wine/drive_c/Program Files/a/loop->..",
                                                          ".wine/drive_c/Games/up->../.."}
                                   << 0 << qint64(0);
    QTest::newRow("unreadable folder") << cod + QStringList{".wine/drive_c/Program Files/locked/"} << 0 << qint64(0);
    QTest::newRow("ten thousand folders") << cod << 10000 << qint64(0);
    QTest::newRow("a system.reg of 200 MiB") << cod << 0 << qint64(200) * 1024 * 1024;
    QTest::newRow("a system.reg of 60 MiB of wanted keys") << cod << 0 << qint64(60) * 1024 * 1024;
    QTest::newRow("a deep yaml file")
        << cod + QStringList{".config/lutris/games/deep.yml=" + QString(QStringLiteral("a:\n")).repeated(1)
                             + [] {
                                   QString deep;
                                   for (int i = 1; i < 1400; ++i)
                                       deep += QString(i, QLatin1Char(' ')) + QLatin1String("a:\n");
                                   return deep;
                               }()}
        << 0 << qint64(0);
}

void GameDiscoveryTest::endsWithinItsBound()
{
    QFETCH(QStringList, things);
    QFETCH(int, folders);
    QFETCH(qint64, registry);
    // Thousands of folders and large files are made and removed quickly only in memory.
    const bool inMemory = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    QTemporaryDir home(inMemory ? QStringLiteral("/dev/shm/ovcl-home-XXXXXX") : QDir::tempPath() + "/ovcl-home-XXXXXX");
    for (const QString &thing : things)
        QVERIFY2(GameHomes::make(home.path(), thing), qPrintable(thing));
    const QString locked = home.filePath(QStringLiteral(".wine/drive_c/Program Files/locked"));
    QFile::setPermissions(locked, {});
    const QDir many(home.filePath(QStringLiteral(".wine/drive_c/Program Files/many")));
    for (int i = 0; i < folders; ++i)
        QVERIFY(many.mkpath(QString::number(i)));
    if (registry) {
        QFile reg(home.filePath(QStringLiteral(".wine/system.reg")));
        QVERIFY(reg.open(QIODevice::WriteOnly));
        if (registry > SearchBound::maxFileSize) {
            QVERIFY(reg.resize(registry));
        } else {
            const QByteArray key = "[Software\\\\Wow6432Node\\\\Activision\\\\Call of Duty] 1\n\"Other\"=\"x\"\n";
            const QByteArray block = key.repeated(int((1 << 20) / key.size()));
            while (reg.size() < registry)
                QVERIFY(reg.write(block) == block.size());
        }
    }

    const auto bound = 300ms;
    std::atomic<bool> cancelled{false};
    GameDiscovery discovery(home.path(), bound);
    QElapsedTimer clock;
    clock.start();
    const FoundPrograms found = discovery.run(cancelled);
    const qint64 took = clock.elapsed();
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Every reader asks the bound as it goes: a margin only for a busy machine.
    QVERIFY2(took < bound.count() + 250, qPrintable(QString::number(took)));
    // A search that ended within the bound searched everything.
    if (took < bound.count())
        QCOMPARE(found.files(Program::CallOfDuty).size(), 1);
}

// Quitting, or closing the settings window, cancels a search that is still
// running: it stops within 100 ms, and a later start searches anew.
void GameDiscoveryTest::cancelsAtOnce()
{
    QTemporaryDir home(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm/ovcl-home-XXXXXX")
                                                                           : QDir::tempPath() + "/ovcl-home-XXXXXX");
    QVERIFY(GameHomes::make(home.path(), QStringLiteral(".wine/drive_c/Program Files/CoD/CoDMP.exe")));
    QFile reg(home.filePath(QStringLiteral(".wine/system.reg")));
    QVERIFY(reg.open(QIODevice::WriteOnly));
    const QByteArray key = "[Software\\\\Activision\\\\Call of Duty] 1\n\"Other\"=\"x\"\n";
    const QByteArray block = key.repeated(int((1 << 20) / key.size()));
    for (int i = 0; i < 60; ++i)
        QVERIFY(reg.write(block) == block.size());
    reg.close();

    for (const bool quit : {false, true}) {
        auto search = std::make_unique<GameSearch>(home.path(), 20s);
        QSignalSpy done(search.get(), &GameSearch::done);
        search->start();
        QTest::qWait(50);
        QElapsedTimer clock;
        clock.start();
        quit ? search.reset() : search->cancel();
        QVERIFY2(clock.elapsed() < 100, qPrintable(QString::number(clock.elapsed())));
        if (quit)
            continue;
        QTest::qWait(20);
        QVERIFY(!search->isDone());
        QCOMPARE(done.count(), 0);
        search->waitUntilDone();
        QVERIFY(search->isDone());
        QCOMPARE(done.count(), 1);
        QCOMPARE(search->found().files(Program::CallOfDuty).size(), 1);
    }
}

void GameDiscoveryTest::readsKeyValues_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("path"); // section names down to the value, '/' between
    QTest::addColumn<QString>("value"); // null: the text is rejected
    QTest::newRow("nested, any case") << QByteArray("\"A\" { \"b\" { \"C\" \"v\" } }") << "a/B/c" << "v";
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF\"A\" { \"b\" \"v\" }") << "a/b" << "v";
    QTest::newRow("escapes and comments")
        << QByteArray("// head\n\"k\" \"a\\\"b\\\\c\" // tail\n") << "K" << "a\"b\\c";
    QTest::newRow("unquoted tokens and a condition") << QByteArray("k v [$LINUX]\n") << "k" << "v";
    QTest::newRow("unbalanced") << QByteArray("\"a\" { \"b\" \"c\"") << "a/b" << QString();
    QTest::newRow("stray close") << QByteArray("}") << "" << QString();
    QTest::newRow("key without value") << QByteArray("\"a\"") << "a" << QString();
    QTest::newRow("a mark inside") << QByteArray("\"a\" \xEF\xBB\xBF{ \"b\" \"v\" }") << "a/b" << QString();
    QTest::newRow("too deep") << QByteArray("a {").repeated(100) + QByteArray("}").repeated(100) << "a" << QString();
}

void GameDiscoveryTest::readsKeyValues()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, path);
    QFETCH(QString, value);
    const auto kv = KeyValues::parse(text);
    QCOMPARE(kv.has_value(), !value.isNull());
    if (!kv)
        return;
    const KeyValues *node = &*kv;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (int i = 0; node && i + 1 < parts.size(); ++i)
        node = node->child(parts.at(i));
    QVERIFY(node);
    QCOMPARE(node->valueOf(parts.last()), value);
}

QTEST_GUILESS_MAIN(GameDiscoveryTest)
#include "tst_gamediscovery.moc"
