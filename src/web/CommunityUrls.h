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
QString statusOfServer11();
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
// Game server host 1..6.
QString gameHost(int number);
} // namespace CommunityUrls
