#include "FileBytes.h"
#include "config/LocalFiles.h"
#include "platform/profiles/IniDocument.h"
#include "platform/profiles/IniProfileStore.h"
#include "platform/profiles/Windows1250.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <memory>
#include <optional>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#endif

namespace {

// "Příliš žluťoučký kůň" in Windows-1250.
const QByteArray kCzech1250("P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2");
const QString kCzech = QStringLiteral("Příliš žluťoučký kůň");

#ifdef Q_OS_LINUX
// While it lives, no file of this process grows past 'bytes': a write beyond
// fails with EFBIG, as on a full disk, instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit small = m_old;
        small.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    bool isSet() const { return m_set; }

private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
    bool m_set = false;
};

// A 64 KiB tmpfs mounted over a folder (root only), unmounted at the end.
class SmallTmpfs
{
public:
    explicit SmallTmpfs(const QString &folder) : m_folder(QFile::encodeName(folder))
    {
        m_mounted = QDir().mkpath(folder) && ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    bool isMounted() const { return m_mounted; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

// Writes into 'path' until the file system has no room left.
void fillUp(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (f.write(block) == block.size()) {
    }
}
#endif

// A data.dat as a save writes it.
QByteArray savedSettings()
{
    QByteArray bytes("[Setting]\r\n");
    for (const char *key : {"csloc", "codloc", "cod210loc", "cod213loc", "avploc", "vnt", "ts", "ut", "ut2004"})
        bytes += QByteArray(key) + "=C:\\Hry\\" + kCzech1250 + "\\" + key + ".exe\r\n";
    return bytes + "first=false\r\n[Sounds]\r\nenabled=0\r\n[Transparency]\r\nenabled=0\r\n";
}

} // namespace

class ProfileFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void windows1250Bytes_data();
    void windows1250Bytes();
    void windows1250RoundTripsEveryByte();
    void windows1250RejectsOtherCharacters();

    void readValue_data();
    void readValue();
    void readValueCutsAfterTrimming();
    void readValueOfMissingFileOrFolder();
    void readValueSeesEveryChange_data();
    void readValueSeesEveryChange();

    void writeValue_data();
    void writeValue();
    void writeValueRoundTrips_data();
    void writeValueRoundTrips();
    void lineBreakInValueStaysOnItsLine();
    void writeFailure_data();
    void writeFailure();
    void writeOnFullFileSystem_data();
    void writeOnFullFileSystem();
    void leftoverTemporary_data();
    void leftoverTemporary();
    void linkedFileStaysALink();

    void deleteFile();

    void loadLines_data();
    void loadLines();
    void loadLinesOfMissingFile();
    void loadFirstLines_data();
    void loadFirstLines();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    IniProfileStore m_store;
};

void ProfileFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void ProfileFileTest::windows1250Bytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("cesta 1.8.3") << QStringLiteral("cesta 1.8.3");
    QTest::newRow("euro and quotes") << QByteArray("\x80\x84\x93") << QStringLiteral("€„“");
    QTest::newRow("caron capitals") << QByteArray("\x8A\x8D\x8E\xC8\xCC\xCF\xD2\xD8")
                                    << QStringLiteral("ŠŤŽČĚĎŇŘ");
    QTest::newRow("czech small") << QByteArray("\xE1\xE8\xEF\xE9\xEC\xED\xF2\xF3\xF8\x9A\x9D\xFA\xF9\xFD\x9E")
                                 << QStringLiteral("áčďéěíňóřšťúůýž");
    QTest::newRow("ring capital") << QByteArray("\xD9") << QStringLiteral("Ů");
    QTest::newRow("polish and slovak") << QByteArray("\xA3\xB3\xBC\xBE\xC5\xE5")
                                       << QStringLiteral("ŁłĽľĹĺ");
    QTest::newRow("last byte") << QByteArray("\xFF") << QStringLiteral("˙");
    QTest::newRow("unassigned byte") << QByteArray("\x81") << QString(QChar(0x81));
}

void ProfileFileTest::windows1250Bytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Windows1250::decode(bytes), text);
    QVERIFY(Windows1250::canEncode(text));
    QCOMPARE(Windows1250::encode(text), bytes);
}

void ProfileFileTest::windows1250RoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Windows1250::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256); // no two bytes alike
    QCOMPARE(Windows1250::encode(text), all);
}

void ProfileFileTest::windows1250RejectsOtherCharacters()
{
    QVERIFY(!Windows1250::canEncode(QStringLiteral("日本")));
    QVERIFY(!Windows1250::canEncode(QStringLiteral("ñ"))); // Latin-1, not in 1250
    QVERIFY(!Windows1250::canEncode(QStringLiteral("a\u00E0")));
    QCOMPARE(Windows1250::encode(QStringLiteral("a日b")), QByteArray("a?b"));
}

void ProfileFileTest::readValue_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString d = QStringLiteral("<default>");
    QTest::newRow("names ignore case, value kept as is")
        << QByteArray("[lng]\nTYPE=EN\n") << "LNG" << "type" << "EN";
    QTest::newRow("mixed case names") << QByteArray("[SeTTing]\r\nFiRsT=TRUE\r\n")
                                      << "Setting" << "first" << "TRUE";
    QTest::newRow("blanks and tabs trimmed") << QByteArray("[s]\nk= \t a  b \t \n")
                                             << "s" << "k" << "a  b";
    QTest::newRow("blanks around key and section")
        << QByteArray("  [ s ]  \n\t k \t=v\n") << "s" << "k" << "v";
    QTest::newRow("present but empty value") << QByteArray("[s]\nk=\n") << "s" << "k" << "";
    QTest::newRow("CR LF not part of value") << QByteArray("[s]\r\nk=v\r\n") << "s" << "k" << "v";
    QTest::newRow("no final line break") << QByteArray("[s]\nk=v") << "s" << "k" << "v";
    QTest::newRow("equals sign in value") << QByteArray("[s]\nk=a=b\n") << "s" << "k" << "a=b";
    QTest::newRow("first of two keys") << QByteArray("[s]\nk=1\nK=2\n") << "s" << "k" << "1";
    QTest::newRow("missing section") << QByteArray("[other]\nk=v\n") << "s" << "k" << d;
    QTest::newRow("missing key") << QByteArray("[s]\nkk=v\nk2=v\n") << "s" << "k" << d;
    QTest::newRow("key of the next section") << QByteArray("[a]\nx=1\n[b]\ny=2\n")
                                             << "a" << "y" << d;
    QTest::newRow("key before any section") << QByteArray("k=v\n[s]\n") << "s" << "k" << d;
    QTest::newRow("commented key") << QByteArray("[s]\n;k=v\n") << "s" << ";k" << d;
    QTest::newRow("empty file") << QByteArray() << "s" << "k" << d;
    QTest::newRow("windows-1250 value")
        << QByteArray("[Setting]\r\ncsloc=C:\\Hry\\" + kCzech1250 + "\\hl.exe\r\n")
        << "Setting" << "csloc" << QString("C:\\Hry\\" + kCzech + "\\hl.exe");
    QTest::newRow("utf-8 value") << QByteArray("[s]\nk=" + kCzech.toUtf8() + "\n")
                                 << "s" << "k" << kCzech;
    QTest::newRow("windows-1250 section name")
        << QByteArray("[Nastaven\xED]\nk=v\n") << QString("Nastavení") << "k" << "v";
    QTest::newRow("case folding is ASCII only")
        << QByteArray("[\xC8]\nk=v\n") << QString("č") << "k" << d;
}

void ProfileFileTest::readValue()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    writeBytes(path("data.dat"), content);
    QCOMPARE(m_store.readValue(path("data.dat"), section, key, QStringLiteral("<default>")),
             expected);
}

void ProfileFileTest::readValueCutsAfterTrimming()
{
    const QByteArray longValue(3000, 'a');
    writeBytes(path("data.dat"), "[s]\nlong=   " + longValue + "\nexact=" + longValue.left(2047)
                                     + "   \n");
    const QString cut = m_store.readValue(path("data.dat"), "s", "long", "");
    QCOMPARE(cut.size(), IniDocument::MaxValueLength);
    QCOMPARE(cut, QString(2047, QLatin1Char('a')));
    QCOMPARE(m_store.readValue(path("data.dat"), "s", "exact", ""), QString(2047, QLatin1Char('a')));
}

void ProfileFileTest::readValueOfMissingFileOrFolder()
{
    QCOMPARE(m_store.readValue(path("data.dat"), "Setting", "first", "true"), QStringLiteral("true"));
    QCOMPARE(m_store.readValue(path("nofolder/lng.dat"), "LNG", "type", "cz"), QStringLiteral("cz"));
    QVERIFY(QDir(m_dir->path()).mkdir("folder.dat"));
    QCOMPARE(m_store.readValue(path("folder.dat"), "s", "k", "d"), QStringLiteral("d"));
    QVERIFY(!QFile::exists(path("data.dat")));
}

void ProfileFileTest::readValueSeesEveryChange_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("sameTime");

    QTest::newRow("changed in place within one clock tick") << 0 << false << true;
    QTest::newRow("old file changed in place") << 3600 << false << false;
    QTest::newRow("old file replaced, time kept") << 3600 << true << true;
}

// A parsed file is kept while it is unchanged, and no change is missed.
void ProfileFileTest::readValueSeesEveryChange()
{
    QFETCH(int, age);
    QFETCH(bool, replaced);
    QFETCH(bool, sameTime);
    const QString file = path("lng.dat");
    const QDateTime time = QDateTime::currentDateTime().addSecs(-age);
    const auto setTime = [&] {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(time, QFileDevice::FileModificationTime));
    };
    m_store.writeValue(file, "LNG", "type", "en");
    setTime();
    QCOMPARE(m_store.readValue(file, "LNG", "type", "cz"), QStringLiteral("en"));
    QCOMPARE(m_store.readValue(file, "LNG", "type", "cz"), QStringLiteral("en"));

    writeBytes(replaced ? path("new") : file, "[LNG]\r\ntype=cz\r\n");
    if (replaced)
        QCOMPARE(std::rename(QFile::encodeName(path("new")).constData(), QFile::encodeName(file).constData()), 0);
    if (sameTime)
        setTime();
    QCOMPARE(m_store.readValue(file, "LNG", "type", "x"), QStringLiteral("cz"));
    QFile::remove(file);
    QCOMPARE(m_store.readValue(file, "LNG", "type", "x"), QStringLiteral("x"));
}

void ProfileFileTest::writeValue_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("creates the file") << false << QByteArray() << "Setting" << "csloc" << "cesta"
                                      << QByteArray("[Setting]\r\ncsloc=cesta\r\n");
    QTest::newRow("new key at the end of its section, not of the file")
        << true << QByteArray("[Setting]\r\na=1\r\n[Sounds]\r\nenabled=1\r\n")
        << "Setting" << "b" << "2"
        << QByteArray("[Setting]\r\na=1\r\nb=2\r\n[Sounds]\r\nenabled=1\r\n");
    QTest::newRow("new key after the last key, before blank lines")
        << true << QByteArray("[a]\r\nx=1\r\n\r\n; b follows\r\n[b]\r\n") << "A" << "y" << "2"
        << QByteArray("[a]\r\nx=1\r\ny=2\r\n\r\n; b follows\r\n[b]\r\n");
    QTest::newRow("new key in an empty section") << true << QByteArray("[a]\r\n[b]\r\nz=0\r\n")
                                                 << "a" << "x" << "1"
                                                 << QByteArray("[a]\r\nx=1\r\n[b]\r\nz=0\r\n");
    QTest::newRow("new section at the end of the file")
        << true << QByteArray("[Setting]\r\nfirst=false\r\n[Sounds]\r\nenabled=1\r\n")
        << "Transparency" << "enabled" << "0"
        << QByteArray("[Setting]\r\nfirst=false\r\n[Sounds]\r\nenabled=1\r\n"
                      "[Transparency]\r\nenabled=0\r\n");
    QTest::newRow("replaces the key whatever its case, keeps its spelling")
        << true << QByteArray("[LNG]\r\nType=cz\r\n") << "lng" << "TYPE" << "en"
        << QByteArray("[LNG]\r\nType=en\r\n");
    QTest::newRow("keeps comments, unknown lines and other keys")
        << true << QByteArray("; made by hand\n[a]\nx=1\nrubbish\n# note\ny=2\n\n[b]\nx=9\n")
        << "a" << "x" << "3"
        << QByteArray("; made by hand\r\n[a]\r\nx=3\r\nrubbish\r\n# note\r\ny=2\r\n\r\n[b]\r\nx=9\r\n");
    QTest::newRow("only the first matching key changes")
        << true << QByteArray("[a]\r\nk=1\r\nk=2\r\n") << "a" << "k" << "3"
        << QByteArray("[a]\r\nk=3\r\nk=2\r\n");
    QTest::newRow("file without final line break")
        << true << QByteArray("[a]\nx=1") << "a" << "y" << "2" << QByteArray("[a]\r\nx=1\r\ny=2\r\n");
    QTest::newRow("empty value") << true << QByteArray("[a]\r\nx=1\r\n") << "a" << "x" << ""
                                 << QByteArray("[a]\r\nx=\r\n");
    QTest::newRow("czech letters as windows-1250")
        << false << QByteArray() << "Setting" << "csloc" << QString("C:\\Hry\\" + kCzech + "\\hl.exe")
        << QByteArray("[Setting]\r\ncsloc=C:\\Hry\\" + kCzech1250 + "\\hl.exe\r\n");
    QTest::newRow("character outside windows-1250 as utf-8")
        << false << QByteArray() << "s" << "k" << QString("日本")
        << QByteArray("[s]\r\nk=" + QString("日本").toUtf8() + "\r\n");
    QTest::newRow("mixed value as utf-8 as a whole")
        << false << QByteArray() << "s" << "k" << QString("Příliš 日本")
        << QByteArray("[s]\r\nk=" + QString("Příliš 日本").toUtf8() + "\r\n");
    QTest::newRow("other windows-1250 lines kept byte for byte")
        << true << QByteArray("[a]\r\np=" + kCzech1250 + "\r\n") << "a" << "q" << "1"
        << QByteArray("[a]\r\np=" + kCzech1250 + "\r\nq=1\r\n");
}

void ProfileFileTest::writeValue()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QByteArray, after);

    if (fileExists)
        writeBytes(path("data.dat"), before);
    m_store.writeValue(path("data.dat"), section, key, text);
    QCOMPARE(readBytes(path("data.dat")), after);
    QCOMPARE(m_store.readValue(path("data.dat"), section, key, "<default>"), text);
    // The temporary file of the atomic write is gone.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("data.dat")});
}

void ProfileFileTest::writeValueRoundTrips_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("czech path") << QString("C:\\Hry\\" + kCzech + "\\hl.exe");
    QTest::newRow("blanks inside") << QStringLiteral("C:\\Program Files\\Ventrilo  2\\Ventrilo.exe");
    QTest::newRow("outside windows-1250") << QStringLiteral("日本");
    QTest::newRow("latin-1 letter") << QStringLiteral("Español");
    // These two are Windows-1250 bytes C3 A9, which also spell "é" in UTF-8.
    QTest::newRow("windows-1250 that looks like utf-8") << QStringLiteral("Ă©");
    QTest::newRow("punctuation of the high half") << QStringLiteral("€ „x“ – ™");
    QTest::newRow("looks like a section") << QStringLiteral("[Sounds]");
}

void ProfileFileTest::writeValueRoundTrips()
{
    QFETCH(QString, text);
    m_store.writeValue(path("data.dat"), "Setting", "first", "false");
    m_store.writeValue(path("data.dat"), "Setting", "csloc", text);
    m_store.writeValue(path("data.dat"), "Sounds", "enabled", "0");
    QCOMPARE(m_store.readValue(path("data.dat"), "Setting", "csloc", "cesta"), text);
    QCOMPARE(m_store.readValue(path("data.dat"), "Setting", "first", "true"), QStringLiteral("false"));
    QCOMPARE(m_store.readValue(path("data.dat"), "Sounds", "enabled", "1"), QStringLiteral("0"));
}

void ProfileFileTest::lineBreakInValueStaysOnItsLine()
{
    m_store.writeValue(path("data.dat"), "a", "x", "1\r\ny=2\n[b]\rz=3");
    QCOMPARE(readBytes(path("data.dat")), QByteArray("[a]\r\nx=1  y=2 [b] z=3\r\n"));
    QCOMPARE(m_store.readValue(path("data.dat"), "a", "y", "none"), QStringLiteral("none"));
    QCOMPARE(m_store.readValue(path("data.dat"), "b", "z", "none"), QStringLiteral("none"));
    QCOMPARE(m_store.readValue(path("data.dat"), "a", "x", ""), QStringLiteral("1  y=2 [b] z=3"));
}

void ProfileFileTest::writeFailure_data()
{
    QTest::addColumn<QString>("target");

    QTest::newRow("folder is a regular file") << "afile/data.dat";
    QTest::newRow("missing folder") << "nofolder/data.dat";
    QTest::newRow("path is a folder") << "adir";
}

void ProfileFileTest::writeFailure()
{
    QFETCH(QString, target);

    const QByteArray old("[Setting]\r\ncsloc=" + kCzech1250 + "\r\n");
    writeBytes(path("afile"), old);
    writeBytes(path("data.dat"), old);
    QVERIFY(QDir(m_dir->path()).mkdir("adir"));
    const QStringList entries = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden);

    const QString full = path(target);
    bool thrown = false;
    try {
        m_store.writeValue(full, "Setting", "csloc", "cesta");
    } catch (const ProfileWriteError &e) {
        thrown = true;
        QCOMPARE(QString::fromUtf8(e.what()), QString("Unable to write to " + full));
    }
    QVERIFY(thrown);
    QCOMPARE(readBytes(path("afile")), old);
    QCOMPARE(readBytes(path("data.dat")), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden), entries);
    QVERIFY(QDir(path("adir")).isEmpty());
}

void ProfileFileTest::writeOnFullFileSystem_data()
{
    QTest::addColumn<bool>("tmpfs");
    QTest::newRow("file size limit") << false;
    QTest::newRow("full tmpfs") << true;
}

void ProfileFileTest::writeOnFullFileSystem()
{
#ifdef Q_OS_LINUX
    QFETCH(bool, tmpfs);

    QString folder = m_dir->path();
    std::optional<SmallTmpfs> small;
    if (tmpfs) {
        folder += QLatin1String("/small");
        small.emplace(folder);
        if (!small->isMounted())
            QSKIP("mounting a tmpfs needs root");
    }
    const QString file = folder + QLatin1String("/data.dat");
    const QByteArray old = savedSettings();
    writeBytes(file, old);
    if (tmpfs)
        fillUp(folder + QLatin1String("/filler"));
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);

    QString error;
    {
        std::optional<FileSizeLimit> limit;
        if (!tmpfs)
            limit.emplace(old.size() / 2);
        QVERIFY(tmpfs || limit->isSet());
        try {
            m_store.writeValue(file, "Setting", "notshow", "true");
        } catch (const ProfileWriteError &e) {
            error = QString::fromUtf8(e.what());
        }
    }
    QCOMPARE(error, QString("Unable to write to " + file));
    QCOMPARE(readBytes(file), old);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), entries); // no temporary left
#else
    QSKIP("needs Linux");
#endif
}

void ProfileFileTest::leftoverTemporary_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QStringList>("remaining");

    const QStringList players{"data.dat.bak", "data.dat.ovcl-partial.txt", "data.dat~", "player.ovcl-partial"};
    QTest::newRow("next write removes its own") << false << players + QStringList{"data.dat", "lng.dat.ovcl-partial", "statistic.inf.ovcl-partial"};
    QTest::newRow("start removes those of every local file") << true << players;
}

void ProfileFileTest::leftoverTemporary()
{
    QFETCH(bool, atStart);
    QFETCH(QStringList, remaining);

    for (const char *name : {"data.dat.bak", "data.dat.ovcl-partial.txt", "data.dat~", "player.ovcl-partial",
                             "lng.dat.ovcl-partial", "statistic.inf.ovcl-partial"})
        writeBytes(path(name), name);
    // A leftover that is a link goes; the file it points to stays.
    QVERIFY(QFile::link(path("data.dat.bak"), path("data.dat.ovcl-partial")));

    if (atStart)
        LocalFiles(m_store, m_dir->path() + QLatin1Char('/')).removeLeftovers();
    else
        m_store.writeValue(path("data.dat"), "Setting", "first", "false");

    remaining.sort();
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                           QDir::Name),
             remaining);
    QCOMPARE(readBytes(path("data.dat.bak")), QByteArray("data.dat.bak"));
}

void ProfileFileTest::linkedFileStaysALink()
{
    QVERIFY(QDir(m_dir->path()).mkdir("real"));
    writeBytes(path("real/data.dat"), "[a]\r\nx=1\r\n");
    QVERIFY(QFile::link(path("real/data.dat"), path("data.dat")));
    m_store.writeValue(path("data.dat"), "a", "x", "2");
    QVERIFY(QFileInfo(path("data.dat")).isSymbolicLink());
    QCOMPARE(readBytes(path("real/data.dat")), QByteArray("[a]\r\nx=2\r\n"));
    QCOMPARE(QDir(path("real")).entryList(QDir::Files | QDir::Hidden), QStringList{"data.dat"});
}

void ProfileFileTest::deleteFile()
{
    writeBytes(path("online.inf"), "12\r\n");
    m_store.deleteFile(path("online.inf"));
    QVERIFY(!QFile::exists(path("online.inf")));
    m_store.deleteFile(path("online.inf")); // no longer there: silent
    m_store.deleteFile(path("nofolder/statistic.inf"));
}

void ProfileFileTest::loadLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("two lines, CR LF") << QByteArray("1234\r\n56\r\n") << QStringList{"1234", "56"};
    QTest::newRow("two lines, LF, no final break") << QByteArray("1234\n56")
                                                   << QStringList{"1234", "56"};
    QTest::newRow("CR only") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("mixed breaks") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("blank lines inside kept") << QByteArray("a\r\n\r\n\nb") << QStringList{"a", "", "", "b"};
    QTest::newRow("words and blanks kept") << QByteArray(" 12 online ") << QStringList{" 12 online "};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only a line break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("windows-1250") << QByteArray("hr\xE1\xE8i\r\n") << QStringList{QString("hráči")};
    QTest::newRow("utf-8 with byte order mark")
        << QByteArray("\xEF\xBB\xBF" + QString("hráči").toUtf8()) << QStringList{QString("hráči")};
}

void ProfileFileTest::loadLines()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, lines);

    writeBytes(path("statistic.inf"), content);
    QCOMPARE(m_store.loadLines(path("statistic.inf")), lines);
}

void ProfileFileTest::loadFirstLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("maxLines");
    QTest::addColumn<int>("maxChars");
    QTest::addColumn<QStringList>("lines");
    const QByteArray utf8 = QString("hráči").toUtf8();
    QTest::newRow("fewer lines than asked") << QByteArray("12\r\n3") << 5 << 10 << QStringList{"12", "3"};
    QTest::newRow("more lines than asked") << QByteArray("1\r\n2\r\n3\r\n") << 2 << 10 << QStringList{"1", "2"};
    QTest::newRow("long lines cut") << QByteArray("abcdef\r\ngh\r\nijkl") << 3 << 3 << QStringList{"abc", "gh", "ijk"};
    QTest::newRow("mixed breaks") << QByteArray("a\r\nb\nc\rd") << 9 << 9 << QStringList{"a", "b", "c", "d"};
    QTest::newRow("blank lines kept") << QByteArray("a\r\n\r\n\nb") << 9 << 9 << QStringList{"a", "", "", "b"};
    QTest::newRow("only a line break") << QByteArray("\r\n") << 9 << 9 << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << 9 << 9 << QStringList{};
    QTest::newRow("windows-1250 cut") << QByteArray("hr\xE1\xE8i") << 1 << 4 << QStringList{QString("hráč")};
    QTest::newRow("utf-8 with byte order mark") << QByteArray("\xEF\xBB\xBF" + utf8) << 1 << 3 << QStringList{QString("hrá")};
    QTest::newRow("character of two units not split")
        << QString("a\U0001F600b").toUtf8() << 1 << 2 << QStringList{"a"};
    // A byte that is no UTF-8 anywhere in the file makes all of it Windows-1250.
    QTest::newRow("encoding of the whole file") << QByteArray(utf8 + "\n\xE1") << 1 << 9
                                                << QStringList{QString::fromUtf8("hrĂˇÄŤi")};
}

void ProfileFileTest::loadFirstLines()
{
    QFETCH(QByteArray, content);
    QFETCH(int, maxLines);
    QFETCH(int, maxChars);
    QFETCH(QStringList, lines);
    writeBytes(path("statistic.inf"), content);
    QCOMPARE(m_store.loadFirstLines(path("statistic.inf"), maxLines, maxChars), lines);
    QVERIFY_THROWS_EXCEPTION(FileLoadError, m_store.loadFirstLines(path("online.inf"), maxLines, maxChars));
}

void ProfileFileTest::loadLinesOfMissingFile()
{
    const QString full = path("online.inf");
    bool thrown = false;
    try {
        m_store.loadLines(full);
    } catch (const FileLoadError &e) {
        thrown = true;
        QCOMPARE(QString::fromUtf8(e.what()), QString("Cannot open file \"" + full + "\""));
    }
    QVERIFY(thrown);

    QVERIFY(QDir(m_dir->path()).mkdir("folder.inf"));
    QVERIFY_THROWS_EXCEPTION(FileLoadError, m_store.loadLines(path("folder.inf")));
}

QTEST_GUILESS_MAIN(ProfileFileTest)
#include "tst_profilefile.moc"
