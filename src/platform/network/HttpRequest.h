#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>

class QSocketNotifier;
class QUrl;

// The head of an HTTP answer.
struct HttpHead
{
    int status = 0;
    qint64 contentLength = -1; // -1 when not announced
    QByteArray location;       // the Location header, as sent
};

// One HTTP GET over libcurl, run by the event loop of the thread that made
// it: socket notifiers and a timer hand libcurl each moment it can go on, so
// nothing of it runs on another thread and nothing is read while that loop
// does not turn. Reads are bounded: a head longer than
// Options::maxHeaderBytes ends the request, and so does a callback that
// answers false. abort() and the destructor end a request at once: the
// connection is closed there and then, and nothing more is read from it.
class HttpRequest : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        int connectTimeoutMs = 0;              // to open the connection; 0: libcurl's own
        qint64 maxHeaderBytes = 64 * 1024;     // of one answer's head
        int maxRedirects = 0;                  // followed by libcurl, each hop as mayFollow() allows
        QByteArray userAgent = "OVCL";
    };

    explicit HttpRequest(QObject *parent = nullptr);
    ~HttpRequest() override;

    // Called with the head of every answer (of each redirect too); false ends
    // the request.
    std::function<bool(const HttpHead &)> onHead;
    // Called with each piece of the body; false ends the request. Without
    // it, the body is read and dropped.
    std::function<bool(const char *data, qsizetype size)> onBody;

    // Starts asking for an http or https address. False, with nothing
    // started, when libcurl cannot be used or the address is of another
    // kind. A request runs once.
    bool start(const QUrl &url, const Options &options);
    // Ends a running request now, without finished().
    void abort();

    // False when libcurl cannot be set up in this process.
    static bool available();
    // Whether a redirect from 'from' to 'to' (resolved) is followed: only
    // to an http or https address with a host, and never from https to http.
    static bool mayFollow(const QUrl &from, const QUrl &to);

signals:
    // The request has ended by itself: 'complete' when the whole answer
    // arrived, false when the connection, the server, a limit or a callback
    // ended it. The request must not be deleted from a slot of this signal
    // other than by deleteLater().
    void finished(bool complete);

private:
    struct Watch
    {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };

    static int onSocket(void *easy, int socket, int what, void *self, void *);
    static int onTimer(void *multi, long timeoutMs, void *self);
    static size_t onHeaderLine(char *data, size_t size, size_t count, void *self);
    static size_t onBodyPiece(char *data, size_t size, size_t count, void *self);

    void watch(int socket, int what);
    void act(int socket, int events);
    bool headerLine(const QByteArray &line);
    void reap();
    void close();

    void *m_multi = nullptr;
    void *m_easy = nullptr;
    void *m_headers = nullptr; // the request's own header lines
    QTimer m_timer;            // libcurl's next timeout
    std::map<int, Watch> m_watches;
    qint64 m_maxHeaderBytes = 0;
    bool m_followsRedirects = false;
    qint64 m_headerBytes = 0; // of the answer whose head is arriving
    HttpHead m_head;
};
