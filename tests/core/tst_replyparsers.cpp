// The reply parsers' texts and bounds, fed bytes directly.

#include "GameReplies.h"
#include "query/ReplyLimits.h"
#include "query/ReplyText.h"
#include "query/SplitReassembler.h"
#include "query/Unreal2Reply.h"

#include <QTest>

class ReplyParsersTest : public QObject
{
    Q_OBJECT

private slots:
    void latin1Texts_data();
    void latin1Texts();
    void counts_data();
    void counts();
    void unrealColourCodes();
    void splitPartsStayBounded();
    void splitDuplicatesAndStrangersDoNotComplete();
};

void ReplyParsersTest::latin1Texts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("colour codes") << QByteArray("^1Red^7 ^0Dog^9") << QStringLiteral("Red Dog");
    QTest::newRow("caret without a digit stays") << QByteArray("a^b^") << QStringLiteral("a^b^");
    QTest::newRow("doubled caret") << QByteArray("^^12") << QStringLiteral("^2");
    QTest::newRow("Latin-1 bytes") << QByteArray("Kapit\xe1n \xe9t\xe9") << QStringLiteral("Kapit\u00e1n \u00e9t\u00e9");
    QTest::newRow("control bytes dropped, blanks trimmed") << QByteArray(" \x01x\ty\x7f ") << QStringLiteral("xy");
    QTest::newRow("cut to the longest text")
        << QByteArray(500, 'n') << QString(ReplyLimits::MaxText, QLatin1Char('n'));
}

void ReplyParsersTest::latin1Texts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ReplyText::fromLatin1(bytes), text);
}

void ReplyParsersTest::counts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("plain") << QStringLiteral("12") << 12;
    QTest::newRow("negative") << QStringLiteral("-3") << 0;
    QTest::newRow("huge") << QStringLiteral("99999999999999999999") << ReplyLimits::MaxCount;
    QTest::newRow("large") << QStringLiteral("123456") << ReplyLimits::MaxCount;
    QTest::newRow("no number") << QStringLiteral("many") << 0;
}

void ReplyParsersTest::counts()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(ReplyText::count(text), count);
}

void ReplyParsersTest::unrealColourCodes()
{
    FakeServer server{QStringLiteral("x"), QStringLiteral("DM-1on1"), {}, 8, 0, false};
    QByteArray reply = GameReplies::unreal2Details(server, 7777);
    const QByteArray coloured = QByteArray("\x1b\xff\x01\x01" "Red" "\x1b\x01\x01\xff" "Blue", 15) + '\0';
    reply.replace(QByteArray("\x02x\0", 3), char(coloured.size()) + coloured);
    const Unreal2Reply::Parsed parsed = Unreal2Reply::parse(reply);
    QCOMPARE(parsed.kind, Unreal2Reply::Parsed::Details);
    QCOMPARE(parsed.state.name, QStringLiteral("RedBlue"));
    QCOMPARE(parsed.state.map, server.map);
}

void ReplyParsersTest::splitPartsStayBounded()
{
    SplitReassembler splits;
    const QByteArray info = GameReplies::sourceInfo({QStringLiteral("n"), QStringLiteral("m"), {}, 8, 0, false});
    for (quint32 id = 0; id < 1000; ++id) {
        // First parts of replies whose other parts never come.
        QVERIFY(splits.add(GameReplies::split(info, 4, id % 2, id).first() + QByteArray(60000, 'x')).isEmpty());
        QVERIFY(splits.heldBytes() <= ReplyLimits::MaxAssemblyBytes);
    }
    // A whole reply still goes through.
    QByteArray whole;
    for (const QByteArray &part : GameReplies::split(info, 3, true, 77))
        whole = splits.add(part);
    QCOMPARE(whole, info);
}

void ReplyParsersTest::splitDuplicatesAndStrangersDoNotComplete()
{
    SplitReassembler splits;
    const QByteArray info = GameReplies::sourceInfo({QStringLiteral("n"), QStringLiteral("m"), {}, 8, 0, false});
    const QList<QByteArray> parts = GameReplies::split(info, 2, false, 5);
    QVERIFY(splits.add(parts[0]).isEmpty());
    QVERIFY(splits.add(parts[0]).isEmpty());
    QVERIFY(splits.add(GameReplies::split(info, 2, false, 6)[1]).isEmpty()); // another reply's part
    QCOMPARE(splits.add(parts[1]), info);
    QCOMPARE(splits.heldBytes(), int(GameReplies::split(info, 2, false, 6)[1].size()));
}

QTEST_GUILESS_MAIN(ReplyParsersTest)
#include "tst_replyparsers.moc"
