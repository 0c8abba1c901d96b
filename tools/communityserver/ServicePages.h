#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct ChatLine
{
    QString time;   // "hh:mm"
    QString nick;
    QString text;
};

// The community's service pages: bug report, speed test, ban list, the
// forum's chat and the page for unknown addresses.
class ServicePages
{
public:
    static QByteArray bugReport();
    static QByteArray bugReportThanks(const QString &nick);
    // Measures the download of 'dataPath' (a relative address) in the page.
    static QByteArray speedTest(const QString &dataPath);
    static QByteArray banList();
    static QByteArray chat(const QList<ChatLine> &lines);
    static QByteArray notFound(const QString &path);
};
