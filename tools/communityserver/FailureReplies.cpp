#include "FailureReplies.h"

#include <httplib.h>

#include <random>
#include <string>

namespace {

// Far longer than any client waits; stop() cuts it short.
constexpr std::chrono::minutes stallLimit(10);

const char *const octetStream = "application/octet-stream";

} // namespace

void FailureReplies::garbage(httplib::Response &res, qsizetype bytes)
{
    std::random_device seed;
    std::mt19937 rng(seed());
    std::string data(size_t(bytes), '\0');
    for (char &c : data)
        c = char(rng() & 0xff);
    res.status = 200;
    res.set_content(data, octetStream);
}

void FailureReplies::oversized(httplib::Response &res, qsizetype bytes, const StopSignal &stop)
{
    static const std::string block = [] {
        std::string line = "Orvanta 0123456789 abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ\n";
        std::string b;
        while (b.size() + line.size() <= 64 * 1024)
            b += line;
        b.resize(64 * 1024, '.');
        return b;
    }();
    const size_t total = size_t(bytes);
    res.status = 200;
    res.set_chunked_content_provider(octetStream, [total, &stop](size_t offset, httplib::DataSink &sink) {
        if (stop.isRaised())
            return false;
        if (offset >= total) {
            sink.done();
            return true;
        }
        const size_t n = std::min(block.size(), total - offset);
        return sink.write(block.data(), n);
    });
}

void FailureReplies::slow(httplib::Response &res, const QByteArray &body, const QString &contentType,
                          const StopSignal &stop)
{
    std::string data = body.isEmpty() ? std::string(1024, ' ') : body.toStdString();
    const size_t length = data.size();
    const size_t half = length / 2;
    res.status = 200;
    res.set_content_provider(
        length, contentType.toStdString(),
        [data = std::move(data), half, &stop](size_t offset, size_t, httplib::DataSink &sink) {
            if (offset == 0 && half > 0)
                return sink.write(data.data(), half);
            stop.waitFor(stallLimit);
            return false;
        });
}

void FailureReplies::hang(httplib::Response &res, const StopSignal &stop)
{
    stop.waitFor(stallLimit);
    // Giving up after the headers drops the connection without a usable answer.
    res.status = 503;
    res.set_chunked_content_provider(octetStream, [](size_t, httplib::DataSink &) { return false; });
}
