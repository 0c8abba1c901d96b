// Time the user-interface thread spends on one refresh of fourteen game
// servers: the scheduler, the datagram service and the reply parsers run on
// this thread against stand-in servers on loopback, which answer from a
// thread of their own, one per catalogue entry in that entry's protocol.
// Prints the median and the largest processor time of the thread per
// refresh, without and with the player lists, and the wall time a refresh
// takes (mostly the spacing of one server's requests).
#include "GameResponder.h"
#include "QueueWait.h"
#include "platform/network/QtDatagramService.h"
#include "query/QueryScheduler.h"
#include "query/SteadyQueryClock.h"
#include "servers/ServerQueries.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkDatagram>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

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

long residentKb()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    char line[256];
    long kb = 0;
    while (status && std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmRSS: %ld", &kb) == 1)
            break;
    }
    if (status)
        std::fclose(status);
    return kb;
}

struct Flood {
    double cpuShare;   // of one core, on the user-interface thread
    double longestGap; // ms between two turns of a 10 ms timer
    double gapQueuedMs; // of which the thread waited for a processor
    long memoryGrowthKb;
    int onlineAfter;
};

// A stranger, or the address the service sent a probe to, sends
// 'perSecond' datagrams a second for 'seconds' to the service's port (learnt
// from the probe) while the event loop runs; then one refresh.
Flood flood(QtDatagramService &datagrams, QueryScheduler &scheduler, int perSecond, int seconds, bool fromProbe)
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    datagrams.lookUp(QStringLiteral("127.0.0.1"));
    QEventLoop wait;
    QTimer::singleShot(100, &wait, &QEventLoop::quit);
    wait.exec();
    datagrams.send(QStringLiteral("127.0.0.1"), probe.localPort(), "probe");
    probe.waitForReadyRead(1000);
    const QNetworkDatagram hello = probe.receiveDatagram();
    const quint16 port = quint16(hello.senderPort());

    std::atomic<bool> stop{false};
    std::thread sender([&] {
        const int fd = fromProbe ? int(probe.socketDescriptor()) : ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const char junk[64] = "\xFF\xFF\xFF\xFF" "flood";
        QElapsedTimer t;
        t.start();
        long sent = 0;
        while (!stop && t.elapsed() < seconds * 1000) {
            const long due = t.elapsed() * perSecond / 1000;
            for (; sent < due; ++sent)
                ::sendto(fd, junk, sizeof junk, 0, reinterpret_cast<const sockaddr *>(&to), sizeof to);
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        if (!fromProbe)
            ::close(fd);
    });
    const long memoryBefore = residentKb();
    const double cpuBefore = threadCpuMs();
    QElapsedTimer wall;
    wall.start();
    double longest = 0, longestQueued = 0;
    qint64 last = wall.elapsed();
    qint64 lastQueued = queueWaitNs();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 queued = queueWaitNs();
        if (double(wall.elapsed() - last) > longest) {
            longest = double(wall.elapsed() - last);
            longestQueued = double(queued - lastQueued) / 1e6;
        }
        last = wall.elapsed();
        lastQueued = queued;
    });
    tick.start(10);
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu = threadCpuMs() - cpuBefore;
    const double elapsed = double(wall.elapsed());
    stop = true;
    sender.join();
    tick.stop();
    Flood out{cpu / elapsed, longest, longestQueued, residentKb() - memoryBefore, 0};
    measure(scheduler, 1);
    for (int i = 0; i < scheduler.serverCount(); ++i)
        out.onlineAfter += scheduler.state(i).isOnline();
    return out;
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
    std::printf("the same with player lists: %.2f ms median, %.2f ms largest (%.0f ms wall)\n",
                withPlayers.medianCpu, withPlayers.maxCpu, withPlayers.medianWall);
    // As the launcher's first refresh once the main window is mapped: from
    // nothing known to every lamp lit.
    double litMs = -1;
    {
        QueryScheduler first(datagrams, clock);
        first.setServers(targets);
        first.setPlayerListWanted(true);
        QElapsedTimer since;
        QObject::connect(&first, &QueryScheduler::stateChanged, [&] {
            for (int i = 0; i < first.serverCount(); ++i) {
                if (!first.state(i).isOnline())
                    return;
            }
            if (litMs < 0)
                litMs = double(since.elapsed());
        });
        since.start();
        measure(first, 1);
    }
    std::printf("first refresh, every lamp lit after %.0f ms\n", litMs);
    for (const bool fromProbe : {false, true}) {
        const Flood f = flood(datagrams, scheduler, 100000, 10, fromProbe);
        std::printf("a flood of 100000 datagrams/s for 10 s from %s: %.1f %% of a core on the user-interface "
                    "thread, longest gap between turns %.0f ms (%.0f ms of it waiting for a processor), memory %+ld kB; "
                    "the refresh after it: %d of %d online\n",
                    fromProbe ? "an address asked before" : "a stranger", 100.0 * f.cpuShare, f.longestGap, f.gapQueuedMs,
                    f.memoryGrowthKb, f.onlineAfter, scheduler.serverCount());
    }

    QMetaObject::invokeMethod(&home, [&] { responders.clear(); }, Qt::BlockingQueuedConnection);
    serverThread.quit();
    serverThread.wait();
    return 0;
}
