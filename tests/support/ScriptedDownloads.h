#pragma once

#include "EventLog.h"
#include "platform/DownloadService.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

// Downloads from a table of URL -> body; any other URL fails like a dead server.
class ScriptedDownloads : public DownloadService
{
public:
    explicit ScriptedDownloads(EventLog *log = nullptr) : m_log(log) {}

    void downloadToFile(const QString &url, const QString &file) override;

    QHash<QString, QByteArray> bodies;
    QStringList requested;

private:
    EventLog *m_log;
};
