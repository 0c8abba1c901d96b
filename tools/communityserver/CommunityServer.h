#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// A stand-in for the Orvanta community's web and forum servers, for tests and
// demos. It answers every address the launcher uses with plausible content,
// on its own thread, and can be told to fail in the ways a real server does.
//
// Each connection carries one request and is served on a thread of its own;
// a connection that sends no request is closed after a second. All methods
// may be called from any thread while the server runs.
class CommunityServer
{
public:
    enum class Failure {
        None,
        NotFound,  // 404 with a small page
        Slow,      // headers and half the body, then the transfer stalls until stop()
        Oversized, // 200 with a body of OversizedBytes of unannounced length
        Garbage,   // 200 with GarbageBytes random bytes
        Hang,      // accepts the connection and never answers until stop()
        EndlessHeaders, // "200 OK", then header lines without end until the client leaves or stop()
    };

    static constexpr qsizetype GarbageBytes = 4096;
    static constexpr qsizetype OversizedBytes = 2 * 1024 * 1024 + 64 * 1024;

    explicit CommunityServer(QString bindHost = QStringLiteral("127.0.0.1"));
    ~CommunityServer();

    CommunityServer(const CommunityServer &) = delete;
    CommunityServer &operator=(const CommunityServer &) = delete;

    // Listens on 'port', or on a free port when it is 0, and serves on a
    // thread of its own. False when the port cannot be bound. A stopped server
    // may be started again, for instance on its previous port().
    bool start(int port = 0);
    // Stops serving and returns once every connection has ended: stalled
    // answers give up at once, an idle connection within a second. A stopped
    // server refuses connections. Also done by the destructor.
    void stop();
    bool isRunning() const;

    // The port last listened on (0 before the first start).
    int port() const;
    // "127.0.0.1:NNNN"
    QString hostWithPort() const;
    // "http://127.0.0.1:NNNN" followed by 'path'.
    QString url(const QString &path) const;

    // Serves 'body' at 'path' (exact match) in place of the built-in content.
    void setContent(const QString &path, const QByteArray &body,
                    const QString &contentType = QStringLiteral("text/plain"));
    void clearContent(const QString &path);

    // Answers 'path' with a redirect (302) to 'location', as it is given.
    void setRedirect(const QString &path, const QString &location);

    // Makes 'path' fail, or every path when 'path' is empty. A path's own
    // failure wins over the one for every path; None clears the switch.
    void setFailure(const QString &path, Failure failure);

    // Connections still being sent endless header lines: one ends when the
    // client has closed it (or at stop()).
    int headerFloods() const;

    // "GET /path" for every request so far, oldest first.
    QStringList requests() const;
    int requestCount(const QString &path) const;
    void clearRequests();

    // Writes each request line to stderr.
    void setLogging(bool on);

private:
    struct State;
    std::unique_ptr<State> d;
};
