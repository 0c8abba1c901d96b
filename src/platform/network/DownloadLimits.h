#pragma once

#include <QtGlobal>

// Limits of one fetch. A fetch keeps its caller waiting, so every fetch is
// short and small.
struct DownloadLimits
{
    int connectTimeoutMs = 3000;      // time allowed to open each connection
    int totalTimeoutMs = 4000;        // the whole transfer, redirects included;
                                      // also the budget of a whole batch
    qint64 maxBytes = 1024 * 1024;    // largest body that is saved
    qint64 maxHeaderBytes = 64 * 1024; // largest head of one answer
    int maxRedirects = 5;             // redirects followed before giving up
};
