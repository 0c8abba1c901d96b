// The live state on the menu, from game servers the test answers for.

#include "AnsweredGames.h"
#include "FireTimer.h"
#include "TestLaunchers.h"
#include "app/TForm1.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"
#include "servers/LiveServerState.h"
#include "servers/ServerQueries.h"
#include "platform/windows/WindowGroup.h"

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
    void cardListsThePlayers_data();
    void cardListsThePlayers();
    void minimisedMeansNoRequests();

private:
    TextLabel *label(const QString &name) const { return m_main->findChild<TextLabel *>(name); }
    TextLabel *label(const char *name) const { return label(QLatin1String(name)); }
    QString lamp(int number) const
    {
        return m_main->findChild<PictureControl *>(QStringLiteral("LiveLamp%1").arg(number))->picture();
    }
    TextLabel *players(int number) const { return label(QStringLiteral("LivePlayers%1").arg(number)); }
    QString maximum(int number) const { return label(QStringLiteral("LiveMaximum%1").arg(number))->caption(); }
    // The next refresh, past the floor within which no server is asked again.
    void refreshDue()
    {
        m_f->queryClock->advance(LiveServerState::AskFloorMs);
        fire(m_refresh);
    }
    void hover(const char *tile);

    std::unique_ptr<LauncherFixture> m_f;
    QWidget *m_main = nullptr;
    QTimer *m_refresh = nullptr;
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
    m_refresh = m_main->findChild<QTimer *>(QStringLiteral("LiveRefresh"));
    QVERIFY(m_refresh);
    m_games = std::make_unique<AnsweredGames>(*m_f);
}

void LiveServersTest::cleanup()
{
    m_games.reset();
    m_f.reset();
}

void LiveServersTest::hover(const char *tile)
{
    // The pointer comes onto the tile, as the toolkit tells it.
    QWidget *control = m_main->findChild<QWidget *>(QLatin1String(tile));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), control->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(control, &enter);
}

void LiveServersTest::menuFollowsTheServers()
{
    QCOMPARE(players(1)->caption(), QStringLiteral("\u2013"));
    m_games->answer(demo);
    for (int number = 1; number <= 14; ++number) {
        QCOMPARE(lamp(number), QStringLiteral(":/skin/state_up.png"));
        QCOMPARE(players(number)->caption(), QStringLiteral("3"));
        QCOMPARE(maximum(number), QStringLiteral("16"));
    }
    // The next refresh, half a minute on, finds other values.
    QCOMPARE(m_refresh->interval(), 30 * 1000);
    QVERIFY(m_refresh->isActive());
    FakeServer fuller = demo;
    fuller.players << "d" << "e";
    refreshDue();
    m_games->answer(fuller);
    QCOMPARE(players(14)->caption(), QStringLiteral("5"));
    // Silence: down, the last values kept and greyed.
    refreshDue();
    m_games->silence();
    QCOMPARE(lamp(7), QStringLiteral(":/skin/state_down.png"));
    QCOMPARE(players(7)->caption(), QStringLiteral("5"));
    QVERIFY(!players(7)->isEnabled());
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
        refreshDue();
        m_games->silence();
    }
    if (english)
        QTest::mouseClick(m_main->findChild<QWidget *>(QStringLiteral("Image3")), Qt::LeftButton);
    QWidget *card = m_main->findChild<QWidget *>(QStringLiteral("LiveCard"));
    QWidget *tile = m_main->findChild<QWidget *>(QStringLiteral("Image35"));
    QVERIFY(!card->isVisible());
    hover("Image35");
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

// Every protocol's players, best score first; those that do not fit are
// counted on the last row.
void LiveServersTest::cardListsThePlayers_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("more");
    QTest::newRow("three") << 3 << false << "";
    QTest::newRow("eight fit") << 8 << true << "";
    QTest::newRow("ten, czech") << 10 << false << "a 3 další";
    QTest::newRow("thirty, english") << 30 << true << "and 23 more";
}

void LiveServersTest::cardListsThePlayers()
{
    QFETCH(int, count);
    QFETCH(bool, english);
    QFETCH(QString, more);
    FakeServer full = demo;
    full.players.clear();
    for (int i = 0; i < count; ++i)
        full.players << QStringLiteral("Player %1").arg(i);
    full.maxPlayers = 32;
    m_games->answer(full);
    if (english)
        QTest::mouseClick(m_main->findChild<QWidget *>(QStringLiteral("Image3")), Qt::LeftButton);
    // Counter-Strike, Call of Duty, AvP2, Unreal Tournament and UT2004.
    for (const char *tile : {"Image14", "Image35", "Image118", "Image146", "Image147"}) {
        hover(tile);
        const int shown = std::min(count, 8 - int(!more.isEmpty()));
        int last = INT_MAX;
        for (int row = 1; row <= shown; ++row) {
            TextLabel *name = label(QStringLiteral("LiveCardPlayer%1").arg(row));
            QVERIFY2(name->isVisible(), tile);
            QVERIFY2(name->caption().startsWith(QLatin1String("Player ")), qPrintable(name->caption()));
            const int score = label(QStringLiteral("LiveCardScore%1").arg(row))->caption().toInt();
            QVERIFY(score <= last);
            last = score;
        }
        TextLabel *after = label(QStringLiteral("LiveCardPlayer%1").arg(shown + 1));
        if (more.isEmpty())
            QVERIFY(!after || !after->isVisible());
        else
            QCOMPARE(after->caption(), more);
    }
}

void LiveServersTest::minimisedMeansNoRequests()
{
    m_games->answer(demo);
    TestLaunchers::partsOf(*m_f->launcher).windows->minimise();
    QVERIFY(!m_refresh->isActive());
    const int sent = m_f->datagrams->sent.size();
    m_f->queryClock->advance(5 * 60 * 1000);
    QCOMPARE(m_f->datagrams->sent.size(), sent);
    m_main->showNormal();
    QVERIFY(m_refresh->isActive());
    QCOMPARE(m_f->datagrams->sent.size(), sent + ServerQueries::targets().size()); // every server at once
}

QTEST_MAIN(LiveServersTest)
#include "tst_liveservers.moc"
