// The query scheduler's manners and its defences, driven by a recording
// datagram service and a clock the test moves.

#include "FireTimer.h"
#include "GameReplies.h"
#include "ManualQueryClock.h"
#include "RecordingDatagrams.h"
#include "query/QueryScheduler.h"
#include "query/RefreshCadence.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QString host = QStringLiteral("cs.example");
const FakeServer fake{QStringLiteral("Orvanta"), QStringLiteral("de_nuke"), {QStringLiteral("p")}, 16, 0, false};

QByteArray lying(int size)
{
    QByteArray b(size, '\xFF');
    return b;
}
} // namespace

class QuerySchedulerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void oneServersRequestsAreSpacedAtLeast50ms();
    void silenceMeansOfflineAfterThreeTries();
    void pingRunsFromTheRequestAfterTheChallenge();
    void pingAfterARetry_data();
    void pingAfterARetry();
    void replyBeforeAnyRequestIsIgnored();
    void oneServerAskedAlone();
    void hostileReplies_data();
    void hostileReplies();
    void refreshWhileOneRunsStartsNothing();
    void unknownHostIsOfflineAtOnce();
    void cadenceFollowsTheWindow();

private:
    void serve(int count, QueryProtocol protocol = QueryProtocol::Source);

    ManualQueryClock m_clock;
    std::unique_ptr<RecordingDatagrams> m_net;
    std::unique_ptr<QueryScheduler> m_scheduler;
};

void QuerySchedulerTest::init()
{
    m_clock = ManualQueryClock();
    m_net = std::make_unique<RecordingDatagrams>([this] { return m_clock.nowMs(); });
    m_scheduler = std::make_unique<QueryScheduler>(*m_net, m_clock);
}

void QuerySchedulerTest::serve(int count, QueryProtocol protocol)
{
    QVector<QueryTarget> targets;
    for (int i = 0; i < count; ++i)
        targets.append({host, quint16(27015 + i), protocol});
    m_scheduler->setServers(targets);
}

// Every server is asked at once; one server's requests leave at least
// 50 ms apart however fast it answers, retries included.
void QuerySchedulerTest::oneServersRequestsAreSpacedAtLeast50ms()
{
    serve(14);
    QVERIFY(m_scheduler->refresh());
    QCOMPARE(m_net->sent.size(), 14);
    for (int i = 0; i < 14; ++i)
        m_net->reply(host, 27015 + i, GameReplies::sourceChallenge("abcd"));
    m_clock.advance(QueryScheduler::SpacingMs - 1);
    QCOMPARE(m_net->sent.size(), 14);
    m_clock.advance(1);
    QCOMPARE(m_net->sent.size(), 28);
    m_clock.advance(5000);
    QHash<quint16, qint64> last;
    for (const RecordingDatagrams::Sent &sent : m_net->sent) {
        QVERIFY2(!last.contains(sent.port) || sent.atMs - last[sent.port] >= QueryScheduler::SpacingMs,
                 qPrintable(QString::number(sent.port)));
        last[sent.port] = sent.atMs;
    }
}

void QuerySchedulerTest::silenceMeansOfflineAfterThreeTries()
{
    serve(1);
    QSignalSpy changed(m_scheduler.get(), &QueryScheduler::stateChanged);
    QSignalSpy finished(m_scheduler.get(), &QueryScheduler::refreshFinished);
    m_scheduler->refresh();
    m_clock.advance(2999);
    QCOMPARE(m_net->sent.size(), 3);
    QCOMPARE(m_net->sent[1].atMs - m_net->sent[0].atMs, 1000);
    QCOMPARE(m_net->sent[2].atMs - m_net->sent[1].atMs, 1000);
    QCOMPARE(m_scheduler->state(0).status, ServerState::Status::Unknown);
    m_clock.advance(1);
    QCOMPARE(m_scheduler->state(0).status, ServerState::Status::Offline);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(finished.size(), 1);
    m_clock.advance(10000);
    QCOMPARE(m_net->sent.size(), 3);
}

void QuerySchedulerTest::pingRunsFromTheRequestAfterTheChallenge()
{
    serve(1);
    m_scheduler->refresh();
    m_clock.advance(200);
    m_net->reply(host, 27015, GameReplies::sourceChallenge("abcd"));
    m_clock.advance(60);
    QCOMPARE(m_net->sent.size(), 2);
    QVERIFY(m_net->sent[1].data.endsWith("abcd"));
    m_clock.advance(35);
    m_net->reply(host, 27015, GameReplies::sourceInfo(fake));
    const ServerState &s = m_scheduler->state(0);
    QVERIFY(s.isOnline());
    QCOMPARE(s.pingMs, int(m_clock.nowMs() - m_net->sent[1].atMs));
    QCOMPARE(s.lastSeen, m_clock.wallTime());
}

// A reply to the first try that comes 200 ms after the second try left:
// a reply that echoes its try's nonce gives that try's ping; one that
// cannot be tied keeps the last sure ping (none here, then 35 ms).
void QuerySchedulerTest::pingAfterARetry_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("firstPing");
    QTest::addColumn<int>("secondPing");
    QTest::newRow("quake3: the nonce tells the try") << int(QueryProtocol::Quake3) << 1200 << 1200;
    QTest::newRow("unreal2: cannot tell, keeps the last sure ping") << int(QueryProtocol::Unreal2) << -1 << 35;
}

void QuerySchedulerTest::pingAfterARetry()
{
    QFETCH(int, protocol);
    QFETCH(int, firstPing);
    QFETCH(int, secondPing);
    serve(1, QueryProtocol(protocol));
    const auto reply = [&](int to) {
        const QByteArray nonce = m_net->sent[to].data.mid(14);
        return QueryProtocol(protocol) == QueryProtocol::Quake3 ? GameReplies::quake3Status(fake, nonce)
                                                                : GameReplies::unreal2Details(fake, 7777);
    };
    for (int refresh = 0; refresh < 2; ++refresh) {
        const int first = m_net->sent.size();
        QVERIFY(m_scheduler->refresh());
        if (refresh == 0) {
            m_clock.advance(1200);
            QCOMPARE(m_net->sent.size(), first + 2); // the second try left at 1000 ms
            m_net->reply(host, 27015, reply(first));
            QCOMPARE(m_scheduler->state(0).pingMs, firstPing);
        } else {
            m_clock.advance(35);
            m_net->reply(host, 27015, reply(first));
            QCOMPARE(m_scheduler->state(0).pingMs, 35);
            m_clock.advance(30000);
            const int retry = m_net->sent.size();
            QVERIFY(m_scheduler->refresh());
            m_clock.advance(1200);
            m_net->reply(host, 27015, reply(retry));
            QCOMPARE(m_scheduler->state(0).pingMs, secondPing);
        }
        QVERIFY(m_scheduler->state(0).isOnline());
        m_clock.advance(30000);
    }
}

// A datagram from the server's address before this refresh asked it is
// nobody's answer, however well formed.
void QuerySchedulerTest::replyBeforeAnyRequestIsIgnored()
{
    serve(2);
    m_net->reply(host, 27015, GameReplies::goldSrcInfo(fake));
    QCOMPARE(m_scheduler->state(0).status, ServerState::Status::Unknown);
    QVERIFY(m_scheduler->ask(0));
    m_net->reply(host, 27016, GameReplies::goldSrcInfo(fake)); // not asked in this refresh
    QCOMPARE(m_scheduler->state(1).status, ServerState::Status::Unknown);
    m_clock.advance(60);
    m_net->reply(host, 27015, GameReplies::goldSrcInfo(fake));
    QVERIFY(m_scheduler->state(0).isOnline());
    QCOMPARE(m_scheduler->state(0).pingMs, 60);
}

void QuerySchedulerTest::oneServerAskedAlone()
{
    serve(3);
    QSignalSpy finished(m_scheduler.get(), &QueryScheduler::refreshFinished);
    QVERIFY(m_scheduler->ask(1));
    QVERIFY(!m_scheduler->ask(1));
    m_clock.advance(10);
    QCOMPARE(m_net->sent.size(), 1);
    QCOMPARE(m_net->sent[0].port, 27016);
    m_net->reply(host, 27016, GameReplies::goldSrcInfo(fake));
    QCOMPARE(finished.size(), 1);
    QVERIFY(m_scheduler->state(1).isOnline());
    QCOMPARE(m_scheduler->state(0).status, ServerState::Status::Unknown);
}

void QuerySchedulerTest::hostileReplies_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<QList<QByteArray>>("datagrams");
    using P = QueryProtocol;
    const QByteArray info = GameReplies::sourceInfo(fake);
    QList<QByteArray> endlessSplits;
    for (int i = 0; i < 500; ++i)
        endlessSplits << GameReplies::split(info, 15, true, quint32(i)).first() + QByteArray(60000, 'x');
    QList<QByteArray> challenges;
    for (int i = 0; i < 50; ++i)
        challenges << GameReplies::sourceChallenge(QByteArray::number(1000 + i));
    QList<QByteArray> gameSpyParts;
    for (int i = 1; i <= 40; ++i)
        gameSpyParts << "\\hostname\\x\\queryid\\7." + QByteArray::number(i);
    QTest::newRow("source: truncated info") << int(P::Source) << QList<QByteArray>{info.left(info.size() - 12)};
    QTest::newRow("source: a header alone") << int(P::Source) << QList<QByteArray>{lying(4), lying(5)};
    QTest::newRow("source: split parts that never complete") << int(P::Source) << endlessSplits;
    QTest::newRow("source: split counts that lie")
        << int(P::Source) << QList<QByteArray>{QByteArray("\xFF\xFF\xFF\xFE\1\0\0\0\xFF\0", 10) + info};
    QTest::newRow("source: endless challenges") << int(P::Source) << challenges;
    QTest::newRow("quake3: no line end") << int(P::Quake3) << QList<QByteArray>{"\xFF\xFF\xFF\xFFstatusResponse"};
    QTest::newRow("quake3: getinfo's answer, which tells the public part only")
        << int(P::Quake3) << QList<QByteArray>{GameReplies::quake3Info(fake, "1")};
    QTest::newRow("quake3: stale nonce")
        << int(P::Quake3) << QList<QByteArray>{GameReplies::quake3Status(fake, "0")};
    QTest::newRow("gamespy: parts without final") << int(P::GameSpy) << gameSpyParts;
    QTest::newRow("gamespy: huge pair list")
        << int(P::GameSpy) << QList<QByteArray>{QByteArray(65536, '\\')};
    QTest::newRow("unreal2: string longer than the datagram")
        << int(P::Unreal2) << QList<QByteArray>{QByteArray("\x80\0\0\0\0\0\0\0\0\x7f", 10)};
    QTest::newRow("unreal2: players cut short")
        << int(P::Unreal2) << QList<QByteArray>{QByteArray("\x80\0\0\0\2\1\0\0\0\5ab", 12)};
}

void QuerySchedulerTest::hostileReplies()
{
    QFETCH(int, protocol);
    QFETCH(QList<QByteArray>, datagrams);
    serve(1, QueryProtocol(protocol));
    m_scheduler->refresh();
    m_clock.advance(100);
    for (const QByteArray &d : datagrams)
        m_net->reply(host, 27015, d);
    QVERIFY(!m_scheduler->state(0).isOnline());
    QVERIFY(m_net->sent.size() <= 1 + 3);
    m_clock.advance(5000);
    QCOMPARE(m_scheduler->state(0).status, ServerState::Status::Offline);
}

void QuerySchedulerTest::refreshWhileOneRunsStartsNothing()
{
    serve(2);
    QVERIFY(m_scheduler->refresh());
    m_clock.advance(100);
    QVERIFY(!m_scheduler->refresh());
    QCOMPARE(m_net->sent.size(), 2);
    m_net->reply(host, 27015, GameReplies::goldSrcInfo(fake));
    m_net->reply(host, 27016, GameReplies::goldSrcInfo(fake));
    QVERIFY(m_scheduler->refresh());
}

void QuerySchedulerTest::unknownHostIsOfflineAtOnce()
{
    m_net->unknownHosts << host;
    serve(1);
    m_scheduler->refresh();
    QCOMPARE(m_scheduler->state(0).status, ServerState::Status::Offline);
    QVERIFY(m_net->sent.isEmpty());
    QVERIFY(m_scheduler->refresh()); // nothing left running
}

void QuerySchedulerTest::cadenceFollowsTheWindow()
{
    serve(1);
    RefreshCadence cadence(*m_scheduler);
    auto *timer = cadence.findChild<QTimer *>(QStringLiteral("LiveRefresh"));
    cadence.start();
    QCOMPARE(m_net->sent.size(), 1);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 30000);
    fire(timer); // the last refresh still runs
    QCOMPARE(m_net->sent.size(), 1);
    cadence.stop(); // minimised: not even the tries of the running refresh go out
    QVERIFY(!timer->isActive());
    m_clock.advance(60000);
    QCOMPARE(m_net->sent.size(), 1);
    QCOMPARE(m_scheduler->state(0).status, ServerState::Status::Unknown);
    cadence.restore();
    QCOMPARE(m_net->sent.size(), 2);
    QVERIFY(timer->isActive());
}

QTEST_GUILESS_MAIN(QuerySchedulerTest)
#include "tst_queryscheduler.moc"
