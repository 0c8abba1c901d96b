#pragma once

#include "platform/DownloadService.h"

#include <QDeadlineTimer>
#include <QtGlobal>

// Limits of one fetch. The whole program waits while a download runs, so every
// fetch is short and small.
struct CurlDownloadOptions
{
    int connectTimeoutMs = 3000;      // time allowed to open the connection
    int totalTimeoutMs = 4000;        // the whole transfer, redirects included;
                                      // also the budget of a whole batch
    qint64 maxBytes = 1024 * 1024;    // largest body that is saved
};

// Download to file over libcurl.
//
// Each fetch uses a fresh easy handle that is freed as soon as the transfer
// has ended. The body goes into a temporary file beside the target, which
// replaces the target only when the whole transfer succeeded with a 2xx
// status. Redirects are followed (at most five); only http and https are
// spoken. A failed fetch leaves neither the target nor a temporary file
// behind and throws DownloadError:
//   "Unable to load libcurl"        when libcurl cannot be initialised;
//   "Error downloading URL: <url>"  for every other failure (no connection,
//                                   timeout, non-2xx status, body too large,
//                                   target not writable, the batch's time
//                                   spent before the fetch began).
class CurlDownloadService : public DownloadService
{
public:
    explicit CurlDownloadService(const CurlDownloadOptions &options = CurlDownloadOptions());

    void downloadToFile(const QString &url, const QString &file) override;
    void beginBatch() override;
    void endBatch() override;

    const CurlDownloadOptions &options() const { return m_options; }

private:
    // Milliseconds the next fetch may take; 0 when the batch has none left.
    int timeLeftMs() const;

    CurlDownloadOptions m_options;
    int m_batchDepth = 0;
    QDeadlineTimer m_batchDeadline;
};
