#include "CommunityHosts.h"
#include "app/ProductInfo.h"
#include "web/CommunityUrls.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTest>

namespace {
QString on(const char *host, const char *path)
{
    return QStringLiteral("http://") + QString::fromUtf8(host) + QString::fromUtf8(path);
}
} // namespace

class UrlsTest : public QObject
{
    Q_OBJECT
private slots:
    void everyAddressIsHostAndPath_data();
    void everyAddressIsHostAndPath();
    void versionPageNamesTheOwnVersion();
    void noOtherSourceSpellsAPath();
};

void UrlsTest::everyAddressIsHostAndPath_data()
{
    using namespace CommunityHosts;
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("expected");
    QTest::newRow("version.inf") << CommunityUrls::versionInf() << on(web, "/serverstatus/update/version.inf");
    QTest::newRow("version.dat") << CommunityUrls::versionDat() << on(web, "/serverstatus/update/version.dat");
    QTest::newRow("pocet.inc") << CommunityUrls::accessCounter() << on(web, "/serverstatus/statistic/pocet.inc");
    QTest::newRow("online.inc") << CommunityUrls::onlineCounter() << on(web, "/serverstatus/statistic/online/online.inc");
    QTest::newRow("home") << CommunityUrls::home() << on(web, "/");
    QTest::newRow("index.php") << CommunityUrls::statusOverview() << on(web, "/serverstatus/index.php");
    QTest::newRow("ip11.php") << CommunityUrls::statusOfServer(11) << on(web, "/serverstatus/ip11.php");
    QTest::newRow("novinky.php") << CommunityUrls::newsCzech() << on(web, "/serverstatus/novinky.php");
    QTest::newRow("news.php") << CommunityUrls::newsEnglish() << on(web, "/serverstatus/news.php");
    QTest::newRow("ov_news.php") << CommunityUrls::launcherNews() << on(web, "/serverstatus/ov_news.php");
    QTest::newRow("speedtest") << CommunityUrls::speedTest() << on(web, "/serverstatus/speedtest/");
    QTest::newRow("ban list") << CommunityUrls::banList() << on(web, "/amxbans/ban_list.php");
    // The bare site name serves these three.
    QTest::newRow("bug.php") << CommunityUrls::bugReport() << on(site, "/serverstatus/bug.php");
    QTest::newRow("statistic") << CommunityUrls::statistics() << on(site, "/serverstatus/statistic/");
    QTest::newRow("statistic online") << CommunityUrls::statisticsOnline() << on(site, "/serverstatus/statistic/online/");
    // The forum: its root without a trailing slash, and the chat.
    QTest::newRow("forum") << CommunityUrls::forumHome() << on(forum, "");
    QTest::newRow("chat") << CommunityUrls::chat() << on(forum, "/chat/");
    QTest::newRow("author") << CommunityUrls::author() << QString::fromUtf8(authorUrl);
}

void UrlsTest::everyAddressIsHostAndPath()
{
    QFETCH(QString, url);
    QFETCH(QString, expected);
    QCOMPARE(url, expected);
    QVERIFY(url.startsWith("http://"));
}

void UrlsTest::versionPageNamesTheOwnVersion()
{
    QCOMPARE(CommunityUrls::statisticsOfVersion(), on(CommunityHosts::web, "/serverstatus/statistic/1.8.3/"));
    QCOMPARE(QString::fromLatin1(ProductInfo::version), QStringLiteral("1.8.3"));
}

// The launcher's sources name the servers' paths in one place only.
void UrlsTest::noOtherSourceSpellsAPath()
{
    const QDir sources(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../../src")));
    if (!sources.exists())
        QSKIP("sources not found beside the test");
    QStringList offenders;
    QDirIterator it(sources.absolutePath(), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (QFileInfo(file).baseName() == QLatin1String("CommunityUrls"))
            continue;
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        for (const char *path : {"/serverstatus/", "/amxbans/", "\"/chat/\"", "http://"})
            if (text.contains(path))
                offenders << QFileInfo(file).fileName() + ": " + path;
    }
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(", ")));
}

QTEST_GUILESS_MAIN(UrlsTest)
#include "tst_urls.moc"
