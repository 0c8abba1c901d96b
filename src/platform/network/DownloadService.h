#pragma once

#include <QString>
#include <stdexcept>

// Raised by a download that did not succeed. The message is
// "Unable to load <library>" or "Error downloading URL: <url>".
class DownloadError : public std::runtime_error
{
public:
    explicit DownloadError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// Fetch of a URL into a local file, awaited by its caller.
class DownloadService
{
public:
    virtual ~DownloadService() = default;

    // Returns once the transfer has finished or failed. Meanwhile the event
    // loop may run (timers, repaints, input): a caller must not be runnable
    // again while it waits. On failure throws DownloadError and leaves no
    // temporary file behind.
    virtual void downloadToFile(const QString &url, const QString &file) = 0;

    // The fetches of one event handler, made between beginBatch() and
    // endBatch(), share the time one fetch may take: the program as a whole
    // never waits longer than that. Batches may nest; the outermost counts.
    virtual void beginBatch() {}
    virtual void endBatch() {}
};

// Opens a batch for the lifetime of the object.
class DownloadBatch
{
public:
    explicit DownloadBatch(DownloadService &service) : m_service(service) { m_service.beginBatch(); }
    ~DownloadBatch() { m_service.endBatch(); }
    DownloadBatch(const DownloadBatch &) = delete;
    DownloadBatch &operator=(const DownloadBatch &) = delete;

private:
    DownloadService &m_service;
};
