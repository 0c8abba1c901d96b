// What the launcher decides from the live state without any window: whether
// a click asks first, who of the friends has just come, and how often one
// server is asked.

#include "GameReplies.h"
#include "ManualQueryClock.h"
#include "RecordingDatagrams.h"
#include "query/JoinDecision.h"
#include "query/QueryScheduler.h"
#include "query/ServerState.h"
#include "servers/FriendList.h"
#include "servers/FriendSightings.h"

#include <QTest>

class LiveActionsTest : public QObject
{
    Q_OBJECT
private slots:
    void joinDecision_data();
    void joinDecision();
    void friendNames_data();
    void friendNames();
    void friendAppearsOnce();
    void askFloor();
};

namespace {
ServerState state(ServerState::Status status, int players, int maximum)
{
    ServerState s;
    s.status = status;
    s.players = players;
    s.maxPlayers = maximum;
    s.lastSeen = QDateTime(QDate(2024, 5, 1), QTime(20, 0));
    return s;
}

ServerState withPlayers(const QStringList &names)
{
    ServerState s = state(ServerState::Status::Online, int(names.size()), 24);
    s.hasPlayerList = true;
    for (const QString &name : names)
        s.playerList.push_back({name, 0, 0});
    return s;
}
} // namespace

void LiveActionsTest::joinDecision_data()
{
    using S = ServerState::Status;
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<qint64>("ageMs");
    QTest::addColumn<int>("verdict");
    QTest::newRow("full") << int(S::Online) << 24 << 24 << qint64(1000) << int(JoinDecision::AskFull);
    QTest::newRow("more than full") << int(S::Online) << 26 << 24 << qint64(1000) << int(JoinDecision::AskFull);
    QTest::newRow("one slot free") << int(S::Online) << 23 << 24 << qint64(1000) << int(JoinDecision::JoinNow);
    QTest::newRow("no maximum told") << int(S::Online) << 0 << 0 << qint64(1000) << int(JoinDecision::JoinNow);
    QTest::newRow("offline") << int(S::Offline) << 3 << 24 << qint64(1000) << int(JoinDecision::AskSilent);
    QTest::newRow("offline, once full") << int(S::Offline) << 24 << 24 << qint64(0) << int(JoinDecision::AskSilent);
    QTest::newRow("unknown") << int(S::Unknown) << 0 << 0 << qint64(-1) << int(JoinDecision::JoinNow);
    QTest::newRow("never settled") << int(S::Online) << 24 << 24 << qint64(-1) << int(JoinDecision::JoinNow);
    QTest::newRow("full, a minute old") << int(S::Online) << 24 << 24 << qint64(60000) << int(JoinDecision::AskFull);
    QTest::newRow("full, stale") << int(S::Online) << 24 << 24 << qint64(60001) << int(JoinDecision::JoinNow);
    QTest::newRow("offline, stale") << int(S::Offline) << 0 << 24 << qint64(120000) << int(JoinDecision::JoinNow);
}

void LiveActionsTest::joinDecision()
{
    QFETCH(int, status);
    QFETCH(int, players);
    QFETCH(int, maximum);
    QFETCH(qint64, ageMs);
    QFETCH(int, verdict);
    QCOMPARE(int(JoinDecision::decide(state(ServerState::Status(status), players, maximum), ageMs)), verdict);
}

void LiveActionsTest::friendNames_data()
{
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("player");
    QTest::addColumn<bool>("matches");
    QTest::newRow("same") << "Pepa" << "Pepa" << true;
    QTest::newRow("case") << "pepa" << "PEPA" << true;
    QTest::newRow("Czech case") << "Šárka" << "ŠÁRKA" << true;
    QTest::newRow("colour codes") << "Pepa" << "^1Pe^7pa" << true;
    QTest::newRow("codes in the list") << "^3Red^7Dog" << "reddog" << true;
    QTest::newRow("blanks around") << "Pepa" << "  Pepa " << true;
    QTest::newRow("longer name") << "Pepa" << "Pepa2" << false;
    QTest::newRow("part of a name") << "Pepa" << "Pep" << false;
}

void LiveActionsTest::friendNames()
{
    QFETCH(QString, listed);
    QFETCH(QString, player);
    QFETCH(bool, matches);
    FriendList list;
    QVERIFY(list.add(listed));
    QCOMPARE(!list.match(player).isEmpty(), matches);
}

// Once per appearance: staying on, a silent spell and a refresh without the
// list give nothing; leaving and coming back gives one more.
void LiveActionsTest::friendAppearsOnce()
{
    FriendList friends;
    QVERIFY(friends.add(QStringLiteral("Pepa")));
    QVERIFY(!friends.add(QStringLiteral("^1PEPA")));
    FriendSightings seen(2);
    QCOMPARE(seen.update(0, withPlayers({"Zed", "^2Pepa"}), friends), QStringList{"Pepa"});
    QCOMPARE(seen.update(1, withPlayers({"Pepa"}), friends), QStringList{"Pepa"});
    QCOMPARE(seen.update(0, withPlayers({"^2Pepa", "Bob"}), friends), QStringList());
    ServerState silent = withPlayers({});
    silent.status = ServerState::Status::Offline;
    QCOMPARE(seen.update(0, silent, friends), QStringList());
    QCOMPARE(seen.update(0, withPlayers({"Pepa"}), friends), QStringList());
    QCOMPARE(seen.present(0), QStringList{"Pepa"});
    QCOMPARE(seen.update(0, withPlayers({"Zed"}), friends), QStringList());
    QCOMPARE(seen.update(0, withPlayers({"pepa"}), friends), QStringList{"Pepa"});
}

// A server asked on its own is left out of a refresh within the floor, and
// asked again only once the floor has passed.
void LiveActionsTest::askFloor()
{
    ManualQueryClock clock;
    RecordingDatagrams datagrams([&clock] { return clock.nowMs(); });
    QueryScheduler scheduler(datagrams, clock);
    scheduler.setServers({{QStringLiteral("a"), 1000, QueryProtocol::GameSpy},
                          {QStringLiteral("a"), 2000, QueryProtocol::GameSpy}});
    scheduler.setAskFloor(5000);
    const auto sentTo = [&datagrams](quint16 port) {
        return std::count_if(datagrams.sent.cbegin(), datagrams.sent.cend(),
                             [port](const RecordingDatagrams::Sent &s) { return s.port == port; });
    };
    const QByteArray reply = GameReplies::gameSpyStatus({QStringLiteral("x"), QStringLiteral("m"), {"a"}}, 1, 1).first();
    QVERIFY(scheduler.ask(0));
    QCOMPARE(sentTo(1000), 1);
    datagrams.reply(QStringLiteral("a"), 1000, reply);
    QVERIFY(scheduler.settledAtMs(0) >= 0);
    QCOMPARE(scheduler.settledAtMs(1), qint64(-1));
    clock.advance(1000);
    QVERIFY(!scheduler.ask(0));
    QVERIFY(scheduler.refresh());
    clock.advance(4000); // the second server goes unanswered to its end
    QCOMPARE(sentTo(1000), 1);
    QCOMPARE(sentTo(2000), QueryScheduler::Tries);
    QVERIFY(scheduler.ask(0));
    QCOMPARE(sentTo(1000), 2);
}

QTEST_GUILESS_MAIN(LiveActionsTest)
#include "tst_liveactions.moc"
