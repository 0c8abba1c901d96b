#pragma once

#include "DownloadLimits.h"

#include <QString>

class QUrl;

// One fetch of a URL into a file, from the request to the rename.
//
// The body goes into the target's temporary file (AtomicFile) as it arrives
// and replaces the target only when the whole answer came with a 2xx status
// and every byte reached the disk. Redirects are followed only to http and
// https addresses, never from https back to http (HttpRequest::mayFollow),
// at most limits.maxRedirects of them.
//
// run() waits in an event loop of its own, so the program keeps serving its
// events (repaints, timers, input) while the server is slow. It returns when
// the transfer has ended, when its time is up, or when the application
// quits, which ends every running event loop; whatever ends it closes its
// connection before run() returns (HttpRequest).
class DownloadTransfer
{
public:
    enum class Outcome {
        Saved,         // the target holds the new body
        Failed,        // the server or the connection failed; nothing written
        NotWritten,    // the disk did not take the body; the target is as it was
    };

    DownloadTransfer(const DownloadLimits &limits, const QString &file);

    Outcome run(const QUrl &url, int timeLeftMs);

    // An http or https address with a host: the only kind fetched.
    static bool isWebAddress(const QUrl &url);

private:
    DownloadLimits m_limits;
    QString m_file;
};
