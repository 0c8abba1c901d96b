// Each query protocol against a stand-in game server on loopback, through
// the real datagram service and scheduler; the stand-ins read by qstat; the
// service under a flood.

#include "GameResponder.h"
#include "StandIns.h"
#include "platform/network/QtDatagramService.h"
#include "query/QueryProtocols.h"
#include "query/QueryScheduler.h"
#include "query/SteadyQueryClock.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUdpSocket>

using Mode = GameResponder::Mode;
Q_DECLARE_METATYPE(GameResponder::Mode)
Q_DECLARE_METATYPE(QueryProtocol)

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
    void qstatReadsTheStandIns_data();
    void qstatReadsTheStandIns();
    void floodLeavesTheSocketReading();
    void queryToolPrintsEachServer_data();
    void queryToolPrintsEachServer();

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
    QTest::addColumn<bool>("players");
    QTest::addColumn<int>("requests");
    QTest::newRow("challenge, then 0x49 to the request with it") << Mode::Normal << false << 2;
    QTest::newRow("and the players, with the same challenge") << Mode::Normal << true << 3;
    QTest::newRow("0x6D alone") << Mode::GoldSrcOnly << false << 1;
    QTest::newRow("0x6D and 0x49 for one request: the first wins") << Mode::BothReplies << false << 1;
    QTest::newRow("GoldSrc split, last part first") << Mode::SplitOutOfOrder << false << 1;
    QTest::newRow("Source split, shuffled") << Mode::SourceSplitOutOfOrder << false << 1;
}

void ServerQueryTest::source()
{
    QFETCH(Mode, mode);
    QFETCH(bool, players);
    QFETCH(int, requests);
    const FakeServer server{QStringLiteral("OV^CLASSIC | Orvanta \u010cesko"), QStringLiteral("de_dust2"),
                            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("\u017dan")}, 20, 0, true};
    const ServerState s = ask(QueryProtocol::Source, server, mode, players);
    QVERIFY(s.isOnline());
    QCOMPARE(s.name, server.name);
    QCOMPARE(s.map, server.map);
    QCOMPARE(s.players, 3);
    QCOMPARE(s.maxPlayers, 20);
    QVERIFY(s.passwordNeeded);
    QVERIFY(s.pingMs >= 0 && s.pingMs < 1000);
    QVERIFY(s.lastSeen.isValid());
    QCOMPARE(m_requests.size(), requests);
    if (requests >= 2)
        QVERIFY(m_requests.at(1).endsWith(QByteArray("\x0b\xad\xf0\x0d", 4)));
    QCOMPARE(s.playerList.size(), players ? 3 : 0);
    if (players)
        QCOMPARE(s.playerList.at(2), (PlayerRow{QStringLiteral("\u017dan"), 10, -1}));
}

void ServerQueryTest::quake3_data()
{
    QTest::addColumn<bool>("players");
    QTest::addColumn<int>("privateSlots");
    QTest::addColumn<int>("inPrivate");
    QTest::newRow("public slots only") << false << 0 << 0;
    QTest::newRow("four private, one taken, with the players") << true << 4 << 1;
}

void ServerQueryTest::quake3()
{
    QFETCH(bool, players);
    QFETCH(int, privateSlots);
    QFETCH(int, inPrivate);
    // Colour codes and a Latin-1 byte.
    FakeServer server{QStringLiteral("^1CoD2 ^7v1.3 ^3R\u00e9NT^9"), QStringLiteral("mp_toujane"),
                      {QStringLiteral("^2Hr\u00e1\u010d"), QStringLiteral("Two")}, 20, privateSlots, true};
    server.inPrivateSlots = inPrivate;
    const ServerState s = ask(QueryProtocol::Quake3, server, Mode::Normal, players);
    QVERIFY(s.isOnline());
    QCOMPARE(s.name, QStringLiteral("CoD2 v1.3 R\u00e9NT"));
    QCOMPARE(s.map, server.map);
    QCOMPARE(s.players, 2);
    QCOMPARE(s.maxPlayers, 20);
    QCOMPARE(s.privateSlots, privateSlots);
    QVERIFY(s.passwordNeeded);
    QVERIFY(m_requests.value(0).startsWith("\xFF\xFF\xFF\xFFgetstatus "));
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
    QTest::addColumn<bool>("avp2");
    QTest::newRow("two datagrams in order") << Mode::Normal << false << false;
    QTest::newRow("two datagrams, last first, with the players") << Mode::SplitOutOfOrder << true << false;
    QTest::newRow("AvP2: lock and score") << Mode::Normal << true << true;
}

void ServerQueryTest::gameSpy()
{
    QFETCH(Mode, mode);
    QFETCH(bool, players);
    QFETCH(bool, avp2);
    FakeServer server{QStringLiteral("Orvanta UT"), QStringLiteral("DM-Deck16]["),
                      {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")}, 12, 0, avp2};
    server.avp2Keys = avp2;
    const ServerState s = ask(QueryProtocol::GameSpy, server, mode, players);
    QVERIFY(s.isOnline());
    QCOMPARE(s.name, server.name);
    QCOMPARE(s.map, server.map);
    QCOMPARE(s.players, 3);
    QCOMPARE(s.maxPlayers, 12);
    QCOMPARE(s.passwordNeeded, avp2);
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

// qstat, a client this project did not write, reads every stand-in as the
// stand-in was set up; of a Quake 3 server with private slots it states
// the public part, as it does of real ones. (qstat reads no A2S_INFO split
// in the Source header, not even one made by hand after the public layout;
// the replay of such replies in tst_replyparsers checks that layout.)
void ServerQueryTest::qstatReadsTheStandIns_data()
{
    QTest::addColumn<QueryProtocol>("protocol");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QStringList>("options");
    for (const QueryProtocols::Row &row : QueryProtocols::all())
        QTest::newRow(row.name) << row.protocol << Mode::Normal << QStringList();
    QTest::newRow("a2s, split in the GoldSrc header") << QueryProtocol::Source << Mode::SplitOutOfOrder << QStringList();
    // Unreal 2's request types 1 (rules) and 2 (players) too.
    QTest::newRow("unreal2, players and rules") << QueryProtocol::Unreal2 << Mode::Normal
                                                << QStringList{QStringLiteral("-P"), QStringLiteral("-R")};
}

void ServerQueryTest::qstatReadsTheStandIns()
{
    QFETCH(QueryProtocol, protocol);
    QFETCH(Mode, mode);
    QFETCH(QStringList, options);
    const QString qstat = QStandardPaths::findExecutable(QStringLiteral("quakestat"));
    if (qstat.isEmpty())
        QFAIL("quakestat is missing (tools/setup.sh installs qstat)");
    FakeServer server{QStringLiteral("Orvanta RENT"), QStringLiteral("mp_carentan"),
                      {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cid"), QStringLiteral("Dan")},
                      12, 0, true};
    if (protocol == QueryProtocol::Quake3) {
        server.privateSlots = 2;
        server.inPrivateSlots = 2;
    }
    QThread thread; // qstat waits for the stand-in's answers while this thread waits for qstat
    thread.start();
    auto *responder = new GameResponder(protocol, server);
    responder->setMode(mode);
    QVERIFY(responder->start());
    responder->moveToThread(&thread);
    QProcess run;
    const StandIns::Row &standIn = StandIns::of(protocol);
    run.start(qstat, options + QStringList{QStringLiteral("-json"), QLatin1Char('-') + QLatin1String(standIn.qstatType),
                                           QStringLiteral("127.0.0.1:%1").arg(responder->port() - standIn.qstatPortOffset)});
    QVERIFY(run.waitForFinished(10000));
    QMetaObject::invokeMethod(responder, &QObject::deleteLater);
    thread.quit();
    thread.wait();
    const QJsonObject read = QJsonDocument::fromJson(run.readAllStandardOutput()).array().at(0).toObject();
    QCOMPARE(read.value(QLatin1String("status")).toString(), QStringLiteral("online"));
    QCOMPARE(read.value(QLatin1String("name")).toString(), server.name);
    QCOMPARE(read.value(QLatin1String("map")).toString(), server.map);
    QCOMPARE(read.value(QLatin1String("numplayers")).toInt(), server.publicPlayers());
    QCOMPARE(read.value(QLatin1String("maxplayers")).toInt(), server.publicSlots());
    if (!options.isEmpty())
        QCOMPARE(read.value(QLatin1String("players")).toArray().size(), server.players.size());
}

// 10,000 datagrams in bursts of every size from 1 to 140, from a stranger
// and from the server itself, each burst queued whole before the service
// gets a turn, whatever share of it one turn reads: the real reply that
// follows each burst is read, and nothing of the stranger's. A server that
// floods is heard only up to its allowance, and again once asked again.
void ServerQueryTest::floodLeavesTheSocketReading()
{
    QUdpSocket server, stranger;
    QVERIFY(server.bind(QHostAddress::LocalHost, 0));
    QtDatagramService datagrams;
    QSignalSpy found(&datagrams, &DatagramService::hostFound);
    QSignalSpy received(&datagrams, &DatagramService::received);
    const QString host = QStringLiteral("127.0.0.1");
    datagrams.lookUp(host);
    QVERIFY(found.wait(1000));
    datagrams.send(host, server.localPort(), "hello");
    QVERIFY(server.waitForReadyRead(1000));
    const QNetworkDatagram hello = server.receiveDatagram();
    const QByteArray junk(64, 'x');
    for (int size = 1; size <= 140; ++size) {
        datagrams.send(host, server.localPort(), "again");
        for (int i = 0; i < size; ++i)
            (i % 10 ? stranger : server).writeDatagram(junk, hello.senderAddress(), quint16(hello.senderPort()));
        const QByteArray reply = "the reply to burst " + QByteArray::number(size);
        server.writeDatagram(reply, hello.senderAddress(), quint16(hello.senderPort()));
        QTRY_VERIFY2_WITH_TIMEOUT(!received.isEmpty() && received.last().at(2).toByteArray() == reply, reply, 2000);
    }
    for (const QList<QVariant> &r : received)
        QCOMPARE(r.at(1).toInt(), int(server.localPort()));
    datagrams.send(host, server.localPort(), "again");
    received.clear();
    for (int i = 0; i < 1000; ++i)
        server.writeDatagram(junk, hello.senderAddress(), quint16(hello.senderPort()));
    server.writeDatagram("unasked", hello.senderAddress(), quint16(hello.senderPort()));
    QTest::qWait(50);
    QCOMPARE(received.size(), QtDatagramService::RepliesPerRequest);
    datagrams.send(host, server.localPort(), "again");
    server.writeDatagram("asked", hello.senderAddress(), quint16(hello.senderPort()));
    QTRY_COMPARE(received.last().at(2).toByteArray(), QByteArray("asked"));
    QCOMPARE(received.size(), QtDatagramService::RepliesPerRequest + 1);
}

// ovcl_query against a stand-in that answers and one that does not: a line
// each, in the order given, and the exit status says whether all answered.
void ServerQueryTest::queryToolPrintsEachServer_data()
{
    QTest::addColumn<QStringList>("arguments"); // %1: the answering server, %2: the silent one
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lines");
    const QString online = QStringLiteral(
        "{\"address\": \"127.0.0.1:%1\", \"status\": \"online\", \"name\": \"Orvanta \\\"RENT\\\"\", "
        "\"map\": \"mp_harbor\", \"players\": 2, \"max\": 12, \"password\": true, \"private\": 2, \"ping_ms\": ");
    const QString offline = QStringLiteral(
        "{\"address\": \"127.0.0.1:%2\", \"status\": \"offline\", \"name\": \"\", \"map\": \"\", \"players\": 0, "
        "\"max\": 0, \"password\": false, \"private\": 0, \"ping_ms\": null}");
    QTest::newRow("one up") << QStringList{"quake3", "127.0.0.1:%1"} << 0 << QStringList{online};
    QTest::newRow("with its players")
        << QStringList{"--players", "quake3", "127.0.0.1:%1"} << 0 << QStringList{online, "\"players_list\": [{\"name\": \"Ann\", \"score\": 0, \"ping_ms\": 40}, {"};
    QTest::newRow("one down, in the order given")
        << QStringList{"--tries", "1", "quake3", "127.0.0.1:%2", "127.0.0.1:%1"} << 1 << QStringList{offline, online};
    QTest::newRow("unknown protocol") << QStringList{"quake4", "127.0.0.1:%1"} << 2 << QStringList{};
    QTest::newRow("no port") << QStringList{"a2s", "127.0.0.1"} << 2 << QStringList{};
}

void ServerQueryTest::queryToolPrintsEachServer()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    FakeServer server{QStringLiteral("Orvanta \"RENT\""), QStringLiteral("mp_harbor"),
                      {QStringLiteral("Ann"), QStringLiteral("Bob")}, 12, 2, true};
    QThread thread;
    thread.start();
    auto *up = new GameResponder(QueryProtocol::Quake3, server);
    auto *down = new GameResponder(QueryProtocol::Quake3, server);
    down->setMode(Mode::Silent);
    QVERIFY(up->start() && down->start());
    up->moveToThread(&thread);
    down->moveToThread(&thread);
    const auto ports = [up = QString::number(up->port()), down = QString::number(down->port())](QString text) {
        return text.replace(QLatin1String("%1"), up).replace(QLatin1String("%2"), down);
    };
    for (QString &a : arguments)
        a = ports(a);
    QProcess run;
    run.start(QStringLiteral(OVCL_QUERY), arguments);
    QVERIFY(run.waitForFinished(10000));
    QMetaObject::invokeMethod(up, &QObject::deleteLater);
    QMetaObject::invokeMethod(down, &QObject::deleteLater);
    thread.quit();
    thread.wait();
    QCOMPARE(run.exitCode(), status);
    const QStringList out = QString::fromUtf8(run.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (status == 2) {
        QVERIFY(out.isEmpty());
        QVERIFY(run.readAllStandardError().contains("usage: ovcl_query"));
        return;
    }
    const bool players = arguments.contains(QStringLiteral("--players"));
    QCOMPARE(out.size(), lines.size() - int(players));
    for (int i = 0; i < out.size(); ++i)
        QVERIFY2(out.at(i).startsWith(ports(lines.at(i))), qPrintable(out.at(i)));
    if (players)
        QVERIFY2(out.at(0).contains(lines.at(1)), qPrintable(out.at(0)));
}

QTEST_GUILESS_MAIN(ServerQueryTest)
#include "tst_serverquery.moc"
