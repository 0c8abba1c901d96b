#pragma once

#include "ServicePages.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <mutex>
#include <optional>

struct SiteRequest
{
    QString method;                  // "GET", "HEAD" or "POST"
    QString path;                    // without the query
    QHash<QString, QString> params;  // query and form fields
};

struct SiteReply
{
    int status = 200;
    QByteArray body;
    QString contentType;
};

// The community site's own content: every address the launcher uses plus the
// pages they link to. Keeps the live numbers (access count, players online,
// chat) and is safe to use from several threads.
class CommunitySite
{
public:
    CommunitySite();

    // Counts one access to the site; every request counts.
    void countAccess();

    // The answer for a known address, or nothing for an unknown one.
    std::optional<SiteReply> reply(const SiteRequest &request);

    static QByteArray versionDescriptor();       // version.inf
    static QByteArray legacyVersionDescriptor(); // version.dat

private:
    QByteArray nextOnlineCount();
    QList<int> playersNow() const;

    mutable std::mutex m_mutex;
    qint64 m_accesses = 0;
    quint32 m_onlineRound = 0;
    QList<int> m_players;
    qint64 m_versionReports = 0;
    QList<ChatLine> m_chat;
};
