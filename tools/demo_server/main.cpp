// Serves the community's pages on 127.0.0.1 for trying the launcher out:
//   ovcl_demo_server [--port N]
// Runs until interrupted (SIGINT or SIGTERM).

#include "CommunityServer.h"

#include <QString>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <pthread.h>

namespace {

constexpr int defaultPort = 18080;

void usage(const char *program)
{
    std::fprintf(stderr, "usage: %s [--port N]\n", program);
}

// The port from the command line, 'defaultPort' without one, -1 when the
// arguments are wrong.
int portFromArguments(int argc, char **argv)
{
    int port = defaultPort;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        const char *value = nullptr;
        if (std::strcmp(arg, "--port") == 0 && i + 1 < argc)
            value = argv[++i];
        else if (std::strncmp(arg, "--port=", 7) == 0)
            value = arg + 7;
        else
            return -1;
        bool ok = false;
        port = QString::fromLocal8Bit(value).toInt(&ok);
        if (!ok || port < 0 || port > 65535)
            return -1;
    }
    return port;
}

} // namespace

int main(int argc, char **argv)
{
    const int port = portFromArguments(argc, argv);
    if (port < 0) {
        usage(argv[0]);
        return 2;
    }

    // Block the signals before the server starts its threads, so that only
    // sigwait() below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    CommunityServer server;
    server.setLogging(true);
    if (!server.start(port)) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::printf("listening on %s\n", server.hostWithPort().toLocal8Bit().constData());
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSignals, &received);
    std::fprintf(stderr, "stopping (%s)\n", received == SIGINT ? "SIGINT" : "SIGTERM");
    server.stop();
    return 0;
}
