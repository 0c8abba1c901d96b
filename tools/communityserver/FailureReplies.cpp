#include "FailureReplies.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <string>

namespace {

// Far longer than any client waits; stop() cuts it short.
constexpr std::chrono::minutes stallLimit(10);

const char *const octetStream = "application/octet-stream";

// The port and address of one end of a TCP socket; port 0 when 'fd' is none.
struct Endpoint {
    std::string address;
    int port = 0;
};

Endpoint endpoint(int fd, bool peer)
{
    sockaddr_storage addr{};
    socklen_t length = sizeof addr;
    auto *raw = reinterpret_cast<sockaddr *>(&addr);
    if ((peer ? getpeername(fd, raw, &length) : getsockname(fd, raw, &length)) != 0)
        return {};
    char text[INET6_ADDRSTRLEN] = {};
    if (addr.ss_family == AF_INET) {
        const auto *in = reinterpret_cast<const sockaddr_in *>(&addr);
        inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
        return {text, ntohs(in->sin_port)};
    }
    if (addr.ss_family == AF_INET6) {
        const auto *in6 = reinterpret_cast<const sockaddr_in6 *>(&addr);
        inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof text);
        return {text, ntohs(in6->sin6_port)};
    }
    return {};
}

// The server's end of the connection that carries 'req', or -1. httplib
// hands its handlers no socket, so it is looked up among the open files by
// both of its ends (the client may live in this very process, on the
// mirrored pair of ports).
int connectionOf(const httplib::Request &req)
{
    DIR *dir = opendir("/proc/self/fd");
    if (!dir)
        return -1;
    int found = -1;
    while (const dirent *entry = readdir(dir)) {
        char *end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0')
            continue;
        const Endpoint local = endpoint(int(fd), false);
        const Endpoint peer = endpoint(int(fd), true);
        if (local.port == req.local_port && peer.port == req.remote_port && peer.address == req.remote_addr) {
            found = int(fd);
            break;
        }
    }
    closedir(dir);
    return found;
}

// Sends all of 'data' unless the client leaves or 'stop' is raised first.
bool sendAll(int fd, const std::string &data, const StopSignal &stop)
{
    size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0)
            sent += size_t(n);
        else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
        else if (stop.waitFor(std::chrono::milliseconds(5)))
            return false;
    }
    return true;
}

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

void FailureReplies::endlessHeaders(const httplib::Request &req, httplib::Response &res, const StopSignal &stop)
{
    // Whatever httplib writes after this goes nowhere: the socket is shut.
    res.status = 200;
    const int fd = connectionOf(req);
    if (fd < 0)
        return;
    if (sendAll(fd, "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n", stop)) {
        const std::string filler(48, 'x');
        for (unsigned long line = 0;; line += 16) {
            std::string batch;
            for (unsigned long i = line; i < line + 16; ++i)
                batch += "X-Orvanta-" + std::to_string(i) + ": " + filler + "\r\n";
            if (!sendAll(fd, batch, stop) || stop.waitFor(std::chrono::milliseconds(2)))
                break;
        }
    }
    shutdown(fd, SHUT_RDWR);
}
