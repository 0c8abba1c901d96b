// The browser controls that lie outside their window: they only send their
// requests, to a real server, without a browser engine.
#include "CommunityServer.h"
#include "platform/RequestOnlyBrowser.h"
#include "platform/WebEngineBrowser.h"
#include "platform/WebEngineBrowserFactory.h"

#include <QNetworkAccessManager>
#include <QTest>
#include <QWidget>

using Failure = CommunityServer::Failure;

class RequestOnlyBrowserTest : public QObject
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

private:
    std::unique_ptr<CommunityServer> m_server;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<QNetworkAccessManager> m_network;
};

void RequestOnlyBrowserTest::initTestCase()
{
    for (const char *name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
}

void RequestOnlyBrowserTest::init()
{
    m_server = std::make_unique<CommunityServer>();
    QVERIFY(m_server->start());
    m_window = std::make_unique<QWidget>();
    m_network = std::make_unique<QNetworkAccessManager>();
}

void RequestOnlyBrowserTest::cleanup()
{
    m_window.reset();
    m_network.reset();
    m_server.reset();
}

void RequestOnlyBrowserTest::navigateAndRefreshAskTheServer()
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

void RequestOnlyBrowserTest::refreshBeforeAnyPageAsksNothing()
{
    auto *browser = new RequestOnlyBrowser(m_window.get(), m_network.get());
    browser->refresh();
    QTest::qWait(50);
    QVERIFY(m_server->requests().isEmpty());
}

void RequestOnlyBrowserTest::aHangingPageDoesNotHoldTheNextLoad()
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

void RequestOnlyBrowserTest::factoryStartsNoEngineForUnseenControls()
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

QTEST_MAIN(RequestOnlyBrowserTest)
#include "tst_requestonlybrowser.moc"
