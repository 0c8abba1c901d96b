// The reply parsers' texts and bounds, fed bytes directly.

#include "GameReplies.h"
#include "query/QueryProtocols.h"
#include "query/QuerySession.h"
#include "query/ReplyLimits.h"
#include "query/ReplyText.h"
#include "query/SplitReassembler.h"
#include "query/Unreal2Reply.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(QueryProtocol)

namespace {
// Bytes as written, NULs included.
template <size_t N>
QByteArray b(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

QByteArray captured(const char *name)
{
    QFile file(QStringLiteral(OVCL_TEST_DATA "/replies/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no test data %s", name);
    return file.readAll();
}

// A reply split as Source (total, number, size) or GoldSrc (number and
// total in one byte) servers split it, behind FE FF FF FF and the id.
QList<QByteArray> split(const QByteArray &reply, const QList<int> &order, bool goldSrc)
{
    const int total = int(order.size());
    const int size = int(reply.size() + total - 1) / total;
    QList<QByteArray> parts;
    for (int n : order) {
        QByteArray head = b("\xFE\xFF\xFF\xFF\x2A\x00\x00\x00");
        head += goldSrc ? QByteArray(1, char(n << 4 | total)) : QByteArray(1, char(total)) + char(n) + b("\xE0\x04");
        parts << head + reply.mid(n * size, size);
    }
    return parts;
}

// A2S, GameSpy and Unreal 2 as their public protocol descriptions lay them out.
const QByteArray a2sInfo = b("\xFF\xFF\xFF\xFFI\x11" "Orvanta CS \xC4\x8C" "esko\0" "de_dust2\0" "cstrike\0"
                             "Counter-Strike: Source\0" "\xF0\x00" "\x05\x10\x02" "dl\x01\x01" "1.0.0.0\0" "\x00");
const QByteArray a2sChallenge = b("\xFF\xFF\xFF\xFF" "A\x11\x22\x33\x44");
const QByteArray a2sPlayers = b("\xFF\xFF\xFF\xFF" "D\x02" "\x00" "Alice\0" "\x0C\x00\x00\x00" "\x00\x00\xC8\x42"
                                "\x01" "Bob\0" "\x03\x00\x00\x00" "\x00\x00\x20\x41");
const QByteArray goldSrcInfo = b("\xFF\xFF\xFF\xFF" "m" "10.0.0.1:27015\0" "Orvanta 1.6\0" "de_nuke\0" "cstrike\0"
                                 "Counter-Strike\0" "\x07\x20\x2F" "dl\x00\x00\x00\x00");
const QList<QByteArray> utStatus = {
    b("\\player_1\\Bob\\frags_1\\9\\ping_1\\60\\queryid\\33.2\\final\\"),
    b("\\hostname\\Orvanta UT\\hostport\\7777\\maptitle\\Deck16\\mapname\\DM-Deck16][\\numplayers\\2"
      "\\maxplayers\\12\\password\\False\\player_0\\Ann\\frags_0\\5\\ping_0\\40\\queryid\\33.1")};
const QByteArray avp2Status = b("\\hostname\\Orvanta AvP2\\mapname\\Temple\\numplayers\\1\\maxplayers\\16"
                                "\\lock\\1\\player_0\\Ripley\\score_0\\7\\ping_0\\80\\final\\\\queryid\\1.1");
const QByteArray ut2004Details = b("\x80\x00\x00\x00\x00" "\x00\x00\x00\x00" "\x00" "\x61\x1E\x00\x00"
                                   "\x62\x1E\x00\x00" "\x0E" "Orvanta UT2K4\0" "\x0B" "ONS-Torlan\0"
                                   "\x0C" "xDeathMatch\0" "\x02\x00\x00\x00" "\x20\x00\x00\x00"
                                   "\x00\x00\x00\x00" "\x01\x00\x00\x00" "\x02" "5\0");
const QByteArray ut2004Players = b("\x80\x00\x00\x00\x02" "\x01\x00\x00\x00" "\x06" "Alpha\0" "\x1E\x00\x00\x00"
                                   "\x0C\x00\x00\x00" "\x00\x00\x00\x00" "\x02\x00\x00\x00" "\x85"
                                   "\x0C\x01" "e\0" "c\0" "h\0" "\0\0" "\x2D\x00\x00\x00" "\x14\x00\x00\x00"
                                   "\x00\x00\x00\x00");
} // namespace

class ReplyParsersTest : public QObject
{
    Q_OBJECT

private slots:
    void realReplies_data();
    void realReplies();
    void latin1Texts_data();
    void latin1Texts();
    void counts_data();
    void counts();
    void unrealColourCodes();
    void splitPartsStayBounded();
    void splitDuplicatesAndStrangersDoNotComplete();
};

// Replies as real servers send them, through the session of their protocol:
// what the server was set to is what comes out.
void ReplyParsersTest::realReplies_data()
{
    QTest::addColumn<QueryProtocol>("protocol");
    QTest::addColumn<quint32>("nonce");
    QTest::addColumn<QList<QByteArray>>("datagrams");
    QTest::addColumn<QString>("name"); // empty: no reply completes
    QTest::addColumn<QString>("map");
    QTest::addColumn<QList<int>>("counts"); // players, maximum, private, password
    QTest::addColumn<QString>("best");      // the first player listed
    using P = QueryProtocol;
    const QList<int> oa{4, 12, 2, 1};
    QTest::newRow("openarena getstatus: 4/12, 2 private")
        << P::Quake3 << 4242u << QList<QByteArray>{captured("openarena-getstatus.bin")} << "Orvanta OA RENT"
        << "oa_dm1" << oa << "Sergei";
    QTest::newRow("openarena getstatus of an earlier refresh")
        << P::Quake3 << 4241u << QList<QByteArray>{captured("openarena-getstatus.bin")} << "" << "" << oa << "";
    QTest::newRow("openarena getinfo: only the public part, not taken")
        << P::Quake3 << 4243u << QList<QByteArray>{captured("openarena-getinfo.bin")} << "" << "" << oa << "";
    QTest::newRow("a2s: info, challenge, players")
        << P::Source << 1u << QList<QByteArray>{a2sInfo, a2sChallenge, a2sPlayers} << "Orvanta CS \u010Cesko"
        << "de_dust2" << QList<int>{5, 16, 0, 1} << "Alice";
    QTest::newRow("a2s: info split in the Source header, last part first")
        << P::Source << 1u << split(a2sInfo, {2, 0, 1}, false) + QList<QByteArray>{a2sChallenge, a2sPlayers}
        << "Orvanta CS \u010Cesko" << "de_dust2" << QList<int>{5, 16, 0, 1} << "Alice";
    QTest::newRow("a2s: GoldSrc reply split in the GoldSrc header")
        << P::Source << 1u << split(goldSrcInfo, {1, 0}, true) + QList<QByteArray>{a2sChallenge, a2sPlayers}
        << "Orvanta 1.6" << "de_nuke" << QList<int>{7, 32, 0, 0} << "Alice";
    QByteArray compressed = split(a2sInfo, {0}, false).first();
    compressed[7] = char(0x80);
    QTest::newRow("a2s: compressed split refused")
        << P::Source << 1u << QList<QByteArray>{compressed} << "" << "" << QList<int>{} << "";
    QTest::newRow("gamespy: Unreal Tournament, two datagrams last first")
        << P::GameSpy << 1u << utStatus << "Orvanta UT" << "DM-Deck16][" << QList<int>{2, 12, 0, 0} << "Ann";
    QTest::newRow("gamespy: AvP2's lock and score")
        << P::GameSpy << 1u << QList<QByteArray>{avp2Status} << "Orvanta AvP2" << "Temple" << QList<int>{1, 16, 0, 1}
        << "Ripley";
    QTest::newRow("unreal2: details and players, one of them in UTF-16")
        << P::Unreal2 << 1u << QList<QByteArray>{ut2004Details, ut2004Players} << "Orvanta UT2K4" << "ONS-Torlan"
        << QList<int>{2, 32, 0, 1} << "Alpha";
}

void ReplyParsersTest::realReplies()
{
    QFETCH(QueryProtocol, protocol);
    QFETCH(quint32, nonce);
    QFETCH(QList<QByteArray>, datagrams);
    QFETCH(QString, name);
    QFETCH(QString, map);
    QFETCH(QList<int>, counts);
    QFETCH(QString, best);
    QuerySession session(protocol, true);
    session.startTry(1, nonce);
    QuerySession::Step last;
    for (const QByteArray &d : datagrams) {
        QVERIFY(last.kind != QuerySession::Step::Done);
        last = session.feed(d);
    }
    if (name.isEmpty()) {
        QVERIFY(last.kind != QuerySession::Step::Done);
        return;
    }
    QCOMPARE(last.kind, QuerySession::Step::Done);
    const ServerState &s = last.state;
    QCOMPARE(s.name, name);
    QCOMPARE(s.map, map);
    QCOMPARE((QList<int>{s.players, s.maxPlayers, s.privateSlots, int(s.passwordNeeded)}), counts);
    QCOMPARE(s.playerList.value(0).name, best);
    if (protocol == QueryProtocol::Quake3) // every player is listed, bots too
        QCOMPARE(int(s.playerList.size()), s.players);
}

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
