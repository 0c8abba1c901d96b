// The live state on the menu, from game servers the test answers for.

#include "AnsweredGames.h"
#include "TestLaunchers.h"
#include "app/TForm1.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"
#include "platform/windows/WindowGroup.h"
#include "servers/LiveServerState.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>

class LiveServersTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuFollowsTheServers();
    void cardTellsTheHoveredServer_data();
    void cardTellsTheHoveredServer();
    void minimisedMeansNoRequests();

private:
    TextLabel *label(const char *name) const { return m_main->findChild<TextLabel *>(QLatin1String(name)); }

    std::unique_ptr<LauncherFixture> m_f;
    QWidget *m_main = nullptr;
    LiveServerState *m_live = nullptr;
    std::unique_ptr<AnsweredGames> m_games;
};

namespace {
const FakeServer demo{QStringLiteral("Orvanta Public"), QStringLiteral("de_dust2"), {"a", "b", "c"}, 16, 0, true};

} // namespace

void LiveServersTest::init()
{
    m_f = std::make_unique<LauncherFixture>();
    m_f->presetQuietStart();
    m_f->start();
    m_main = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("TForm1"))
            m_main = w;
    QVERIFY(m_main && m_main->isVisible());
    m_live = m_main->findChild<LiveServerState *>(QStringLiteral("LiveServerState"));
    QVERIFY(m_live);
    m_games = std::make_unique<AnsweredGames>(*m_f);
}

void LiveServersTest::cleanup()
{
    m_games.reset();
    m_f.reset();
}

void LiveServersTest::menuFollowsTheServers()
{
    QCOMPARE(m_live->marks(1).players->caption(), QStringLiteral("\u2013"));
    m_games->answer(demo);
    for (int number = 1; number <= 14; ++number) {
        const LiveServerState::Marks &m = m_live->marks(number);
        QCOMPARE(m.lamp->picture(), QStringLiteral(":/skin/state_up.png"));
        QCOMPARE(m.players->caption(), QStringLiteral("3"));
        QCOMPARE(m.maximum->caption(), QStringLiteral("16"));
    }
    // The next refresh, half a minute on, finds other values.
    QCOMPARE(m_live->cadence().timer().interval(), 30 * 1000);
    QVERIFY(m_live->cadence().timer().isActive());
    FakeServer fuller = demo;
    fuller.players << "d" << "e";
    // No server is asked twice within the floor.
    m_f->queryClock->advance(LiveServerState::AskFloorMs);
    m_live->cadence().tick();
    m_games->answer(fuller);
    QCOMPARE(m_live->marks(14).players->caption(), QStringLiteral("5"));
    // Silence: down, the last values kept and greyed.
    m_f->queryClock->advance(LiveServerState::AskFloorMs);
    m_live->cadence().tick();
    m_games->silence();
    const LiveServerState::Marks &m = m_live->marks(7);
    QCOMPARE(m.lamp->picture(), QStringLiteral(":/skin/state_down.png"));
    QCOMPARE(m.players->caption(), QStringLiteral("5"));
    QVERIFY(!m.players->isEnabled());
}

void LiveServersTest::cardTellsTheHoveredServer_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("offline");
    QTest::addColumn<QString>("map");
    QTest::addColumn<QString>("seen");
    QTest::newRow("czech, online") << false << false << "Mapa: de_dust2" << "";
    QTest::newRow("english, online") << true << false << "Map: de_dust2" << "";
    QTest::newRow("czech, offline") << false << true << "Mapa: de_dust2" << "Naposledy viděn 20:00";
    QTest::newRow("english, offline") << true << true << "Map: de_dust2" << "Last seen 20:00";
}

void LiveServersTest::cardTellsTheHoveredServer()
{
    QFETCH(bool, english);
    QFETCH(bool, offline);
    QFETCH(QString, map);
    QFETCH(QString, seen);
    m_games->answer(demo);
    if (offline) {
        m_f->queryClock->advance(LiveServerState::AskFloorMs);
        m_live->cadence().tick();
        m_games->silence();
    }
    if (english)
        QTest::mouseClick(m_main->findChild<QWidget *>(QStringLiteral("Image3")), Qt::LeftButton);
    QWidget *card = m_main->findChild<QWidget *>(QStringLiteral("LiveCard"));
    QWidget *tile = m_main->findChild<QWidget *>(QStringLiteral("Image35"));
    QVERIFY(!card->isVisible());
    // The pointer comes onto the tile, as the toolkit tells it.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), tile->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(tile, &enter);
    QVERIFY(card->isVisible());
    QCOMPARE(label("LiveCardName")->caption(), demo.name);
    QCOMPARE(label("LiveCardMap")->caption(), map);
    QCOMPARE(label("LiveCardSeen")->caption(), seen);
    QCOMPARE(label("LiveCardMap")->isEnabled(), !offline);
    QVERIFY(m_main->findChild<QWidget *>(QStringLiteral("LiveCardLock"))->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(tile, &leave);
    QTRY_VERIFY(!card->isVisible());
}

void LiveServersTest::minimisedMeansNoRequests()
{
    m_games->answer(demo);
    TestLaunchers::partsOf(*m_f->launcher).windows->minimise();
    QVERIFY(!m_live->cadence().isRunning());
    const int sent = m_f->datagrams->sent.size();
    m_f->queryClock->advance(5 * 60 * 1000);
    QCOMPARE(m_f->datagrams->sent.size(), sent);
    m_main->showNormal();
    QVERIFY(m_live->cadence().isRunning());
    QCOMPARE(m_f->datagrams->sent.size(), sent + 1); // at once, then 50 ms apart
}

QTEST_MAIN(LiveServersTest)
#include "tst_liveservers.moc"
