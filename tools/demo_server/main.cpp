// Serves the community's pages on 127.0.0.1 for trying the launcher out:
//   ovcl_demo_server [--port N] [--fail hang|slow|notfound|garbage|oversized]
// --fail makes every address fail that way (hang: accept the connection and
// never answer). Runs until interrupted (SIGINT or SIGTERM).

#include "CommunityServer.h"

#include <QString>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <pthread.h>

namespace {

constexpr int defaultPort = 18080;

void usage(const char *program)
{
    std::fprintf(stderr, "usage: %s [--port N] [--fail hang|slow|notfound|garbage|oversized]\n", program);
}

struct Arguments
{
    int port = defaultPort;
    CommunityServer::Failure failure = CommunityServer::Failure::None;
};

bool failureNamed(const char *name, CommunityServer::Failure *failure)
{
    using Failure = CommunityServer::Failure;
    static const std::pair<const char *, Failure> names[] = {
        {"hang", Failure::Hang},         {"slow", Failure::Slow},           {"notfound", Failure::NotFound},
        {"garbage", Failure::Garbage},   {"oversized", Failure::Oversized},
    };
    for (const auto &entry : names) {
        if (std::strcmp(name, entry.first) == 0) {
            *failure = entry.second;
            return true;
        }
    }
    return false;
}

// The value of "--name V" or "--name=V" at argv[*i], or nullptr.
const char *option(const char *name, int argc, char **argv, int *i)
{
    const size_t length = std::strlen(name);
    const char *arg = argv[*i];
    if (std::strcmp(arg, name) == 0 && *i + 1 < argc)
        return argv[++*i];
    if (std::strncmp(arg, name, length) == 0 && arg[length] == '=')
        return arg + length + 1;
    return nullptr;
}

// False when the arguments are wrong.
bool parse(int argc, char **argv, Arguments *out)
{
    for (int i = 1; i < argc; ++i) {
        if (const char *value = option("--port", argc, argv, &i)) {
            bool ok = false;
            out->port = QString::fromLocal8Bit(value).toInt(&ok);
            if (!ok || out->port < 0 || out->port > 65535)
                return false;
        } else if (const char *name = option("--fail", argc, argv, &i)) {
            if (!failureNamed(name, &out->failure))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    Arguments arguments;
    if (!parse(argc, argv, &arguments)) {
        usage(argv[0]);
        return 2;
    }
    const int port = arguments.port;

    // Block the signals before the server starts its threads, so that only
    // sigwait() below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    CommunityServer server;
    server.setLogging(true);
    server.setFailure(QString(), arguments.failure);
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
