// The real browser controls against a real server. Those that lie outside
// their window only send their requests, without a browser engine; those on
// screen wait for the program to begin loading.
#include "CommunityServer.h"
#include "platform/RequestOnlyBrowser.h"
#include "platform/WebEngineBrowser.h"
#include "platform/WebEngineBrowserFactory.h"
#include "platform/WebEngineSetup.h"

#include <QNetworkAccessManager>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <QWidget>

using Failure = CommunityServer::Failure;
Q_DECLARE_METATYPE(Failure)

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

private:
    std::unique_ptr<CommunityServer> m_server;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<QNetworkAccessManager> m_network;
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
    m_network = std::make_unique<QNetworkAccessManager>();
}

void BrowserControlsTest::cleanup()
{
    m_window.reset();
    m_network.reset();
    m_server.reset();
}

void BrowserControlsTest::navigateAndRefreshAskTheServer()
{
    const QString online = QStringLiteral("/serverstatus/statistic/online/");
    auto *browser = new RequestOnlyBrowser(m_window.get(), m_network.get());
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
    auto *browser = new RequestOnlyBrowser(m_window.get(), m_network.get());
    browser->refresh();
    QTest::qWait(50);
    QVERIFY(m_server->requests().isEmpty());
}

void BrowserControlsTest::aHangingPageDoesNotHoldTheNextLoad()
{
    const QString online = QStringLiteral("/serverstatus/statistic/online/");
    m_server->setFailure(online, Failure::Hang);
    auto *browser = new RequestOnlyBrowser(m_window.get(), m_network.get());
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
    auto *browser = new RequestOnlyBrowser(m_window.get(), m_network.get());
    auto *deadline = browser->findChild<QTimer *>(QStringLiteral("deadline"));
    QVERIFY(deadline);
    QVERIFY(!deadline->isActive());
    browser->navigate(m_server->url(page));
    QVERIFY(browser->isLoading());
    QVERIFY(deadline->isActive());
    QVERIFY(deadline->isSingleShot());
    QCOMPARE(deadline->interval(), 20000);
    QTRY_COMPARE(m_server->requestCount(page), 1);
    if (endsByItself) {
        QTRY_VERIFY(!browser->isLoading());
        QVERIFY(!deadline->isActive());
        return;
    }
    // The server keeps the request busy; only the deadline ends it.
    QTest::qWait(200);
    QVERIFY(browser->isLoading());
    deadline->start(0);
    QTRY_VERIFY(!browser->isLoading());
    // The next load has its own deadline.
    browser->refresh();
    QVERIFY(deadline->isActive());
    QCOMPARE(deadline->interval(), 20000);
}

int main(int argc, char **argv)
{
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    BrowserControlsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_browsercontrols.moc"
