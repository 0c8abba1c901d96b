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

// Synchronous fetch of a URL into a local file.
class DownloadService
{
public:
    virtual ~DownloadService() = default;

    // Blocks until the transfer has finished or failed. On failure throws
    // DownloadError and leaves no file at 'file'.
    virtual void downloadToFile(const QString &url, const QString &file) = 0;
};
