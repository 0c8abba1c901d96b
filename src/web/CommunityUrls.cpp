#include "CommunityUrls.h"

#include "CommunityHosts.h"
#include "app/ProductInfo.h"

#include <iterator>

namespace {
QString on(const char *host, const QString &path)
{
    return QLatin1String("http://") + QString::fromUtf8(host) + path;
}
QString web(const char *path)
{
    return on(CommunityHosts::web, QLatin1String(path));
}
QString site(const char *path)
{
    return on(CommunityHosts::site, QLatin1String(path));
}
} // namespace

namespace CommunityUrls {
QString versionInf() { return web("/serverstatus/update/version.inf"); }
QString versionDat() { return web("/serverstatus/update/version.dat"); }
QString accessCounter() { return web("/serverstatus/statistic/pocet.inc"); }
QString onlineCounter() { return web("/serverstatus/statistic/online/online.inc"); }
QString home() { return web("/"); }
QString statusOverview() { return web("/serverstatus/index.php"); }
QString statusOfServer(int number)
{
    return on(CommunityHosts::web, QStringLiteral("/serverstatus/ip%1.php").arg(number));
}
QString newsCzech() { return web("/serverstatus/novinky.php"); }
QString newsEnglish() { return web("/serverstatus/news.php"); }
QString launcherNews() { return web("/serverstatus/ov_news.php"); }
QString bugReport() { return site("/serverstatus/bug.php"); }
QString speedTest() { return web("/serverstatus/speedtest/"); }
QString statistics() { return site("/serverstatus/statistic/"); }
QString statisticsOnline() { return site("/serverstatus/statistic/online/"); }
QString statisticsOfVersion()
{
    return on(CommunityHosts::web, QLatin1String("/serverstatus/statistic/") + QLatin1String(ProductInfo::version)
                                       + QLatin1Char('/'));
}
QString banList() { return web("/amxbans/ban_list.php"); }
// The forum's root: the host alone, no path and no trailing slash.
QString forumHome() { return on(CommunityHosts::forum, QString()); }
QString chat() { return on(CommunityHosts::forum, QStringLiteral("/chat/")); }
QString author() { return QString::fromUtf8(CommunityHosts::authorUrl); }
QString gameHost(int number)
{
    return number >= 1 && number <= gameHostCount() ? QString::fromUtf8(CommunityHosts::game[number - 1]) : QString();
}
int gameHostCount() { return int(std::size(CommunityHosts::game)); }
} // namespace CommunityUrls
