#pragma once

#include "EventLog.h"
#include "platform/network/DownloadService.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

// Downloads from a table of URL -> body; any other URL fails like a dead server.
class ScriptedDownloads : public DownloadService
{
public:
    explicit ScriptedDownloads(EventLog *log = nullptr) : m_log(log) {}

    void downloadToFile(const QString &url, const QString &file) override;
    void beginBatch() override { ++m_depth; if (m_depth == 1) ++m_batches; }
    void endBatch() override { --m_depth; }

    QHash<QString, QByteArray> bodies;
    QStringList requested;
    // For each request: the number of the batch it belonged to (1, 2, ...),
    // or 0 when it was made outside any batch.
    QList<int> batchOf;
    bool batchOpen() const { return m_depth > 0; }

private:
    EventLog *m_log;
    int m_depth = 0;
    int m_batches = 0;
};
