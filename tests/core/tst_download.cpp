// CurlDownloadService against an in-process community server.

#include "CommunityServer.h"
#include "QuietWait.h"
#include "platform/network/CurlDownloadService.h"
#include "platform/network/HttpRequest.h"
#include "FileBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

#include <memory>

using Failure = CommunityServer::Failure;
Q_DECLARE_METATYPE(CommunityServer::Failure)

namespace {

const QString versionPath = QStringLiteral("/serverstatus/update/version.inf");

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// The message of the DownloadError thrown, or "no error".
QString failureOf(CurlDownloadService &service, const QString &url, const QString &file)
{
    try {
        service.downloadToFile(url, file);
    } catch (const DownloadError &e) {
        return QString::fromStdString(e.what());
    }
    return QStringLiteral("no error");
}

} // namespace

class DownloadTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void savesBodyExactly();
    void replacesExistingTarget();
    void savesGarbageBecauseStatusIsSuccess();
    void acceptsBodyOfExactlyTheLimit();
    void savesBuiltInCounters();
    void failures_data();
    void failures();
    void failureRemovesStaleTarget();
    void failsWhenFolderIsMissing();
    void batchSharesOneBudget();
    void spentBatchFailsWithoutAsking();
    void waitingKeepsTheLoopRunning_data();
    void waitingKeepsTheLoopRunning();
    void quittingEndsAWaitingFetch();
    void floodOfHeaderLinesEndsWithTheFetch_data();
    void floodOfHeaderLinesEndsWithTheFetch();
    void redirects_data();
    void redirects();
    void redirectRule_data();
    void redirectRule();
    void fullDiskKeepsTheOldFile();
    void leftoverOfAKilledFetchIsRemoved();

private:
    QString target() const { return m_dir->filePath(QStringLiteral("version.inf")); }
    QStringList folderEntries() const;
    int deadPort() const;

    std::unique_ptr<CommunityServer> m_server;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void DownloadTest::initTestCase()
{
    // The transfers go to 127.0.0.1 directly, whatever the environment says.
    for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
}

void DownloadTest::init()
{
    m_server = std::make_unique<CommunityServer>();
    QVERIFY(m_server->start());
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void DownloadTest::cleanup()
{
    QElapsedTimer timer;
    timer.start();
    m_server.reset();
    // Stalled answers give up when the server stops.
    QVERIFY2(timer.elapsed() < 3000, "stopping the server took too long");
    m_dir.reset();
}

QStringList DownloadTest::folderEntries() const
{
    return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

int DownloadTest::deadPort() const
{
    CommunityServer probe;
    if (!probe.start())
        return 1;
    const int port = probe.port();
    probe.stop();
    return port;
}

void DownloadTest::savesBodyExactly()
{
    const QByteArray body = "[Setting]\r\nver=1.9\r\nnew1=Nový vzhled\r\nnew2=New look\r\n";
    m_server->setContent(versionPath, body);
    CurlDownloadService service;
    service.downloadToFile(m_server->url(versionPath), target());
    QCOMPARE(readFile(target()), body);
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("version.inf")});
    QCOMPARE(m_server->requestCount(versionPath), 1);
    QCOMPARE(m_server->requests(), QStringList{QStringLiteral("GET ") + versionPath});
}

void DownloadTest::replacesExistingTarget()
{
    QVERIFY(writeFile(target(), QByteArray("old content that is longer than the new one\n")));
    m_server->setContent(versionPath, "[Setting]\r\nver=1.8.3\r\n");
    CurlDownloadService service;
    service.downloadToFile(m_server->url(versionPath), target());
    QCOMPARE(readFile(target()), QByteArray("[Setting]\r\nver=1.8.3\r\n"));
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("version.inf")});
}

void DownloadTest::savesGarbageBecauseStatusIsSuccess()
{
    m_server->setFailure(versionPath, Failure::Garbage);
    CurlDownloadService service;
    service.downloadToFile(m_server->url(versionPath), target());
    QCOMPARE(QFileInfo(target()).size(), qint64(CommunityServer::GarbageBytes));
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("version.inf")});
}

void DownloadTest::acceptsBodyOfExactlyTheLimit()
{
    const QByteArray body(1000, 'x');
    m_server->setContent(versionPath, body);
    DownloadLimits options;
    options.maxBytes = 1000;
    CurlDownloadService service(options);
    service.downloadToFile(m_server->url(versionPath), target());
    QCOMPARE(readFile(target()), body);
}

void DownloadTest::savesBuiltInCounters()
{
    const QString counter = QStringLiteral("/serverstatus/statistic/pocet.inc");
    const QString online = QStringLiteral("/serverstatus/statistic/online/online.inc");
    const QString file = m_dir->filePath(QStringLiteral("statistic.inf"));
    CurlDownloadService service;

    service.downloadToFile(m_server->url(counter), file);
    bool ok = false;
    const qint64 first = readFile(file).toLongLong(&ok);
    QVERIFY(ok);
    service.downloadToFile(m_server->url(counter), file);
    QVERIFY(readFile(file).toLongLong() > first);

    service.downloadToFile(m_server->url(online), file);
    const QByteArray players = readFile(file);
    players.toInt(&ok);
    QVERIFY(ok);
    service.downloadToFile(m_server->url(online), file);
    QVERIFY(readFile(file) != players);
}

void DownloadTest::failures_data()
{
    QTest::addColumn<QString>("url");          // %1 is "http://127.0.0.1:port"
    QTest::addColumn<bool>("refused");         // %1 names a port nobody listens on
    QTest::addColumn<QString>("failurePath");  // empty: every path
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QByteArray>("content");   // served at the url's path when set
    QTest::addColumn<int>("totalTimeoutMs");
    QTest::addColumn<qint64>("maxBytes");

    const QString version = QStringLiteral("%1") + versionPath;
    const qint64 mib = 1024 * 1024;
    QTest::newRow("not found") << version << false << versionPath << Failure::NotFound << QByteArray() << 2000 << mib;
    QTest::newRow("unknown path") << QStringLiteral("%1/no/such/file.inf") << false << QString() << Failure::None
                                  << QByteArray() << 2000 << mib;
    QTest::newRow("every path failing") << version << false << QString() << Failure::NotFound << QByteArray() << 2000 << mib;
    QTest::newRow("connection refused") << version << true << QString() << Failure::None << QByteArray() << 2000 << mib;
    QTest::newRow("stalling transfer") << version << false << versionPath << Failure::Slow << QByteArray() << 300 << mib;
    QTest::newRow("no answer") << version << false << versionPath << Failure::Hang << QByteArray() << 300 << mib;
    QTest::newRow("body grows past limit") << version << false << versionPath << Failure::Oversized << QByteArray()
                                           << 3000 << mib;
    QTest::newRow("declared length over limit") << version << false << QString() << Failure::None
                                                << QByteArray(4000, 'x') << 2000 << qint64(1000);
    QTest::newRow("other scheme") << QStringLiteral("file:///etc/hostname") << false << QString() << Failure::None
                                  << QByteArray() << 2000 << mib;
    QTest::newRow("malformed address") << QStringLiteral("http://") << false << QString() << Failure::None
                                       << QByteArray() << 2000 << mib;
}

void DownloadTest::failures()
{
    QFETCH(QString, url);
    QFETCH(bool, refused);
    QFETCH(QString, failurePath);
    QFETCH(Failure, failure);
    QFETCH(QByteArray, content);
    QFETCH(int, totalTimeoutMs);
    QFETCH(qint64, maxBytes);

    if (url.contains(QLatin1String("%1"))) {
        const QString base = refused ? QStringLiteral("http://127.0.0.1:%1").arg(deadPort())
                                     : QStringLiteral("http://") + m_server->hostWithPort();
        url = url.arg(base);
    }
    m_server->setFailure(failurePath, failure);
    if (!content.isEmpty())
        m_server->setContent(versionPath, content);

    DownloadLimits options;
    options.totalTimeoutMs = totalTimeoutMs;
    options.maxBytes = maxBytes;
    CurlDownloadService service(options);

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(failureOf(service, url, target()), QStringLiteral("Error downloading URL: ") + url);
    QVERIFY(timer.elapsed() < 4000);
    QCOMPARE(folderEntries(), QStringList());
}

void DownloadTest::failureRemovesStaleTarget()
{
    QVERIFY(writeFile(target(), QByteArray("[Setting]\r\nver=1.7\r\n")));
    m_server->setFailure(versionPath, Failure::NotFound);
    CurlDownloadService service;
    const QString url = m_server->url(versionPath);
    QCOMPARE(failureOf(service, url, target()), QStringLiteral("Error downloading URL: ") + url);
    QCOMPARE(folderEntries(), QStringList());
}

void DownloadTest::failsWhenFolderIsMissing()
{
    const QString file = m_dir->filePath(QStringLiteral("missing/version.inf"));
    CurlDownloadService service;
    const QString url = m_server->url(versionPath);
    QCOMPARE(failureOf(service, url, file), QStringLiteral("Error downloading URL: ") + url);
    QCOMPARE(folderEntries(), QStringList());
    QCOMPARE(m_server->requestCount(versionPath), 0);
}

// Two fetches of one handler against a server that never answers: together
// they take about the time one fetch may, not twice that.
void DownloadTest::batchSharesOneBudget()
{
    m_server->setFailure(QString(), Failure::Hang);
    DownloadLimits options;
    options.totalTimeoutMs = 600;
    CurlDownloadService service(options);
    const QString first = m_server->url(versionPath);
    const QString second = m_server->url(QStringLiteral("/serverstatus/statistic/pocet.inc"));
    QElapsedTimer timer;
    timer.start();
    {
        DownloadBatch batch(service);
        QCOMPARE(failureOf(service, first, target()), QStringLiteral("Error downloading URL: ") + first);
        QCOMPARE(failureOf(service, second, target()), QStringLiteral("Error downloading URL: ") + second);
    }
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(folderEntries(), QStringList());

    // Out of the batch, a fetch has its whole time again.
    m_server->setFailure(QString(), Failure::None);
    m_server->setContent(versionPath, "[Setting]\r\nver=1.8.3\r\n");
    QCOMPARE(failureOf(service, first, target()), QStringLiteral("no error"));
}

void DownloadTest::spentBatchFailsWithoutAsking()
{
    m_server->setContent(versionPath, "[Setting]\r\nver=1.8.3\r\n");
    QVERIFY(writeFile(target(), "stale"));
    DownloadLimits options;
    options.totalTimeoutMs = 20;
    CurlDownloadService service(options);
    const QString url = m_server->url(versionPath);
    service.beginBatch();
    service.beginBatch(); // a nested batch keeps the outer deadline
    QThread::msleep(40);
    service.endBatch();
    QCOMPARE(failureOf(service, url, target()), QStringLiteral("Error downloading URL: ") + url);
    service.endBatch();
    QCOMPARE(m_server->requestCount(versionPath), 0);
    QCOMPARE(folderEntries(), QStringList());
}

// A server that never answers, or stops halfway: the caller waits while the
// event loop runs, the old file keeps its bytes until the fetch has ended,
// and the fetch fails within its time.
void DownloadTest::waitingKeepsTheLoopRunning_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<bool>("halfArrives"); // in the temporary file meanwhile

    QTest::newRow("no answer") << Failure::Hang << false;
    QTest::newRow("stalled body") << Failure::Slow << true;
}

void DownloadTest::waitingKeepsTheLoopRunning()
{
    QFETCH(Failure, failure);
    QFETCH(bool, halfArrives);
    const QByteArray body = "[Setting]\r\nver=1.9\r\n";
    m_server->setContent(versionPath, body);
    m_server->setFailure(versionPath, failure);
    QVERIFY(writeFile(target(), "old"));
    DownloadLimits options;
    options.totalTimeoutMs = 500;
    CurlDownloadService service(options);
    const QString url = m_server->url(versionPath);

    int beats = 0;
    QByteArray partial = "?", old = "?";
    QString second;
    QTimer beat;
    connect(&beat, &QTimer::timeout, this, [&] {
        partial = readFile(partialOf(target()));
        old = readFile(target());
        // A second fetch of the same file while the first one runs.
        if (++beats == 3)
            second = failureOf(service, url, target());
    });
    beat.start(50);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(failureOf(service, url, target()), QStringLiteral("Error downloading URL: ") + url);
    QVERIFY2(timer.elapsed() < options.totalTimeoutMs + 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(beats >= 3, qPrintable(QString::number(beats)));
    QCOMPARE(partial, halfArrives ? body.left(body.size() / 2) : QByteArray());
    QCOMPARE(old, QByteArray("old"));
    QCOMPARE(second, QStringLiteral("Error downloading URL: ") + url);
    QCOMPARE(m_server->requestCount(versionPath), 1);
    QCOMPARE(folderEntries(), QStringList());
}

// Quitting ends every event loop, and with it a fetch that waits.
void DownloadTest::quittingEndsAWaitingFetch()
{
    m_server->setFailure(versionPath, Failure::Hang);
    CurlDownloadService service;
    const QString url = m_server->url(versionPath);
    QString result;
    QElapsedTimer timer;
    QTimer::singleShot(0, this, [&] {
        timer.start();
        result = failureOf(service, url, target());
    });
    QTimer::singleShot(100, this, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    QCOMPARE(result, QStringLiteral("Error downloading URL: ") + url);
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(folderEntries(), QStringList());
}

void DownloadTest::floodOfHeaderLinesEndsWithTheFetch_data()
{
    QTest::addColumn<qint64>("maxHeaderBytes");
    QTest::addColumn<int>("totalTimeoutMs");
    QTest::newRow("given up by its time") << (qint64(1) << 40) << 400;
    QTest::newRow("head too long") << DownloadLimits().maxHeaderBytes << 4000;
}

// Header lines without pause: the fetch fails, its connection is closed by
// the time it returns, the next fetch works and the service goes at once.
void DownloadTest::floodOfHeaderLinesEndsWithTheFetch()
{
    QFETCH(qint64, maxHeaderBytes);
    QFETCH(int, totalTimeoutMs);
    const QString counterPath = QStringLiteral("/serverstatus/statistic/pocet.inc");
    m_server->setFailure(counterPath, Failure::EndlessHeaders);
    DownloadLimits options;
    options.maxHeaderBytes = maxHeaderBytes;
    options.totalTimeoutMs = totalTimeoutMs;
    auto service = std::make_unique<CurlDownloadService>(options);
    const QString flooded = m_server->url(counterPath);

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(failureOf(*service, flooded, target()), QStringLiteral("Error downloading URL: ") + flooded);
    QVERIFY2(timer.elapsed() < totalTimeoutMs + 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(m_server->requestCount(counterPath), 1);
    QVERIFY(quietlyUntil([&] { return m_server->headerFloods() == 0; }, 1000));

    const QByteArray body = "[Setting]\r\nver=1.8.3\r\n";
    m_server->setContent(versionPath, body);
    QCOMPARE(failureOf(*service, m_server->url(versionPath), target()), QStringLiteral("no error"));
    QCOMPARE(readFile(target()), body);
    timer.restart();
    service.reset();
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
}

void DownloadTest::redirects_data()
{
    QTest::addColumn<QStringList>("hops"); // where /hop1, /hop2, ... send the client
    QTest::addColumn<bool>("saved");

    const QString server = QStringLiteral("http://%1");
    const auto chain = [&](int length) {
        QStringList hops;
        for (int i = 2; i <= length; ++i)
            hops << QStringLiteral("/hop%1").arg(i);
        return hops << server + versionPath;
    };
    QTest::newRow("five") << chain(5) << true;
    QTest::newRow("six") << chain(6) << false;
    QTest::newRow("relative") << QStringList{QStringLiteral("/hop2"), versionPath} << true;
    QTest::newRow("to a local file") << QStringList{QStringLiteral("file:///etc/hostname")} << false;
    QTest::newRow("to a local file later") << QStringList{QStringLiteral("/hop2"), QStringLiteral("file:///etc/hostname")}
                                           << false;
    QTest::newRow("to another scheme") << QStringList{QStringLiteral("ovcl://%1/serverstatus/update/version.inf")}
                                       << false;
}

void DownloadTest::redirects()
{
    QFETCH(QStringList, hops);
    QFETCH(bool, saved);
    const QByteArray body = "[Setting]\r\nver=1.9\r\n";
    m_server->setContent(versionPath, body);
    for (int i = 0; i < hops.size(); ++i)
        m_server->setRedirect(QStringLiteral("/hop%1").arg(i + 1),
                              QString(hops.at(i)).replace(QLatin1String("%1"), m_server->hostWithPort()));
    CurlDownloadService service;
    const QString url = m_server->url(QStringLiteral("/hop1"));
    QCOMPARE(failureOf(service, url, target()), saved ? QStringLiteral("no error") : QStringLiteral("Error downloading URL: ") + url);
    QCOMPARE(readFile(target()), saved ? body : QByteArray());
    QCOMPARE(folderEntries(), saved ? QStringList{QStringLiteral("version.inf")} : QStringList());
    QCOMPARE(m_server->requestCount(versionPath), saved ? 1 : 0);
}

// The rule each hop of a redirect chain is held to, by the downloads and
// by the request-only browser alike.
void DownloadTest::redirectRule_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("followed");

    QTest::newRow("http to http") << "http://a.cz/x" << "http://b.cz/y" << true;
    QTest::newRow("http to https") << "http://a.cz/x" << "https://a.cz/x" << true;
    QTest::newRow("https to https") << "https://a.cz/x" << "https://b.cz/y" << true;
    QTest::newRow("https to http") << "https://a.cz/x" << "http://a.cz/x" << false;
    QTest::newRow("https to http, other case") << "HTTPS://a.cz/x" << "HTTP://a.cz/x" << false;
    QTest::newRow("to a local file") << "http://a.cz/x" << "file:///etc/hostname" << false;
    QTest::newRow("to an address without host") << "http://a.cz/x" << "http:///x" << false;
}

void DownloadTest::redirectRule()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, followed);
    QCOMPARE(HttpRequest::mayFollow(QUrl(from), QUrl(to)), followed);
}

// The disk takes only part of the body (a file size limit stands in for a
// full disk): the fetch fails and the old file keeps its bytes.
void DownloadTest::fullDiskKeepsTheOldFile()
{
    m_server->setContent(versionPath, QByteArray(4000, 'x'));
    QVERIFY(writeFile(target(), "[Setting]\r\nver=1.8.3\r\n"));
    CurlDownloadService service;
    const QString url = m_server->url(versionPath);

    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 1000;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString result = failureOf(service, url, target());
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(result, QStringLiteral("Error downloading URL: ") + url);
    QCOMPARE(readFile(target()), QByteArray("[Setting]\r\nver=1.8.3\r\n"));
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("version.inf")});
}

// A fetch that was killed left its temporary file; the next fetch of the same
// file removes it, and a player's file of a similar name stays.
void DownloadTest::leftoverOfAKilledFetchIsRemoved()
{
    const QString leftover = target() + QStringLiteral(".killedfetch1.ovcl-partial");
    const QString players = target() + QStringLiteral(".partial");
    QVERIFY(writeFile(leftover, "[Setting]\r\nver=1."));
    QVERIFY(writeFile(players, "mine"));
    m_server->setFailure(versionPath, Failure::NotFound);
    CurlDownloadService service;
    failureOf(service, m_server->url(versionPath), target());
    QVERIFY(!QFile::exists(leftover));
    QCOMPARE(readFile(players), QByteArray("mine"));
}

QTEST_GUILESS_MAIN(DownloadTest)
#include "tst_download.moc"
