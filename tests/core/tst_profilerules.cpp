// Profile files read and written as the Windows profile functions do: each
// test is one rule, each row a file's exact bytes, an optional write, the
// file's bytes after it and the value then read.
#include "FileBytes.h"
#include "platform/profiles/IniProfileStore.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

const QString kNone = QStringLiteral("<none>");
const QByteArray kHead("[s]\r\nk=");

void addColumns()
{
    QTest::addColumn<QByteArray>("file");    // null: no file
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("written");   // null: nothing is written
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("read");      // read after the write, default <none>
}

void readCase(const char *name, const QByteArray &file, const QString &read,
              const QString &section = QStringLiteral("s"), const QString &key = QStringLiteral("k"))
{
    QTest::newRow(name) << file << section << key << QString() << file << read;
}

void writeCase(const char *name, const QByteArray &file, const QString &written, const QByteArray &after,
               const QString &section = QStringLiteral("s"), const QString &key = QStringLiteral("k"))
{
    QTest::newRow(name) << file << section << key << written << after << written;
}

} // namespace

class ProfileRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void quotes_data();
    void quotes() { check(); }
    void lineEnds_data();
    void lineEnds() { check(); }
    void ctrlZ_data();
    void ctrlZ() { check(); }
    void sectionHeaders_data();
    void sectionHeaders() { check(); }
    void nul_data();
    void nul() { check(); }
    void byteOrderMark_data();
    void byteOrderMark() { check(); }
    void fileEncoding_data();
    void fileEncoding() { check(); }

private:
    void check();
};

void ProfileRulesTest::check()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, written);
    QFETCH(QByteArray, after);
    QFETCH(QString, read);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.dat"));
    IniProfileStore store;
    if (!file.isNull())
        writeBytes(path, file);
    if (!written.isNull())
        store.writeValue(path, section, key, written);
    QCOMPARE(readBytes(path).toHex(' '), after.toHex(' '));
    QCOMPARE(store.readValue(path, section, key, kNone), read);
}

void ProfileRulesTest::quotes_data()
{
    addColumns();
    readCase("double pair removed", kHead + "\"double\"", "double");
    readCase("single pair removed", kHead + "'single'", "single");
    readCase("blanks inside the pair kept", kHead + " \"  keep  \" ", "  keep  ");
    readCase("empty pair is an empty value", kHead + "\"\"", "");
    readCase("quote inside the pair kept", kHead + "\"a\"b\"", "a\"b");
    readCase("only one pair removed", kHead + "\"\"two\"\"", "\"two\"");
    readCase("mixed quotes stay", kHead + "\"mixed'", "\"mixed'");
    readCase("leading quote alone stays", kHead + "\"leading only", "\"leading only");
    readCase("trailing quote alone stays", kHead + "trailing only\"", "trailing only\"");
    readCase("lone quote stays", kHead + "\"", "\"");
    readCase("quotes not at both ends stay", kHead + "a\"b\"c", "a\"b\"c");
    readCase("limit counts without the pair", kHead + '"' + QByteArray(2046, 'a') + '"', QString(2046, QLatin1Char('a')));
    readCase("longer quoted value cut to the limit", kHead + '"' + QByteArray(2048, 'a') + '"',
             QString(2047, QLatin1Char('a')));
    QTest::newRow("written quotes stored as given, read without them")
        << QByteArray("[s]\r\nk=v\r\n") << "s" << "k" << "\"C:\\Hry\\hl.exe\""
        << QByteArray("[s]\r\nk=\"C:\\Hry\\hl.exe\"\r\n") << "C:\\Hry\\hl.exe";
}

void ProfileRulesTest::lineEnds_data()
{
    addColumns();
    readCase("CR alone ends a line", "[s]\rk=v\r", "v");
    readCase("CR, LF and CR LF in one file", "[a]\rk=1\n[s]\r\nk=2\r", "2");
    readCase("CR lines before a key", "[s]\r\r\rk=v", "v");
    writeCase("CR lines written with CR LF", "[s]\rk=v\r", "w", "[s]\r\nk=v\r\nn=w\r\n", "s", "n");
    writeCase("LF CR is two line ends", "[s]\n\rk=v", "w", "[s]\r\n\r\nk=v\r\nn=w\r\n", "s", "n");
}

void ProfileRulesTest::ctrlZ_data()
{
    addColumns();
    readCase("around the value", kHead + hex("1A") + "v" + hex("1A"), "v");
    readCase("around section and key", hex("1A") + "[s]" + hex("1A") + "\r\n" + hex("1A") + "k" + hex("1A") + "=v",
             "v");
    readCase("inside the value kept", kHead + "a" + hex("1A") + "b", QStringLiteral("a\x1A" "b"));
    readCase("alone is an empty value", kHead + hex("1A"), "");
    writeCase("end-of-file mark kept as a line", "[s]\r\nk=v\r\n" + hex("1A"), "w",
              "[s]\r\nk=v\r\nn=w\r\n" + hex("1A") + "\r\n", "s", "n");
    writeCase("replaced key written without it", "[s]\r\n" + hex("1A") + "k=1\r\n", "2", "[s]\r\nk=2\r\n");
}

void ProfileRulesTest::sectionHeaders_data()
{
    addColumns();
    readCase("name runs to the last bracket", "[a]b]\r\nk=v", "v", "a]b");
    readCase("nested brackets", "[[nested]]\r\nk=v", "v", "[nested]");
    readCase("text after the bracket ignored", "[x]junk\r\nk=v", "v", "x");
    readCase("no closing bracket is no header", "[s]\r\n[a\r\nk=v", "v");
    readCase("no closing bracket opens no section", "[s]\r\n[a\r\nk=v", kNone, "a");
    writeCase("name with a bracket written", QByteArray(), "v", "[a]b]\r\nk=v\r\n", "a]b");
    writeCase("name with a bracket found again", "[a]b]\r\nk=1\r\n", "2", "[a]b]\r\nk=2\r\n", "a]b");
}

void ProfileRulesTest::nul_data()
{
    addColumns();
    readCase("ends the value", kHead + "ab" + hex("00") + "cd", "ab");
    readCase("blanks before it trimmed", kHead + "ab " + hex("00") + "cd", "ab");
    readCase("quotes before it removed", kHead + "\"q\"" + hex("00") + "x", "q");
    readCase("first is an empty value", kHead + hex("00") + "v", "");
    writeCase("other line with it kept", "[s]\r\nk=a" + hex("00") + "b\r\n", "w",
              "[s]\r\nk=a" + hex("00") + "b\r\nn=w\r\n", "s", "n");
    QTest::newRow("written text ends at it") << QByteArray() << "s" << "k" << QString::fromLatin1("ab\0cd", 5)
                                             << QByteArray("[s]\r\nk=ab\r\n") << "ab";
}

void ProfileRulesTest::byteOrderMark_data()
{
    addColumns();
    // "[s]", CR LF, "k=" in UTF-16LE.
    const QByteArray le = hex("FFFE 5B00 7300 5D00 0D00 0A00 6B00 3D00");
    readCase("UTF-16LE", le + hex("0C01 6101 0D00 0A00"), QStringLiteral("Čš"));
    readCase("UTF-16LE, CR alone", hex("FFFE 5B00 7300 5D00 0D00 6B00 3D00 7600"), "v");
    readCase("UTF-16BE", hex("FEFF 005B 0073 005D 000A 006B 003D 010C"), QStringLiteral("Č"));
    readCase("UTF-8", hex("EFBBBF") + kHead + hex("C48C C5A1"), QStringLiteral("Čš"));
    writeCase("UTF-16LE kept with its mark", le + hex("7600"), QStringLiteral("Čš"), le + hex("0C01 6101 0D00 0A00"));
    writeCase("UTF-16LE mark alone", hex("FFFE"), "v", le + hex("7600 0D00 0A00"));
    writeCase("UTF-16BE kept with its mark", hex("FEFF 005B 0073 005D"), "v",
              hex("FEFF 005B 0073 005D 000D 000A 006B 003D 0076 000D 000A"));
    writeCase("UTF-8 mark: values stored as UTF-8", hex("EFBBBF") + "[s]\r\nk=v\r\n", QStringLiteral("ř"),
              hex("EFBBBF") + kHead + hex("C599") + "\r\n");
}

void ProfileRulesTest::fileEncoding_data()
{
    addColumns();
    // "ČŠ" in Windows-1250 (C8 8A) is valid UTF-8 too; "ř" (F8) is not.
    readCase("letter pair valid as UTF-8 in a Windows-1250 file", kHead + hex("C88A") + "\r\np=" + hex("F8"),
             QStringLiteral("ČŠ"));
    readCase("UTF-8 file", kHead + hex("C48C C5A0") + "\r\np=" + hex("C599"), QStringLiteral("ČŠ"));
    readCase("whole file valid as UTF-8 is UTF-8", kHead + hex("DA9E"), QString(QChar(0x069E)));
    writeCase("Windows-1250 file stays Windows-1250", "[s]\r\np=" + hex("F8") + "\r\n", QStringLiteral("Čš"),
              "[s]\r\np=" + hex("F8") + "\r\nk=" + hex("C89A") + "\r\n");
    writeCase("ASCII file takes Windows-1250", "[s]\r\n", QStringLiteral("Příliš"),
              kHead + "P" + hex("F8ED") + "li" + hex("9A") + "\r\n");
    writeCase("UTF-8 file stays UTF-8", "[s]\r\np=" + hex("C5A1") + "\r\n", QStringLiteral("Čš"),
              "[s]\r\np=" + hex("C5A1") + "\r\nk=" + hex("C48C C5A1") + "\r\n");
    writeCase("letter outside Windows-1250 turns the file into UTF-8", "[s]\r\np=" + hex("F8") + "\r\n",
              QStringLiteral("日"), "[s]\r\np=" + hex("C599") + "\r\nk=" + hex("E697A5") + "\r\n");
    writeCase("Windows-1250 bytes that would read as UTF-8 stored as UTF-8", QByteArray(), QStringLiteral("ČŠ"),
              kHead + hex("C48C C5A0") + "\r\n");
}

QTEST_GUILESS_MAIN(ProfileRulesTest)
#include "tst_profilerules.moc"
