// The real browser controls against a real server. Those that lie outside
// their window only send their requests, without a browser engine; those on
// screen wait for the program to begin loading. Whatever a page or a server
// does, the program goes on working.
#include "CommunityServer.h"
#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "Pointer.h"
#include "QuietWait.h"
#include "app/TForm1.h"
#include "platform/browser/NonBlockingPage.h"
#include "platform/browser/PageNotice.h"
#include "platform/browser/RequestOnlyBrowser.h"
#include "platform/browser/WebEngineBrowser.h"
#include "platform/browser/WebEngineBrowserFactory.h"
#include "platform/browser/WebEngineSetup.h"
#include "web/CommunityUrls.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <QWidget>

using Failure = CommunityServer::Failure;
Q_DECLARE_METATYPE(Failure)

namespace {
const QString statusPage = QStringLiteral("/serverstatus/index.php");

QByteArray scriptPage(const char *script)
{
    return QByteArray("<html><body>Orvanta<script>") + script + "</script></body></html>";
}

// The text a page's notice shows.
QString noticeText(const PageNotice *notice)
{
    return notice->findChild<QLabel *>()->text();
}

// A background request runs exactly while its deadline does.
bool loading(const RequestOnlyBrowser *browser)
{
    return browser->findChild<QTimer *>(QStringLiteral("deadline"))->isActive();
}

QWidgetList visibleWindows()
{
    QWidgetList shown;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            shown << w;
    }
    return shown;
}

// Counts the alerts that reach the program.
class CountingPage : public NonBlockingPage
{
public:
    using NonBlockingPage::NonBlockingPage;
    int asked = 0;

protected:
    void javaScriptAlert(const QUrl &origin, const QString &message) override
    {
        ++asked;
        NonBlockingPage::javaScriptAlert(origin, message);
    }
};

QWebEnginePage *pageOf(WebEngineBrowser *browser)
{
    auto *view = browser->findChild<QWebEngineView *>();
    return view ? view->page() : nullptr;
}
} // namespace

class BrowserControlsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void navigateAndRefreshAskTheServer();
    void refreshBeforeAnyPageAsksNothing();
    void aHangingPageDoesNotHoldTheNextLoad();
    void factoryStartsNoEngineForUnseenControls();
    void heldControlLoadsItsLastPageWhenReleased();
    void factoryHoldsControlsUntilLoadingBegins();
    void backgroundRequestEndsByItsDeadline_data();
    void backgroundRequestEndsByItsDeadline();
    void givingUpClosesTheConnection();
    void scriptDialogsAreAnsweredAtOnce_data();
    void scriptDialogsAreAnsweredAtOnce();
    void endlessAlertsLeaveTheMainWindowWorking();
    void aPageThatAsksToStayIsLeft();
    void framesShareThePagesDialogs_data();
    void framesShareThePagesDialogs();
    void deadPageLoadsAgainOnce_data();
    void deadPageLoadsAgainOnce();
    void killedRendererReloadsEveryPageItShowed();

private:
    std::unique_ptr<CommunityServer> m_server;
    std::unique_ptr<QWidget> m_window;
};

void BrowserControlsTest::initTestCase()
{
    for (const char *name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
}

void BrowserControlsTest::init()
{
    m_server = std::make_unique<CommunityServer>();
    QVERIFY(m_server->start());
    m_window = std::make_unique<QWidget>();
}

void BrowserControlsTest::cleanup()
{
    m_window.reset();
    m_server.reset();
}

void BrowserControlsTest::navigateAndRefreshAskTheServer()
{
    const QString online = QStringLiteral("/serverstatus/statistic/online/");
    auto *browser = new RequestOnlyBrowser(m_window.get());
    browser->navigate(m_server->url(online));
    QTRY_COMPARE(m_server->requestCount(online), 1);
    browser->refresh();
    QTRY_COMPARE(m_server->requestCount(online), 2);
    // A new page replaces the one refreshed.
    const QString statistics = QStringLiteral("/serverstatus/statistic/");
    browser->navigate(m_server->url(statistics));
    QTRY_COMPARE(m_server->requestCount(statistics), 1);
    browser->refresh();
    QTRY_COMPARE(m_server->requestCount(statistics), 2);
    QCOMPARE(m_server->requestCount(online), 2);
}

void BrowserControlsTest::refreshBeforeAnyPageAsksNothing()
{
    auto *browser = new RequestOnlyBrowser(m_window.get());
    browser->refresh();
    QTest::qWait(50);
    QVERIFY(m_server->requests().isEmpty());
}

void BrowserControlsTest::aHangingPageDoesNotHoldTheNextLoad()
{
    const QString online = QStringLiteral("/serverstatus/statistic/online/");
    m_server->setFailure(online, Failure::Hang);
    auto *browser = new RequestOnlyBrowser(m_window.get());
    browser->navigate(m_server->url(online));
    QTRY_COMPARE(m_server->requestCount(online), 1);
    browser->refresh(); // ends the hanging load and asks again
    QTRY_COMPARE(m_server->requestCount(online), 2);
    const QString statistics = QStringLiteral("/serverstatus/statistic/");
    browser->navigate(m_server->url(statistics));
    QTRY_COMPARE(m_server->requestCount(statistics), 1);
}

void BrowserControlsTest::factoryStartsNoEngineForUnseenControls()
{
    WebEngineBrowserFactory factory;
    BrowserControl *unseen = factory.create(m_window.get(), false);
    BrowserControl *seen = factory.create(m_window.get(), true);
    QVERIFY(qobject_cast<RequestOnlyBrowser *>(unseen));
    QVERIFY(qobject_cast<WebEngineBrowser *>(seen));
    QCOMPARE(unseen->parentWidget(), m_window.get());
    QCOMPARE(seen->parentWidget(), m_window.get());
    // The unseen control still does its one job.
    const QString page = QStringLiteral("/serverstatus/statistic/1.8.3/");
    unseen->navigate(m_server->url(page));
    QTRY_COMPARE(m_server->requestCount(page), 1);
}

void BrowserControlsTest::heldControlLoadsItsLastPageWhenReleased()
{
    const QString first = QStringLiteral("/serverstatus/index.php");
    const QString second = QStringLiteral("/serverstatus/ip11.php");
    auto *browser = new WebEngineBrowser(m_window.get(), true);
    browser->navigate(m_server->url(first));
    browser->navigate(m_server->url(second));
    browser->refresh();
    QTest::qWait(50);
    QVERIFY(!browser->findChild<QWebEngineView *>());
    QVERIFY(m_server->requests().isEmpty());
    browser->release();
    QVERIFY(browser->findChild<QWebEngineView *>());
    QTRY_COMPARE(m_server->requestCount(second), 1);
    QCOMPARE(m_server->requestCount(first), 0);
}

void BrowserControlsTest::factoryHoldsControlsUntilLoadingBegins()
{
    WebEngineBrowserFactory factory;
    const QString news = QStringLiteral("/serverstatus/novinky.php");
    BrowserControl *early = factory.create(m_window.get(), true);
    early->navigate(m_server->url(news));
    QTest::qWait(50);
    QCOMPARE(m_server->requestCount(news), 0);
    factory.beginLoading();
    QTRY_COMPARE(m_server->requestCount(news), 1);
    factory.beginLoading(); // once only: nothing loads twice
    // Made afterwards, a control loads at once.
    const QString bug = QStringLiteral("/serverstatus/bug.php");
    BrowserControl *late = factory.create(m_window.get(), true);
    late->navigate(m_server->url(bug));
    QTRY_COMPARE(m_server->requestCount(bug), 1);
    QCOMPARE(m_server->requestCount(news), 1);
}

void BrowserControlsTest::backgroundRequestEndsByItsDeadline_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<bool>("endsByItself");
    QTest::newRow("answered") << Failure::None << true;
    QTest::newRow("headers for ever") << Failure::EndlessHeaders << false;
    QTest::newRow("no answer") << Failure::Hang << false;
    QTest::newRow("stalled body") << Failure::Slow << false;
}

void BrowserControlsTest::backgroundRequestEndsByItsDeadline()
{
    QFETCH(Failure, failure);
    QFETCH(bool, endsByItself);
    const QString page = QStringLiteral("/serverstatus/statistic/1.8.3/");
    m_server->setFailure(page, failure);
    auto *browser = new RequestOnlyBrowser(m_window.get());
    auto *deadline = browser->findChild<QTimer *>(QStringLiteral("deadline"));
    QVERIFY(deadline);
    QVERIFY(!deadline->isActive());
    browser->navigate(m_server->url(page));
    QVERIFY(loading(browser));
    QVERIFY(deadline->isActive());
    QVERIFY(deadline->isSingleShot());
    QCOMPARE(deadline->interval(), 20000);
    QTRY_COMPARE(m_server->requestCount(page), 1);
    if (endsByItself) {
        QTRY_VERIFY(!loading(browser));
        QVERIFY(!deadline->isActive());
        return;
    }
    // The server keeps the request busy; only the deadline ends it.
    QTest::qWait(200);
    QVERIFY(loading(browser));
    deadline->start(0);
    QTRY_VERIFY(!loading(browser));
    // The next load has its own deadline.
    browser->refresh();
    QVERIFY(deadline->isActive());
    QCOMPARE(deadline->interval(), 20000);
}

// The deadline ends a request whose server floods it with header lines: its
// connection is closed right then.
void BrowserControlsTest::givingUpClosesTheConnection()
{
    const QString page = QStringLiteral("/serverstatus/statistic/1.8.3/");
    m_server->setFailure(page, Failure::EndlessHeaders);
    auto *browser = new RequestOnlyBrowser(m_window.get());
    browser->navigate(m_server->url(page));
    QTRY_COMPARE(m_server->headerFloods(), 1);
    QVERIFY(loading(browser));
    QMetaObject::invokeMethod(browser->findChild<QTimer *>(QStringLiteral("deadline")), "timeout");
    QVERIFY(!loading(browser));
    QVERIFY(quietlyUntil([&] { return m_server->headerFloods() == 0; }, 1000));
}

void BrowserControlsTest::scriptDialogsAreAnsweredAtOnce_data()
{
    QTest::addColumn<bool>("limitInPage");
    QTest::newRow("counted in the page") << true;
    QTest::newRow("counted by the program alone") << false;
}

// An alert shows its message over the page; a confirmation is declined and a
// prompt cancelled without asking. Three dialogs per load, then no more
// until the page loads again.
void BrowserControlsTest::scriptDialogsAreAnsweredAtOnce()
{
    QFETCH(bool, limitInPage);
    m_server->setContent(statusPage,
                         scriptPage("var answers = [confirm('Opravdu?'), prompt('Jmeno?', 'hrac')];"
                                    "alert('Vitej'); alert('Navic');"
                                    "document.title = answers.map(String).join('/');"),
                         QStringLiteral("text/html"));
    auto *browser = new WebEngineBrowser(m_window.get(), false);
    browser->resize(369, 418);
    browser->navigate(m_server->url(statusPage));
    auto *page = qobject_cast<NonBlockingPage *>(pageOf(browser));
    QVERIFY(page);
    if (!limitInPage)
        page->scripts().clear();
    QSignalSpy alerts(page, &NonBlockingPage::alerted);
    QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
    QTRY_COMPARE(page->title(), QStringLiteral("false/null"));
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts.first().first().toString(), QStringLiteral("Vitej"));
    auto *notice = browser->findChild<PageNotice *>();
    QVERIFY(notice && !notice->isHidden());
    QCOMPARE(noticeText(notice), QStringLiteral("Vitej"));
    QCOMPARE(notice->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(notice->width(), browser->width());
    // Loading again allows dialogs again.
    QTRY_VERIFY(!loaded.isEmpty());
    browser->refresh();
    QTRY_COMPARE_WITH_TIMEOUT(alerts.size(), 2, 15000);
    // OK dismisses the notice.
    auto *ok = notice->findChild<QPushButton *>();
    QVERIFY(ok);
    ok->click();
    QVERIFY(notice->isHidden());
}

void BrowserControlsTest::endlessAlertsLeaveTheMainWindowWorking()
{
    // Served on a host name of its own: the looping page's renderer process
    // is not shared with the pages of the other tests.
    m_server->setContent(statusPage, scriptPage("var n = 0; setTimeout(function () { while (true) alert('Zprava ' + ++n); }, 0);"),
                         QStringLiteral("text/html"));
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.start();
    TForm1 *main = form1(l);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QTRY_VERIFY(form15(l)->isVisible()); // the news, at the end of start-up
    auto *browser = new WebEngineBrowser(main, false);
    browser->setGeometry(305, 180, 369, 418);
    browser->show();
    const QWidgetList windowsBefore = visibleWindows();
    browser->navigate(QStringLiteral("http://localhost:%1%2").arg(m_server->port()).arg(statusPage));
    auto *page = qobject_cast<NonBlockingPage *>(pageOf(browser));
    QSignalSpy alerts(page, &NonBlockingPage::alerted);
    QTRY_COMPARE(alerts.size(), NonBlockingPage::dialogsPerLoad);
    auto *notice = browser->findChild<PageNotice *>();
    QCOMPARE(noticeText(notice), QStringLiteral("Zprava 3"));
    // The page goes on calling alert(); the main window takes a click.
    Pointer::click(main, QPoint(177, 60));
    QCOMPARE(f.shell->calls.size(), 1);
    QCOMPARE(f.shell->calls.first().file, CommunityUrls::home());
    QTest::qWait(100);
    QCOMPARE(alerts.size(), NonBlockingPage::dialogsPerLoad);
    QCOMPARE(noticeText(notice), QStringLiteral("Zprava 3"));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(visibleWindows(), windowsBefore);
}

// A page that asks to be kept once the player has touched it (an unload
// handler) still makes way for the page the launcher loads.
void BrowserControlsTest::aPageThatAsksToStayIsLeft()
{
    m_server->setContent(statusPage,
                         scriptPage("onbeforeunload = function (e) { e.preventDefault(); return 'Zustan'; };"
                                    "onmousedown = function () { setTimeout(function () {"
                                    " document.title = String(navigator.userActivation.hasBeenActive); }, 0); };"),
                         QStringLiteral("text/html"));
    auto *browser = new WebEngineBrowser(m_window.get(), false);
    browser->resize(369, 418);
    m_window->show();
    browser->navigate(m_server->url(statusPage));
    QWebEnginePage *page = pageOf(browser);
    QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
    QTRY_COMPARE(loaded.size(), 1);
    QWidget *surface = browser->findChild<QWebEngineView *>()->focusProxy();
    QTRY_VERIFY(surface && surface->isVisible());
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(50, 50));
    QTRY_COMPARE(page->title(), QStringLiteral("true"));
    const QString next = QStringLiteral("/serverstatus/ip11.php");
    browser->navigate(m_server->url(next));
    QTRY_COMPARE(page->url().path(), next);
    QTRY_COMPARE(loaded.size(), 2);
}

void BrowserControlsTest::framesShareThePagesDialogs_data()
{
    QTest::addColumn<QByteArray>("frame"); // how the page reaches its blank frame
    QTest::newRow("element") << QByteArray("f.contentWindow");
    QTest::newRow("document") << QByteArray("f.contentDocument.defaultView");
    QTest::newRow("index") << QByteArray("frames[0]");
}

// A blank frame's dialogs count toward its page's three, and those beyond
// them never reach the program.
void BrowserControlsTest::framesShareThePagesDialogs()
{
    QFETCH(QByteArray, frame);
    m_server->setContent(statusPage,
                         scriptPage("var f = document.createElement('iframe'); document.body.appendChild(f);"
                                    "for (var i = 0; i < 300; ++i) " + frame + ".alert('Ram ' + i);"
                                    "alert('Hlavni'); document.title = 'hotovo';"),
                         QStringLiteral("text/html"));
    QWebEngineView view;
    auto *page = new CountingPage(&view);
    view.setPage(page);
    QSignalSpy alerts(page, &NonBlockingPage::alerted);
    page->load(QUrl(m_server->url(statusPage)));
    QTRY_COMPARE(page->title(), QStringLiteral("hotovo"));
    QCOMPARE(alerts.size(), NonBlockingPage::dialogsPerLoad);
    QCOMPARE(alerts.last().first().toString(), QStringLiteral("Ram 2"));
    QCOMPARE(page->asked, NonBlockingPage::dialogsPerLoad);
}

void BrowserControlsTest::deadPageLoadsAgainOnce_data()
{
    QTest::addColumn<qint64>("later");        // ms from the first death to the second
    QTest::addColumn<bool>("navigateBetween"); // a new page is asked for in between
    QTest::addColumn<bool>("loadsAgain");      // the second death brings the page back
    QTest::newRow("again within a minute") << qint64(59999) << false << false;
    QTest::newRow("again a minute later") << qint64(60000) << false << true;
    QTest::newRow("after a navigation") << qint64(1) << true << true;
}

void BrowserControlsTest::deadPageLoadsAgainOnce()
{
    QFETCH(qint64, later);
    QFETCH(bool, navigateBetween);
    QFETCH(bool, loadsAgain);
    qint64 now = 5000000;
    auto *browser = new WebEngineBrowser(m_window.get(), false, [&now] { return now; });
    browser->navigate(m_server->url(statusPage));
    QWebEnginePage *page = pageOf(browser);
    QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
    QTRY_COMPARE(loaded.size(), 1);

    emit page->renderProcessTerminated(QWebEnginePage::CrashedTerminationStatus, 1);
    QTRY_COMPARE(loaded.size(), 2);
    QCOMPARE(m_server->requestCount(statusPage), 2);

    QString expected = statusPage;
    if (navigateBetween) {
        expected = QStringLiteral("/serverstatus/ip11.php");
        browser->navigate(m_server->url(expected));
        QTRY_COMPARE(loaded.size(), 3);
    }
    const int before = m_server->requestCount(expected);
    now += later;
    emit page->renderProcessTerminated(QWebEnginePage::KilledTerminationStatus, 9);
    if (loadsAgain) {
        QTRY_COMPARE(m_server->requestCount(expected), before + 1);
    } else {
        QTest::qWait(200);
        QCOMPARE(m_server->requestCount(expected), before);
    }
}

// Pages of one site share their renderer process; when it is killed, every
// control that showed one of them loads its page again.
void BrowserControlsTest::killedRendererReloadsEveryPageItShowed()
{
    const QString news = QStringLiteral("/serverstatus/novinky.php");
    auto *status = new WebEngineBrowser(m_window.get(), false);
    auto *newsBox = new WebEngineBrowser(m_window.get(), false);
    status->navigate(m_server->url(statusPage));
    newsBox->navigate(m_server->url(news));
    QSignalSpy statusDied(pageOf(status), &QWebEnginePage::renderProcessTerminated);
    QSignalSpy newsDied(pageOf(newsBox), &QWebEnginePage::renderProcessTerminated);
    QSignalSpy statusLoaded(pageOf(status), &QWebEnginePage::loadFinished);
    QTRY_COMPARE(statusLoaded.size(), 1);
    QTRY_VERIFY(pageOf(newsBox)->url().isValid() && !pageOf(newsBox)->url().isEmpty());
    QTRY_COMPARE(m_server->requestCount(news), 1);
    pageOf(status)->load(QUrl(QStringLiteral("chrome://kill")));
    QTRY_COMPARE(statusDied.size(), 1);
    QTRY_COMPARE(newsDied.size(), 1);
    QTRY_COMPARE(m_server->requestCount(statusPage), 2);
    QTRY_COMPARE(m_server->requestCount(news), 2);
}

int main(int argc, char **argv)
{
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    BrowserControlsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_browsercontrols.moc"
