#pragma once

#include <QString>

// Every address the launcher asks of the community's servers: "http://",
// one of the configured hosts, and the path.
namespace CommunityUrls {
// Downloads.
QString versionInf();
QString versionDat();
QString accessCounter();
QString onlineCounter();
// Pages of the web server.
QString home();
QString statusOverview();
// The status page of server entry 'number' ("/serverstatus/ip11.php" for 11).
QString statusOfServer(int number);
QString newsCzech();
QString newsEnglish();
QString launcherNews();
QString bugReport();
QString speedTest();
QString statistics();
QString statisticsOnline();
QString statisticsOfVersion();
QString banList();
// Forum server.
QString forumHome();
QString chat();
// The author's web site.
QString author();
// Game server host 1..gameHostCount(); empty for any other number.
QString gameHost(int number);
int gameHostCount();
} // namespace CommunityUrls
