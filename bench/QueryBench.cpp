// Time the user-interface thread spends on one refresh of fourteen game
// servers: the scheduler, the datagram service and the reply parsers run on
// this thread against stand-in servers on loopback, which answer from a
// thread of their own, one per catalogue entry in that entry's protocol.
// Prints the median and the largest processor time of the thread per
// refresh, without and with the player lists, and the wall time a refresh
// takes (mostly the 50 ms spacing of requests).
#include "GameResponder.h"
#include "platform/network/QtDatagramService.h"
#include "query/QueryScheduler.h"
#include "query/SteadyQueryClock.h"
#include "servers/ServerQueries.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

struct Figures {
    double medianCpu, maxCpu, medianWall;
};

Figures measure(QueryScheduler &scheduler, int refreshes)
{
    std::vector<double> cpu, wall;
    for (int i = 0; i < refreshes; ++i) {
        QEventLoop loop;
        QObject::connect(&scheduler, &QueryScheduler::refreshFinished, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        const double before = threadCpuMs();
        scheduler.refresh();
        loop.exec();
        cpu.push_back(threadCpuMs() - before);
        wall.push_back(double(clock.elapsed()));
    }
    std::sort(cpu.begin(), cpu.end());
    std::sort(wall.begin(), wall.end());
    return {cpu[cpu.size() / 2], cpu.back(), wall[wall.size() / 2]};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int refreshes = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    QThread serverThread;
    serverThread.start();
    QObject home;
    home.moveToThread(&serverThread);
    std::vector<std::unique_ptr<GameResponder>> responders;
    QVector<QueryTarget> targets;
    QMetaObject::invokeMethod(&home, [&] {
        for (const QueryTarget &entry : ServerQueries::targets()) {
            const QueryProtocol protocol = entry.protocol;
            FakeServer server{QStringLiteral("^1Orvanta ^7benchmark server"), QStringLiteral("de_dust2"), {}, 24, 2,
                              false};
            for (int p = 0; p < 18; ++p)
                server.players << QStringLiteral("player %1").arg(p);
            auto responder = std::make_unique<GameResponder>(protocol, server);
            responder->start();
            targets.append({QStringLiteral("127.0.0.1"), responder->port(), protocol});
            responders.push_back(std::move(responder));
        }
    }, Qt::BlockingQueuedConnection);

    QtDatagramService datagrams;
    SteadyQueryClock clock;
    QueryScheduler scheduler(datagrams, clock);
    scheduler.setServers(targets);
    measure(scheduler, 1); // names found, socket bound

    const Figures plain = measure(scheduler, refreshes);
    scheduler.setPlayerListWanted(true);
    const Figures withPlayers = measure(scheduler, refreshes);
    int online = 0;
    for (int i = 0; i < scheduler.serverCount(); ++i)
        online += scheduler.state(i).isOnline();

    std::printf("user-interface thread per refresh of %d servers (%d online): %.2f ms median, %.2f ms largest "
                "(%.0f ms wall)\n",
                scheduler.serverCount(), online, plain.medianCpu, plain.maxCpu, plain.medianWall);
    std::printf("the same with player lists: %.2f ms median, %.2f ms largest\n", withPlayers.medianCpu,
                withPlayers.maxCpu);

    QMetaObject::invokeMethod(&home, [&] { responders.clear(); }, Qt::BlockingQueuedConnection);
    serverThread.quit();
    serverThread.wait();
    return 0;
}
