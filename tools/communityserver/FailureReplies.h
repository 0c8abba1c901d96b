#pragma once

#include "StopSignal.h"

#include <QByteArray>
#include <QString>

namespace httplib {
struct Request;
struct Response;
}

// Answers that go wrong on purpose.
class FailureReplies
{
public:
    // 200 with 'bytes' random bytes.
    static void garbage(httplib::Response &res, qsizetype bytes);
    // 200 with 'bytes' bytes sent in chunks, without a Content-Length.
    static void oversized(httplib::Response &res, qsizetype bytes, const StopSignal &stop);
    // 200 announcing the whole of 'body', then half of it, then nothing more
    // until 'stop' is raised, when the connection is dropped.
    static void slow(httplib::Response &res, const QByteArray &body, const QString &contentType,
                     const StopSignal &stop);
    // Waits until 'stop' is raised without sending anything, then drops the
    // connection.
    static void hang(httplib::Response &res, const StopSignal &stop);
    // Writes "200 OK" and then header lines, a few every few milliseconds,
    // straight onto the connection of 'req' and never the blank line that
    // would end them, until the client hangs up or 'stop' is raised.
    static void endlessHeaders(const httplib::Request &req, httplib::Response &res, const StopSignal &stop);
};
