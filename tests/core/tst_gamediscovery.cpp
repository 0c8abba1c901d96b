#include "games/GameDiscovery.h"
#include "games/KeyValues.h"
#include "games/PeVersion.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace std::chrono_literals;

class GameDiscoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void findsEachRow_data();
    void findsEachRow();
    void endsWithinItsBound_data();
    void endsWithinItsBound();
    void readsKeyValues_data();
    void readsKeyValues();

private:
    QTemporaryDir m_dir;
    FoundPrograms m_found;
};

// A Windows program whose version resource states major.minor; 0.0: none.
static QByteArray windowsProgram(int major, int minor)
{
    QByteArray bytes("MZ");
    bytes.append(64, '\0');
    if (major || minor) {
        bytes.append(reinterpret_cast<const char *>(u"VS_VERSION_INFO"), 30);
        bytes.append(2, '\0'); // terminator, then four-byte alignment
        char fixed[16] = {};
        qToLittleEndian<quint32>(0xFEEF04BD, fixed);
        qToLittleEndian<quint32>(0x00010000, fixed + 4);
        qToLittleEndian<quint32>(quint32(major) << 16 | quint32(minor), fixed + 8);
        bytes.append(fixed, sizeof fixed);
    }
    return bytes;
}

// Creates 'relative' under 'root': a folder when it ends with '/', a link to
// the path after '->', else a file holding 'content'.
static bool make(const QString &root, const QString &relative, const QByteArray &content = "x")
{
    const QDir dir(root);
    const int arrow = relative.indexOf(QLatin1String("->"));
    if (arrow > 0) {
        const QString link = dir.filePath(relative.left(arrow));
        return dir.mkpath(QFileInfo(link).path()) && QFile::link(relative.mid(arrow + 2), link);
    }
    if (relative.endsWith(QLatin1Char('/')))
        return dir.mkpath(relative);
    QFile file(dir.filePath(relative));
    return dir.mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) && file.write(content) >= 0;
}

// One home as a player's machine has it: Steam with a second library on
// another drive, a Wine prefix whose registry names Call of Duty's folder,
// a Lutris game with its own prefix, a Proton prefix and Call of Duty 2 twice.
void GameDiscoveryTest::initTestCase()
{
    const QString home = m_dir.filePath(QStringLiteral("home"));
    const QString drive = m_dir.filePath(QStringLiteral("drive2"));
    const QString steam = QStringLiteral(".local/share/Steam/");
    const QString vdf = QStringLiteral("\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"%1\"\n\t}\n"
                                       "\t\"1\" // the second drive\n\t{\n\t\t\"path\"\t\t\"%2\"\n\t\t\"apps\" { \"10\" \"1\" }\n\t}\n}\n")
                            .arg(home + QLatin1Char('/') + steam, drive);
    const QString acf = QStringLiteral("\"AppState\"\n{\n\t\"appid\"\t\"%1\"\n\t\"installdir\"\t\"%2\"\n}\n");
    const QByteArray sysreg = "WINE REGISTRY Version 2\n\n"
                              "[Software\\\\Wow6432Node\\\\Activision\\\\Call of Duty] 1700000000\n"
                              "#time=1d9\n\"InstallPath\"=\"C:\\\\Activision\\\\Deep\\\\Er\\\\call of duty\"\n";
    const QStringList things{
        steam + "steamapps/",
        ".steam/steam->" + home + "/.local/share/Steam",
        steam + "config/libraryfolders.vdf",
        "../drive2/steamapps/common/Half-Life/hl_linux",
        "../drive2/steamapps/common/Half-Life/hl.exe",
        "../drive2/steamapps/common/Call of Duty 2/CoD2MP_s.exe",
        "../drive2/steamapps/compatdata/2630/pfx/drive_c/Games/UT2004/System/UT2004.exe",
        ".wine/system.reg",
        ".wine/dosdevices/c:->../drive_c",
        ".wine/drive_c/Activision/Deep/Er/Call of Duty/CoDMP.exe",
        ".wine/drive_c/Program Files/Ventrilo/VENTRILO.EXE",
        ".wine/drive_c/windows/Ventrilo.exe",
        ".config/lutris/games/avp2-1.yml",
        "Games/avp2/drive_c/Program Files (x86)/Monolith/AVP2/lithtech.exe",
        ".local/share/wineprefixes/cod2/drive_c/Games/CoD2 old/CoD2MP_s.exe",
    };
    for (const QString &thing : things) {
        QByteArray content = "x";
        if (thing.endsWith(QLatin1String(".vdf")))
            content = vdf.toUtf8();
        else if (thing.endsWith(QLatin1String(".reg")))
            content = sysreg;
        else if (thing.endsWith(QLatin1String(".yml")))
            content = "name: AvP2\ngame:\n  exe: drive_c/AVP2/lithtech.exe\n  prefix: ~/Games/avp2\nwine:\n  version: lutris-7\n";
        else if (thing.contains(QLatin1String("Call of Duty 2/")))
            content = windowsProgram(1, 3);
        else if (thing.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
            content = windowsProgram(0, 0);
        QVERIFY2(make(home, thing, content), qPrintable(thing));
    }
    QVERIFY(make(drive, QStringLiteral("steamapps/appmanifest_10.acf"), acf.arg(10).arg("Half-Life").toUtf8()));
    QVERIFY(make(drive, QStringLiteral("steamapps/appmanifest_2630.acf"), acf.arg(2630).arg("Call of Duty 2").toUtf8()));
    std::atomic<bool> cancelled{false};
    m_found = GameDiscovery(home).run(cancelled);
}

void GameDiscoveryTest::findsEachRow_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<QStringList>("files"); // under the test folder, best first
    QTest::addColumn<bool>("unambiguous");
    const QString wine = QStringLiteral("home/.wine/drive_c/");
    QTest::newRow("native counter-strike in the second library")
        << int(Program::CounterStrike) << QStringList{"drive2/steamapps/common/Half-Life/hl_linux"} << true;
    QTest::newRow("call of duty where the registry says, through the drive letter")
        << int(Program::CallOfDuty) << QStringList{wine + "Activision/Deep/Er/Call of Duty/CoDMP.exe"} << true;
    QTest::newRow("call of duty 2 stating 1.3, and one that states no version")
        << int(Program::CallOfDuty2v13)
        << QStringList{"drive2/steamapps/common/Call of Duty 2/CoD2MP_s.exe",
                       "home/.local/share/wineprefixes/cod2/drive_c/Games/CoD2 old/CoD2MP_s.exe"}
        << false;
    QTest::newRow("call of duty 2 1.0: only the one of no version")
        << int(Program::CallOfDuty2v10)
        << QStringList{"home/.local/share/wineprefixes/cod2/drive_c/Games/CoD2 old/CoD2MP_s.exe"} << false;
    QTest::newRow("avp2 in the prefix a lutris game names")
        << int(Program::AlienVsPredator2)
        << QStringList{"home/Games/avp2/drive_c/Program Files (x86)/Monolith/AVP2/lithtech.exe"} << true;
    QTest::newRow("ut2004 in a proton prefix")
        << int(Program::UnrealTournament2004)
        << QStringList{"drive2/steamapps/compatdata/2630/pfx/drive_c/Games/UT2004/System/UT2004.exe"} << true;
    QTest::newRow("ventrilo in any case, not in the windows folder")
        << int(Program::Ventrilo) << QStringList{wine + "Program Files/Ventrilo/VENTRILO.EXE"} << true;
    QTest::newRow("nothing") << int(Program::TeamSpeak) << QStringList{} << false;
}

void GameDiscoveryTest::findsEachRow()
{
    QFETCH(int, program);
    QFETCH(QStringList, files);
    QFETCH(bool, unambiguous);
    const auto p = Program(program);
    QStringList expected;
    for (const QString &f : files)
        expected << m_dir.filePath(f);
    QCOMPARE(m_found.files(p), expected);
    QCOMPARE(m_found.unambiguous(p), unambiguous ? expected.value(0) : QString());
    if (!expected.isEmpty())
        QCOMPARE(m_found.folders(p).value(0), QFileInfo(expected.first()).path());
}

void GameDiscoveryTest::endsWithinItsBound_data()
{
    QTest::addColumn<QStringList>("things");
    QTest::addColumn<int>("folders"); // empty folders made in the prefix's Program Files
    const QStringList cod{".wine/drive_c/Program Files/CoD/CoDMP.exe"};
    QTest::newRow("broken library list")
        << cod + QStringList{".steam/steam/steamapps/", ".steam/steam/config/libraryfolders.vdf"} << 0;
    QTest::newRow("looping links") << cod + QStringList{".wine/drive_c/Program Files/a/loop->..",
                                                          ".wine/drive_c/Games/up->../.."}
                                   << 0;
    QTest::newRow("unreadable folder") << cod + QStringList{".wine/drive_c/Program Files/locked/"} << 0;
    QTest::newRow("ten thousand folders") << cod << 10000;
}

void GameDiscoveryTest::endsWithinItsBound()
{
    QFETCH(QStringList, things);
    QFETCH(int, folders);
    // Thousands of folders are made and removed quickly only in memory.
    const bool inMemory = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    QTemporaryDir home(inMemory ? QStringLiteral("/dev/shm/ovcl-home-XXXXXX") : QDir::tempPath() + "/ovcl-home-XXXXXX");
    for (const QString &thing : things)
        QVERIFY(make(home.path(), thing, thing.endsWith(QLatin1String(".vdf")) ? "\"libraryfolders\" { \"0\" {" : "x"));
    QFile::setPermissions(home.filePath(QStringLiteral(".wine/drive_c/Program Files/locked")), {});
    const QDir many(home.filePath(QStringLiteral(".wine/drive_c/Program Files/many")));
    for (int i = 0; i < folders; ++i)
        QVERIFY(many.mkpath(QString::number(i)));

    const auto bound = 300ms;
    std::atomic<bool> cancelled{false};
    GameDiscovery discovery(home.path(), bound);
    QElapsedTimer clock;
    clock.start();
    const FoundPrograms found = discovery.run(cancelled);
    const qint64 took = clock.elapsed();
    // The bound is checked between folders: a generous margin for a busy machine.
    QVERIFY2(took < 10 * bound.count(), qPrintable(QString::number(took)));
    // A search that ended within the bound searched everything.
    if (took < bound.count())
        QCOMPARE(found.files(Program::CallOfDuty).size(), 1);
    QFile::setPermissions(home.filePath(QStringLiteral(".wine/drive_c/Program Files/locked")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void GameDiscoveryTest::readsKeyValues_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("path"); // section names down to the value, '/' between
    QTest::addColumn<QString>("value"); // null: the text is rejected
    QTest::newRow("nested, any case") << QByteArray("\"A\" { \"b\" { \"C\" \"v\" } }") << "a/B/c" << "v";
    QTest::newRow("escapes and comments")
        << QByteArray("// head\n\"k\" \"a\\\"b\\\\c\" // tail\n") << "K" << "a\"b\\c";
    QTest::newRow("unquoted tokens and a condition") << QByteArray("k v [$LINUX]\n") << "k" << "v";
    QTest::newRow("unbalanced") << QByteArray("\"a\" { \"b\" \"c\"") << "a/b" << QString();
    QTest::newRow("stray close") << QByteArray("}") << "" << QString();
    QTest::newRow("key without value") << QByteArray("\"a\"") << "a" << QString();
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
