// Acting on the live state: the question before a doomed join, the wait for
// a slot, friends' balloons, the tray's servers and how often a server is
// asked, against stand-in game servers the test answers for.

#include "AnsweredGames.h"
#include "ControlPoints.h"
#include "FileBytes.h"
#include "FireTimer.h"
#include "GameHosts.h"
#include "LauncherWindows.h"
#include "ModalWindow.h"
#include "Pointer.h"
#include "SettingsPaths.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"
#include "platform/windows/WindowGroup.h"
#include "query/BackgroundCadence.h"
#include "query/QuerySession.h"
#include "servers/FriendsForm.h"
#include "servers/JoinPromptForm.h"
#include "servers/LiveServerState.h"
#include "servers/ServerCatalogue.h"
#include "servers/ServerQueries.h"
#include "servers/ServerWatch.h"
#include "servers/SlotWait.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class WaitAndFriendsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void clickAsksOnlyWhenDoomed_data();
    void clickAsksOnlyWhenDoomed();
    void promptChoices_data();
    void promptChoices();
    void waitJoinsWhenASlotFrees();
    void waitEndsWithoutJoin_data();
    void waitEndsWithoutJoin();
    void friendsKeptInDataDat();
    void friendAppearingGivesOneBalloonThatJoins();
    void noServerAskedMoreOftenThanTheFloor();
    void trayServersJoin();
    void watchedServerAnnouncesItself();

private:
    void start(const QStringList &friends = {});
    // Every server answers: entries in 'full' full, in 'silent' not at all,
    // the others with a few players; 'extra' changes single entries.
    void answer(const QList<int> &full = {}, const QList<int> &silent = {}, QHash<int, FakeServer> extra = {});
    // A new refresh of the menu, past the floor of the last one.
    void nextRefresh();
    void clickTile(int number);
    // Runs 'action' on the join question as soon as it is up.
    void onPrompt(std::function<void(JoinPromptForm &)> action);
    QString cardLastLine(int number);
    QAction *trayAction(const char *name) const { return m_f->tray->menu->findChild<QAction *>(QLatin1String(name)); }
    TForm1 *main() const { return form1(*m_f->launcher); }
    JoinPromptForm *prompt() const { return launcherWindow<JoinPromptForm>(*m_f->launcher, "JoinPrompt"); }
    SlotWait *wait() const { return main()->findChild<SlotWait *>(QStringLiteral("SlotWait")); }
    QTimer *refreshTimer() const { return main()->findChild<QTimer *>(QStringLiteral("LiveRefresh")); }
    LiveServerState *live() const { return main()->findChild<LiveServerState *>(QStringLiteral("LiveServerState")); }
    QStringList programsStarted() const;

    std::unique_ptr<LauncherFixture> m_f;
    std::unique_ptr<AnsweredGames> m_games;
};

namespace {
constexpr int hurtgen = 6; // "CoD Hurtgen rifle only", asked as a Quake 3 server
constexpr int classic = 2; // "OV^CLASSIC"

FakeServer server(int players, int maximum = 24)
{
    FakeServer s{QStringLiteral("Orvanta"), QStringLiteral("mp_harbor"), {}, maximum};
    for (int i = 0; i < players; ++i)
        s.players << QStringLiteral("hrac%1").arg(i);
    return s;
}

QString argumentsOf(int number)
{
    return ServerCatalogue::argumentString(ServerCatalogue::entry(number), QStringLiteral("pw??"));
}
} // namespace

void WaitAndFriendsTest::start(const QStringList &friends)
{
    m_f = std::make_unique<LauncherFixture>();
    m_f->presetQuietStart();
    for (int i = 0; i < friends.size(); ++i)
        m_f->preset("data.dat", "Friends", qPrintable(QStringLiteral("name%1").arg(i + 1)), friends[i]);
    m_f->start();
    QVERIFY(main()->isVisible());
    for (const char *display : {"StaticText1", "StaticText2", "StaticText3"})
        SettingsPaths::set(*m_f->launcher, QLatin1String(display), QStringLiteral("C:\\Games\\game.exe"));
    m_games = std::make_unique<AnsweredGames>(*m_f);
}

void WaitAndFriendsTest::cleanup()
{
    m_games.reset();
    m_f.reset();
}

void WaitAndFriendsTest::answer(const QList<int> &full, const QList<int> &silent, QHash<int, FakeServer> extra)
{
    for (int number : full)
        extra.insert(number, server(24));
    m_games->answer(server(3), extra, silent);
}

void WaitAndFriendsTest::nextRefresh()
{
    m_f->queryClock->advance(LiveServerState::AskFloorMs);
    fire(refreshTimer());
}

void WaitAndFriendsTest::clickTile(int number)
{
    Pointer::clickInPlace(main(), ControlPoints::centre(main(), QLatin1String(ServerCatalogue::entry(number).tile)));
}

void WaitAndFriendsTest::onPrompt(std::function<void(JoinPromptForm &)> action)
{
    JoinPromptForm *form = prompt();
    ModalWindow::whenUp(form, [form, action] { action(*form); });
}

QString WaitAndFriendsTest::cardLastLine(int number)
{
    QWidget *tile = main()->findChild<QWidget *>(QLatin1String(ServerCatalogue::entry(number).tile));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), tile->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(tile, &enter);
    return main()->findChild<TextLabel *>(QStringLiteral("LiveCardSeen"))->caption();
}

QStringList WaitAndFriendsTest::programsStarted() const
{
    QStringList started;
    for (const RecordingShell::Call &call : m_f->shell->calls) {
        if (call.kind == RecordingShell::Program)
            started << call.parameters;
    }
    return started;
}

void WaitAndFriendsTest::clickAsksOnlyWhenDoomed_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("laterMs");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("caption"); // empty: the join runs at once
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("waitButton");
    QTest::newRow("full") << "full" << 0 << false << "OVCL - Server je plný" << "CoD Hurtgen rifle only: 24/24"
                          << "Počkat na místo";
    QTest::newRow("full, English") << "full" << 0 << true << "OVCL - Server is full"
                                   << "CoD Hurtgen rifle only: 24/24" << "Wait for a slot";
    QTest::newRow("full, 57 s ago") << "full" << 55000 << false << "OVCL - Server je plný"
                                       << "CoD Hurtgen rifle only: 24/24" << "Počkat na místo";
    QTest::newRow("offline") << "silent" << 0 << false << "OVCL - Server neodpovídá" << "CoD Hurtgen rifle only: –"
                             << "Počkat, až naběhne";
    QTest::newRow("offline, English") << "silent" << 0 << true << "OVCL - Server does not answer"
                                      << "CoD Hurtgen rifle only: –" << "Wait until it is up";
    QTest::newRow("free") << "free" << 0 << false << "" << "" << "";
    QTest::newRow("unknown") << "unknown" << 0 << false << "" << "" << "";
    QTest::newRow("full, stale") << "full" << 61000 << false << "" << "" << "";
    QTest::newRow("offline, stale") << "silent" << 61000 << false << "" << "" << "";
}

// Escape answers the question: no game starts.
void WaitAndFriendsTest::clickAsksOnlyWhenDoomed()
{
    QFETCH(QString, server);
    QFETCH(int, laterMs);
    QFETCH(bool, english);
    QFETCH(QString, caption);
    QFETCH(QString, line);
    QFETCH(QString, waitButton);
    start();
    if (english)
        QTest::mouseClick(main()->findChild<QWidget *>(QStringLiteral("Image3")), Qt::LeftButton);
    if (server == QLatin1String("silent"))
        m_games->silence();
    else if (server != QLatin1String("unknown"))
        answer(server == QLatin1String("full") ? QList<int>{hurtgen} : QList<int>{});
    m_f->queryClock->advance(laterMs);
    QStringList asked;
    onPrompt([&asked](JoinPromptForm &form) {
        asked << form.windowTitle() << form.serverLine().caption() << form.waitButton().text();
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    clickTile(hurtgen);
    QCOMPARE(asked.isEmpty() ? QString() : asked[0], caption);
    if (caption.isEmpty()) {
        QCOMPARE(programsStarted(), QStringList{argumentsOf(hurtgen)});
        return;
    }
    QCOMPARE(asked[1], line);
    QCOMPARE(asked[2], waitButton);
    QCOMPARE(programsStarted(), QStringList());
    QVERIFY(!wait()->isWaiting());
}

void WaitAndFriendsTest::promptChoices_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("waits");
    QTest::addColumn<bool>("joins");
    QTest::newRow("Enter") << "enter" << true << false;
    QTest::newRow("Enter on another button") << "enter elsewhere" << true << false;
    QTest::newRow("wait") << "wait" << true << false;
    QTest::newRow("join anyway") << "join" << false << true;
    QTest::newRow("cancel") << "cancel" << false << false;
    QTest::newRow("close box") << "close" << false << false;
}

void WaitAndFriendsTest::promptChoices()
{
    QFETCH(QString, choice);
    QFETCH(bool, waits);
    QFETCH(bool, joins);
    start();
    answer({hurtgen});
    onPrompt([choice](JoinPromptForm &form) {
        if (choice == QLatin1String("enter"))
            QTest::keyClick(&form, Qt::Key_Return);
        else if (choice == QLatin1String("enter elsewhere")) {
            form.joinAnywayButton().setFocus();
            QTest::keyClick(&form.joinAnywayButton(), Qt::Key_Return);
        } else if (choice == QLatin1String("wait"))
            QTest::mouseClick(&form.waitButton(), Qt::LeftButton);
        else if (choice == QLatin1String("join"))
            QTest::mouseClick(&form.joinAnywayButton(), Qt::LeftButton);
        else if (choice == QLatin1String("cancel"))
            QTest::mouseClick(&form.cancelButton(), Qt::LeftButton);
        else
            form.close();
    });
    clickTile(hurtgen);
    QVERIFY(!prompt()->isVisible());
    QCOMPARE(wait()->isWaiting(), waits);
    QCOMPARE(wait()->mark(hurtgen).isVisible(), waits);
    QCOMPARE(programsStarted(), joins ? QStringList{argumentsOf(hurtgen)} : QStringList());
}

// The server stays full for two asks, then a slot frees: the game starts
// once, with the server's arguments, as a click would start it.
void WaitAndFriendsTest::waitJoinsWhenASlotFrees()
{
    start();
    answer({hurtgen});
    onPrompt([](JoinPromptForm &form) { QTest::keyClick(&form, Qt::Key_Return); });
    clickTile(hurtgen);
    QVERIFY(wait()->isWaiting());
    QTimer &ask = const_cast<QTimer &>(wait()->askTimer());
    QVERIFY(ask.isActive());
    QCOMPARE(ask.interval(), 5000);
    QVERIFY(wait()->timeoutTimer().isActive());
    QCOMPARE(wait()->timeoutTimer().interval(), 30 * 60 * 1000);
    QCOMPARE(cardLastLine(hurtgen), QStringLiteral("Čekám na místo…"));
    QVERIFY(m_f->tray->toolTip.endsWith(QStringLiteral("Čekám na místo: CoD Hurtgen rifle only")));
    const quint16 port = ServerQueries::targets().at(hurtgen - 1).port;
    for (int round = 0; round < 2; ++round) {
        m_f->queryClock->advance(5000);
        const int before = int(m_f->datagrams->sent.size());
        fire(&ask);
        QCOMPARE(m_f->datagrams->sent.size(), before + 1);
        QCOMPARE(m_f->datagrams->sent.last().port, port);
        answer({hurtgen});
        QVERIFY(programsStarted().isEmpty());
    }
    m_f->queryClock->advance(5000);
    fire(&ask);
    answer({}, {}, {{hurtgen, server(23)}});
    QCOMPARE(programsStarted(), QStringList{argumentsOf(hurtgen)});
    QCOMPARE(m_f->sound->played, QStringList{"tada2.wav"});
    QVERIFY(main()->findChild<QWidget *>(QStringLiteral("Panel6"))->isVisible());
    QCOMPARE(m_f->tray->balloons.last(), qMakePair(QStringLiteral("OVCL"), QStringLiteral("Místo je volné, připojuji")));
    QVERIFY(!wait()->isWaiting());
    QVERIFY(!ask.isActive());
    QVERIFY(!wait()->mark(hurtgen).isVisible());
    QVERIFY(!trayAction("StopWaiting1")->isVisible());
}

void WaitAndFriendsTest::waitEndsWithoutJoin_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("stillWaitingFor"); // 0: none
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<QString>("balloon");
    QTest::newRow("cancel on the server") << "cancel" << 0 << QStringList() << "";
    QTest::newRow("stop in the tray") << "tray" << 0 << QStringList() << "";
    QTest::newRow("half an hour") << "timeout" << 0 << QStringList()
                                  << "Na CoD Hurtgen rifle only se místo neuvolnilo, už nečekám";
    QTest::newRow("a second wait") << "second wait" << 8 << QStringList{argumentsOf(8)} << "";
    QTest::newRow("another join") << "join" << 0 << QStringList{argumentsOf(classic)} << "";
}

// However the wait ends, the slot that frees afterwards starts nothing (but
// the wait that replaced it joins its own server).
void WaitAndFriendsTest::waitEndsWithoutJoin()
{
    QFETCH(QString, how);
    QFETCH(int, stillWaitingFor);
    QFETCH(QStringList, started);
    QFETCH(QString, balloon);
    start();
    answer({hurtgen, 8});
    onPrompt([](JoinPromptForm &form) { QTest::keyClick(&form, Qt::Key_Return); });
    clickTile(hurtgen);
    QVERIFY(wait()->isWaiting());
    QVERIFY(trayAction("StopWaiting1")->isVisible());
    const int balloons = int(m_f->tray->balloons.size());
    if (how == QLatin1String("cancel")) {
        onPrompt([](JoinPromptForm &form) { QTest::mouseClick(&form.cancelButton(), Qt::LeftButton); });
        clickTile(hurtgen);
    } else if (how == QLatin1String("tray")) {
        trayAction("StopWaiting1")->trigger();
    } else if (how == QLatin1String("timeout")) {
        fire(const_cast<QTimer *>(&wait()->timeoutTimer()));
    } else if (how == QLatin1String("second wait")) {
        onPrompt([](JoinPromptForm &form) { QTest::keyClick(&form, Qt::Key_Return); });
        clickTile(8);
    } else {
        clickTile(classic);
    }
    QCOMPARE(wait()->entry(), stillWaitingFor);
    QCOMPARE(wait()->mark(hurtgen).isVisible(), false);
    QCOMPARE(wait()->mark(8).isVisible(), stillWaitingFor == 8);
    QCOMPARE(m_f->tray->balloons.size() - balloons, balloon.isEmpty() ? 0 : 1);
    if (!balloon.isEmpty())
        QCOMPARE(m_f->tray->balloons.last().second, balloon);
    nextRefresh();
    answer();
    QCOMPARE(programsStarted(), started);
}

// Each change is one write of the whole section; nothing else of the file
// changes.
void WaitAndFriendsTest::friendsKeptInDataDat()
{
    start();
    const QByteArray before = readBytes(m_f->path(QStringLiteral("data.dat")));
    const int writes = int(m_f->profiles->writes.size());
    auto *friends = launcherWindow<FriendsForm>(*m_f->launcher, "FriendsWindow");
    ModalWindow::whenUp(friends, [friends] {
        for (const char *name : {"Pepa", "Jana", "  pepa ", "^1Jana", ""}) {
            friends->nameEdit().setText(QString::fromUtf8(name));
            QTest::mouseClick(&friends->addButton(), Qt::LeftButton);
        }
        QTest::keyClicks(&friends->nameEdit(), QString(40, QLatin1Char('x')));
        QTest::keyClick(&friends->nameEdit(), Qt::Key_Return);
        friends->names().setCurrentRow(0);
        QTest::mouseClick(&friends->removeButton(), Qt::LeftButton);
        friends->close();
    });
    QTest::mouseClick(main()->findChild<QWidget *>(QStringLiteral("FriendsButton")), Qt::LeftButton);
    QCOMPARE(m_f->profiles->writes.mid(writes),
             QStringList({"data.dat [Friends] name1=Pepa", "data.dat [Friends] name1=Pepa name2=Jana",
                          "data.dat [Friends] name1=Pepa name2=Jana name3=" + QString(32, QLatin1Char('x')),
                          "data.dat [Friends] name1=Jana name2=" + QString(32, QLatin1Char('x'))}));
    QCOMPARE(readBytes(m_f->path(QStringLiteral("data.dat"))),
             before + "[Friends]\r\nname1=Jana\r\nname2=" + QByteArray(32, 'x') + "\r\n");
    QCOMPARE(friends->count().caption(), QStringLiteral("2/50"));
}

void WaitAndFriendsTest::friendAppearingGivesOneBalloonThatJoins()
{
    start({"Pepa"});
    FakeServer withPepa = server(2);
    withPepa.players << QStringLiteral("^1Pe^7pa");
    answer({}, {}, {{hurtgen, withPepa}});
    const QString said = QStringLiteral("Pepa hraje na CoD Hurtgen rifle only (3/24)");
    QCOMPARE(m_f->tray->balloons, (QVector<QPair<QString, QString>>{{"OVCL", said}}));
    QCOMPARE(cardLastLine(hurtgen), QStringLiteral("Přátelé: Pepa"));
    QStringList listed;
    for (int row = 1; row <= 3; ++row)
        listed << main()->findChild<TextLabel *>(QStringLiteral("LiveCardPlayer%1").arg(row))->caption();
    QVERIFY2(listed.contains(QStringLiteral("\u00bb ^1Pe^7pa")) || listed.contains(QStringLiteral("\u00bb Pepa")),
             qPrintable(listed.join(u',')));
    QVERIFY(listed.contains(QStringLiteral("hrac0")));
    nextRefresh();
    answer({}, {}, {{hurtgen, withPepa}});
    QCOMPARE(m_f->tray->balloons.size(), 1);
    m_f->tray->clickBalloon();
    QCOMPARE(programsStarted(), QStringList{argumentsOf(hurtgen)});
    // A click on someone else's balloon joins nothing.
    m_f->tray->showBalloon(QStringLiteral("OVCL Update"), QStringLiteral("1.9"));
    m_f->tray->clickBalloon();
    QCOMPARE(programsStarted().size(), 1);
}

// A wait, friends and the menu, shown and minimised, all ask at once; no
// server is asked twice within five seconds.
void WaitAndFriendsTest::noServerAskedMoreOftenThanTheFloor()
{
    start({"Pepa"});
    answer({hurtgen});
    onPrompt([](JoinPromptForm &form) { QTest::keyClick(&form, Qt::Key_Return); });
    clickTile(hurtgen);
    auto *background = m_f->launcher->findChild<BackgroundCadence *>();
    QVERIFY(background);
    // Each round lets two seconds pass.
    for (int round = 1; round <= 120; ++round) {
        if (round == 60) {
            TestLaunchers::partsOf(*m_f->launcher).windows->minimise();
            QVERIFY(background->isRunning());
            QCOMPARE(background->timer().interval(), 60 * 1000);
        }
        fire(const_cast<QTimer *>(&wait()->askTimer()));
        if (round % 2 == 0)
            round < 60 ? fire(refreshTimer()) : background->tick();
        answer({hurtgen});
    }
    // An ask opens with its protocol's first request; the players' request
    // and a challenge's repeat belong to it.
    QHash<quint16, QList<qint64>> asks;
    for (const RecordingDatagrams::Sent &sent : m_f->datagrams->sent) {
        for (const QueryTarget &target : ServerQueries::targets()) {
            if (target.port != sent.port)
                continue;
            // Quake 3's opening ends in the try's nonce.
            const QByteArray opening = QuerySession(target.protocol, true).startTry(1, 0);
            if (target.protocol == QueryProtocol::Quake3 ? sent.data.startsWith(opening.chopped(1))
                                                         : sent.data == opening)
                asks[sent.port] << sent.atMs;
        }
    }
    QCOMPARE(asks.size(), 14);
    for (auto it = asks.cbegin(); it != asks.cend(); ++it) {
        for (int i = 1; i < it->size(); ++i)
            QVERIFY2(it->at(i) - it->at(i - 1) >= 5000, qPrintable(QString::number(it.key())));
    }
    QVERIFY(asks.value(ServerQueries::targets().at(hurtgen - 1).port).size() >= 30);
}

void WaitAndFriendsTest::trayServersJoin()
{
    start();
    answer({hurtgen}, {9}, {{classic, server(12)}, {13, server(7, 16)}});
    m_f->queryClock->advance(QueryScheduler::Tries * QueryScheduler::TryTimeoutMs); // entry 9 gives up
    QMenu *servers = m_f->tray->menu->findChild<QMenu *>(QStringLiteral("ServersMenu"));
    QVERIFY(servers);
    QCOMPARE(trayAction("Servers1")->text(), QStringLiteral("Servery"));
    QCOMPARE(trayAction("ServerItem2")->text(), QStringLiteral("OV^CLASSIC 12/24"));
    QVERIFY(trayAction("ServerItem2")->isEnabled());
    QVERIFY(!trayAction("ServerItem9")->isEnabled());
    const QStringList tip = m_f->tray->toolTip.split(QLatin1Char('\n'));
    QCOMPARE(tip.mid(0, 5), QStringList({"OV Game Client", "Hráčů online: 73", "CoD Hurtgen rifle only 24/24",
                                         "OV^CLASSIC 12/24", "UT 7/16"}));
    const QList<QAction *> order = m_f->tray->menu->actions();
    QCOMPARE(order.last()->objectName(), QStringLiteral("Exit1"));
    QVERIFY(order.indexOf(trayAction("Servers1")) < order.indexOf(trayAction("About1")));
    trayAction("ServerItem2")->trigger();
    QCOMPARE(programsStarted(), QStringList{argumentsOf(classic)});
    // A full server asks first, as a click on its tile does.
    bool asked = false;
    onPrompt([&asked](JoinPromptForm &form) {
        asked = true;
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    trayAction("ServerItem6")->trigger();
    QVERIFY(asked);
    QCOMPARE(programsStarted().size(), 1);
    QTest::mouseClick(main()->findChild<QWidget *>(QStringLiteral("Image3")), Qt::LeftButton);
    QCOMPARE(trayAction("Servers1")->text(), QStringLiteral("Servers"));
    QVERIFY(m_f->tray->toolTip.contains(QStringLiteral("Players online: 73")));
}

QTEST_MAIN(WaitAndFriendsTest)
#include "tst_waitandfriends.moc"

// Up again after silence, a free slot after full; only for watched servers,
// which alone are asked while the launcher is minimised.
void WaitAndFriendsTest::watchedServerAnnouncesItself()
{
    start();
    auto *watch = main()->findChild<ServerWatch *>(QStringLiteral("ServerWatch"));
    const int writes = int(m_f->profiles->writes.size());
    for (int number : {hurtgen, 8, 8, classic})
        Pointer::click(main(), ControlPoints::centre(main(), QStringLiteral("WatchToggle%1").arg(number)));
    QCOMPARE(m_f->profiles->writes.mid(writes).last(), QStringLiteral("data.dat [Watch] entry2=1 entry6=1"));
    QVERIFY(watch->ring(hurtgen).isVisible());
    QVERIFY(!watch->ring(8).isVisible());
    answer({hurtgen, 8}, {classic});
    m_f->queryClock->advance(QueryScheduler::Tries * QueryScheduler::TryTimeoutMs);
    nextRefresh();
    answer();
    QCOMPARE(m_f->tray->balloons.size(), 2);
    const QStringList said{m_f->tray->balloons[0].second, m_f->tray->balloons[1].second};
    QVERIFY(said.contains(QStringLiteral("OV^CLASSIC zase běží (3/24)")));
    QVERIFY(said.contains(QStringLiteral("Na CoD Hurtgen rifle only je volné místo (3/24)")));
    // The click joins the server of the last balloon.
    m_f->tray->clickBalloon();
    QCOMPARE(programsStarted(),
             QStringList{argumentsOf(said.last().startsWith(QLatin1String("OV^")) ? classic : hurtgen)});
    TestLaunchers::partsOf(*m_f->launcher).windows->minimise();
    auto *background = m_f->launcher->findChild<BackgroundCadence *>();
    QVERIFY(background->isRunning());
    m_f->queryClock->advance(LiveServerState::AskFloorMs);
    const int sent = int(m_f->datagrams->sent.size());
    fire(const_cast<QTimer *>(&background->timer()));
    m_f->queryClock->advance(200); // requests leave 50 ms apart
    QSet<quint16> asked;
    for (const RecordingDatagrams::Sent &s : m_f->datagrams->sent.mid(sent))
        asked << s.port;
    QCOMPARE(asked, (QSet<quint16>{ServerQueries::targets().at(classic - 1).port,
                                   ServerQueries::targets().at(hurtgen - 1).port}));
}
