// Each query protocol against a stand-in game server on loopback, through
// the real datagram service and scheduler.

#include "GameResponder.h"
#include "platform/network/QtDatagramService.h"
#include "query/QueryScheduler.h"
#include "query/SteadyQueryClock.h"

#include <QSignalSpy>
#include <QTest>

using Mode = GameResponder::Mode;
Q_DECLARE_METATYPE(GameResponder::Mode)

class ServerQueryTest : public QObject
{
    Q_OBJECT

private slots:
    void source_data();
    void source();
    void quake3_data();
    void quake3();
    void gameSpy_data();
    void gameSpy();
    void unreal2_data();
    void unreal2();

private:
    // One refresh of one stand-in server; the responder's requests are kept.
    ServerState ask(QueryProtocol protocol, const FakeServer &server, Mode mode, bool players = false);
    QList<QByteArray> m_requests;
};

ServerState ServerQueryTest::ask(QueryProtocol protocol, const FakeServer &server, Mode mode, bool players)
{
    GameResponder responder(protocol, server);
    responder.setMode(mode);
    if (!responder.start())
        qFatal("cannot bind a loopback port");
    QtDatagramService datagrams;
    SteadyQueryClock clock;
    QueryScheduler scheduler(datagrams, clock);
    scheduler.setServers({{QStringLiteral("127.0.0.1"), responder.port(), protocol}});
    scheduler.setPlayerListWanted(players);
    QSignalSpy finished(&scheduler, &QueryScheduler::refreshFinished);
    scheduler.refresh();
    if (!finished.wait(5000))
        qWarning("no end of refresh");
    m_requests = responder.requests();
    return scheduler.state(0);
}

void ServerQueryTest::source_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("requests");
    QTest::newRow("challenge, then 0x49 to the request with it") << Mode::Normal << 2;
    QTest::newRow("0x6D alone") << Mode::GoldSrcOnly << 1;
    QTest::newRow("0x6D and 0x49 for one request: the first wins") << Mode::BothReplies << 1;
    QTest::newRow("GoldSrc split, last part first") << Mode::SplitOutOfOrder << 1;
    QTest::newRow("Source split, shuffled") << Mode::SourceSplitOutOfOrder << 1;
}

void ServerQueryTest::source()
{
    QFETCH(Mode, mode);
    QFETCH(int, requests);
    const FakeServer server{QStringLiteral("OV^CLASSIC | Orvanta"), QStringLiteral("de_dust2"),
                            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 20, 0, true};
    const ServerState s = ask(QueryProtocol::Source, server, mode);
    QVERIFY(s.isOnline());
    QCOMPARE(s.name, server.name);
    QCOMPARE(s.map, server.map);
    QCOMPARE(s.players, 3);
    QCOMPARE(s.maxPlayers, 20);
    QVERIFY(s.passwordNeeded);
    QVERIFY(s.pingMs >= 0 && s.pingMs < 1000);
    QVERIFY(s.lastSeen.isValid());
    QCOMPARE(m_requests.size(), requests);
    if (requests == 2)
        QVERIFY(m_requests.last().endsWith(QByteArray("\x0b\xad\xf0\x0d", 4)));
}

void ServerQueryTest::quake3_data()
{
    QTest::addColumn<bool>("players");
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("infoResponse") << false << QByteArray("\xFF\xFF\xFF\xFFgetinfo ");
    QTest::newRow("statusResponse with the players") << true << QByteArray("\xFF\xFF\xFF\xFFgetstatus");
}

void ServerQueryTest::quake3()
{
    QFETCH(bool, players);
    QFETCH(QByteArray, request);
    // Colour codes, a Latin-1 byte and four private slots on top of twenty.
    const FakeServer server{QStringLiteral("^1CoD2 ^7v1.3 ^3R\u00e9NT^9"), QStringLiteral("mp_toujane"),
                            {QStringLiteral("^2Hr\u00e1\u010d"), QStringLiteral("Two")}, 20, 4, true};
    const ServerState s = ask(QueryProtocol::Quake3, server, Mode::Normal, players);
    QVERIFY(s.isOnline());
    QCOMPARE(s.name, QStringLiteral("CoD2 v1.3 R\u00e9NT"));
    QCOMPARE(s.map, server.map);
    QCOMPARE(s.players, 2);
    QCOMPARE(s.maxPlayers, 20);
    QVERIFY(s.passwordNeeded);
    QVERIFY(m_requests.value(0).startsWith(request));
    QCOMPARE(s.hasPlayerList, players);
    if (players) {
        // Not Latin-1: the stand-in sends '?' for the c with caron.
        QCOMPARE(s.playerList.value(0).name, QStringLiteral("Hr\u00e1?"));
        QCOMPARE(s.playerList.value(1).pingMs, 41);
    }
}

void ServerQueryTest::gameSpy_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("players");
    QTest::newRow("two datagrams in order") << Mode::Normal << false;
    QTest::newRow("two datagrams, last first, with the players") << Mode::SplitOutOfOrder << true;
}

void ServerQueryTest::gameSpy()
{
    QFETCH(Mode, mode);
    QFETCH(bool, players);
    const FakeServer server{QStringLiteral("Orvanta UT"), QStringLiteral("DM-Deck16]["),
                            {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")}, 12, 0, false};
    const ServerState s = ask(QueryProtocol::GameSpy, server, mode, players);
    QVERIFY(s.isOnline());
    QCOMPARE(s.name, server.name);
    QCOMPARE(s.map, server.map);
    QCOMPARE(s.players, 3);
    QCOMPARE(s.maxPlayers, 12);
    QVERIFY(!s.passwordNeeded);
    QCOMPARE(m_requests, QList<QByteArray>{"\\status\\"});
    QCOMPARE(s.playerList.size(), players ? 3 : 0);
    if (players)
        QCOMPARE(s.playerList.at(2), (PlayerRow{QStringLiteral("Three"), 4, 52}));
}

void ServerQueryTest::unreal2_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("players");
    QTest::newRow("Latin-1 name") << QStringLiteral("Orvanta UT2004") << false;
    QTest::newRow("UTF-16 name, with the players") << QStringLiteral("Orvanta \u010cesko") << true;
}

void ServerQueryTest::unreal2()
{
    QFETCH(QString, name);
    QFETCH(bool, players);
    const FakeServer server{name, QStringLiteral("ONS-Torlan"), {QStringLiteral("Alpha"), QStringLiteral("Beta")},
                            32, 0, true};
    const ServerState s = ask(QueryProtocol::Unreal2, server, Mode::Normal, players);
    QVERIFY(s.isOnline());
    QCOMPARE(s.name, name);
    QCOMPARE(s.map, server.map);
    QCOMPARE(s.players, 2);
    QCOMPARE(s.maxPlayers, 32);
    QVERIFY(s.passwordNeeded);
    QCOMPARE(m_requests.size(), players ? 2 : 1);
    if (players)
        QCOMPARE(s.playerList.value(1), (PlayerRow{QStringLiteral("Beta"), 4, 31}));
}

QTEST_GUILESS_MAIN(ServerQueryTest)
#include "tst_serverquery.moc"
