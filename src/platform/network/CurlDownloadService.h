#pragma once

#include "DownloadLimits.h"
#include "DownloadService.h"

#include <QDeadlineTimer>
#include <QSet>
#include <QString>

// Download to file over libcurl.
//
// Each fetch is one DownloadTransfer: the caller waits until it has ended,
// while the event loop runs on. A fetch that ends, however it ends, has
// closed its connection; the service holds none between fetches, so it goes
// away at once. Only http and https are spoken, redirects included (at most
// five); the body is saved only whole, at most limits.maxBytes of it, and
// only after a 2xx answer. A failed fetch leaves no temporary file and
// throws DownloadError:
//   "Unable to load libcurl"        when there is no application to run it
//                                   or libcurl cannot be set up;
//   "Error downloading URL: <url>"  for every other failure (no connection,
//                                   timeout, non-2xx status, body or head
//                                   too large, a redirect elsewhere than
//                                   http or https,
//                                   the target not writable, the batch's time
//                                   spent before the fetch began, a fetch of
//                                   the same file still running).
// When the server failed, no file is left at the target either; when the
// disk did not take the body, the target keeps what it held.
class CurlDownloadService : public DownloadService
{
public:
    explicit CurlDownloadService(const DownloadLimits &limits = DownloadLimits());
    ~CurlDownloadService() override;

    void downloadToFile(const QString &url, const QString &file) override;
    void beginBatch() override;
    void endBatch() override;


private:
    // Milliseconds the next fetch may take; 0 when the batch has none left.
    int timeLeftMs() const;

    DownloadLimits m_limits;
    int m_batchDepth = 0;
    QDeadlineTimer m_batchDeadline;
    QSet<QString> m_running; // targets of the fetches under way
};
