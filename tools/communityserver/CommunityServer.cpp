#include "CommunityServer.h"

#include "CommunitySite.h"
#include "ConnectionThreads.h"
#include "FailureReplies.h"
#include "ServicePages.h"
#include "PageKit.h"

#include <QHash>

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <future>
#include <mutex>
#include <pthread.h>
#include <thread>

struct CommunityServer::State
{
    explicit State(QString host) : bindHost(std::move(host)) {}

    QString bindHost;
    CommunitySite site;
    StopSignal stopSignal;
    std::atomic<int> floods{0};

    mutable std::mutex mutex;
    QHash<QString, SiteReply> content;
    QHash<QString, QString> redirects;
    QHash<QString, Failure> failures;
    Failure failureForAll = Failure::None;
    QStringList log;
    bool logging = false;

    std::unique_ptr<httplib::Server> server;
    std::thread thread;
    std::future<void> finished;
    int port = 0;

    Failure failureFor(const QString &path) const
    {
        std::lock_guard<std::mutex> lock(mutex);
        const Failure own = failures.value(path, Failure::None);
        return own != Failure::None ? own : failureForAll;
    }

    std::optional<QString> redirectFor(const QString &path) const
    {
        std::lock_guard<std::mutex> lock(mutex);
        const auto it = redirects.constFind(path);
        if (it == redirects.constEnd())
            return std::nullopt;
        return *it;
    }

    void record(const QString &line)
    {
        bool echo = false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            log.append(line);
            echo = logging;
        }
        if (echo) {
            const QByteArray text = line.toLocal8Bit() + '\n';
            std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
            std::fflush(stderr);
        }
    }

    std::optional<SiteReply> contentFor(const SiteRequest &request)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            const auto it = content.constFind(request.path);
            if (it != content.constEnd())
                return *it;
        }
        return site.reply(request);
    }

    void handle(const httplib::Request &req, httplib::Response &res)
    {
        SiteRequest request;
        request.method = QString::fromStdString(req.method);
        request.path = QString::fromStdString(req.path);
        for (const auto &param : req.params)
            request.params.insert(QString::fromStdString(param.first), QString::fromStdString(param.second));

        record(request.method + QLatin1Char(' ') + request.path);
        site.countAccess();

        if (const std::optional<QString> location = redirectFor(request.path)) {
            res.set_redirect(location->toStdString(), 302);
            return;
        }
        const Failure failure = failureFor(request.path);
        switch (failure) {
        case Failure::NotFound:
            break;
        case Failure::Garbage:
            FailureReplies::garbage(res, GarbageBytes);
            return;
        case Failure::Oversized:
            FailureReplies::oversized(res, OversizedBytes, stopSignal);
            return;
        case Failure::Hang:
            FailureReplies::hang(res, stopSignal);
            return;
        case Failure::EndlessHeaders:
            ++floods;
            FailureReplies::endlessHeaders(req, res, stopSignal);
            --floods;
            return;
        case Failure::Slow:
        case Failure::None: {
            const std::optional<SiteReply> reply = contentFor(request);
            if (!reply)
                break;
            if (failure == Failure::Slow) {
                FailureReplies::slow(res, reply->body, reply->contentType, stopSignal);
            } else {
                res.status = reply->status;
                res.set_content(reply->body.constData(), size_t(reply->body.size()),
                                reply->contentType.toStdString());
            }
            return;
        }
        }
        const QByteArray page = ServicePages::notFound(request.path);
        res.status = 404;
        res.set_content(page.constData(), size_t(page.size()), PageKit::htmlType());
    }
};

CommunityServer::CommunityServer(QString bindHost) : d(std::make_unique<State>(std::move(bindHost)))
{
}

CommunityServer::~CommunityServer()
{
    stop();
}

bool CommunityServer::start(int port)
{
    if (isRunning())
        return true;

    auto server = std::make_unique<httplib::Server>();
    server->new_task_queue = [] { return new ConnectionThreads; };
    // One request per connection and short socket timeouts, so that an idle
    // client cannot keep stop() waiting for long.
    server->set_keep_alive_max_count(1);
    server->set_keep_alive_timeout(1);
    server->set_read_timeout(1, 0);
    server->set_write_timeout(1, 0);
    server->set_payload_max_length(64 * 1024);
    State *state = d.get();
    const auto handler = [state](const httplib::Request &req, httplib::Response &res) {
        state->handle(req, res);
    };
    server->Get(".*", handler);
    server->Post(".*", handler);

    const std::string host = d->bindHost.toStdString();
    int bound = 0;
    if (port == 0)
        bound = server->bind_to_any_port(host);
    else if (server->bind_to_port(host, port))
        bound = port;
    if (bound <= 0)
        return false;

    d->stopSignal.reset();
    d->port = bound;
    d->server = std::move(server);
    std::promise<void> done;
    d->finished = done.get_future();
    d->thread = std::thread([srv = d->server.get(), done = std::move(done)]() mutable {
        // A client that hangs up makes writes raise SIGPIPE; keep it away
        // from the process. Connection threads inherit this mask.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        srv->listen_after_bind();
        done.set_value();
    });
    return true;
}

void CommunityServer::stop()
{
    if (!d->server)
        return;
    d->stopSignal.raise();
    // httplib's stop() only takes effect once the accept loop runs, and must
    // be called once.
    bool stopped = false;
    while (d->finished.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready) {
        if (!stopped && d->server->is_running()) {
            d->server->stop();
            stopped = true;
        }
    }
    d->thread.join();
    d->server.reset();
}

bool CommunityServer::isRunning() const
{
    return d->server != nullptr;
}

int CommunityServer::port() const
{
    return d->port;
}

QString CommunityServer::hostWithPort() const
{
    return d->bindHost + QLatin1Char(':') + QString::number(d->port);
}

QString CommunityServer::url(const QString &path) const
{
    return QStringLiteral("http://") + hostWithPort() + path;
}

void CommunityServer::setContent(const QString &path, const QByteArray &body, const QString &contentType)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->content.insert(path, SiteReply{200, body, contentType});
}

void CommunityServer::clearContent(const QString &path)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->content.remove(path);
}

void CommunityServer::setRedirect(const QString &path, const QString &location)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->redirects.insert(path, location);
}

void CommunityServer::setFailure(const QString &path, Failure failure)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    if (path.isEmpty())
        d->failureForAll = failure;
    else if (failure == Failure::None)
        d->failures.remove(path);
    else
        d->failures.insert(path, failure);
}

int CommunityServer::headerFloods() const
{
    return d->floods.load();
}

QStringList CommunityServer::requests() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->log;
}

int CommunityServer::requestCount(const QString &path) const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    int count = 0;
    for (const QString &line : d->log) {
        const int space = line.indexOf(QLatin1Char(' '));
        if (QStringView(line).mid(space + 1) == path)
            ++count;
    }
    return count;
}

void CommunityServer::clearRequests()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->log.clear();
}

void CommunityServer::setLogging(bool on)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->logging = on;
}
