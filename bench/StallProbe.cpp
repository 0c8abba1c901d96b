// Runs the real launcher in-process against a web server that accepts every
// connection and never answers, and prints the longest time the
// user-interface thread went without serving its event loop.
#include "CommunityServer.h"
#include "app/Launcher.h"
#include "app/TForm1.h"
#include "app/TForm17.h"
#include "platform/WebEngineSetup.h"
#include "platform/WindowTimer.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    const int port = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 18080;

    CommunityServer server;
    server.setFailure(QString(), CommunityServer::Failure::Hang);
    if (!server.start(port)) {
        std::fprintf(stderr, "cannot listen on port %d\n", port);
        return 1;
    }

    QTemporaryDir dir;
    QFile data(dir.path() + QStringLiteral("/data.dat"));
    if (data.open(QIODevice::WriteOnly))
        data.write("[Setting]\r\nfirst=false\r\n");
    data.close();

    // A 10 ms heartbeat: any gap far beyond it is a stall of the thread.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = qMax(longest, now - last);
        last = now;
    });
    heartbeat.start(10);

    Launcher launcher(Services::real(dir.path() + QLatin1Char('/')));

    // The update-server error dialog waits for the player: press OK at once.
    // The progress window closes by itself when the start-up chain is done.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&launcher] {
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (modal && modal != launcher.form17())
            modal->accept();
    });
    closer.start(50);

    last = clock.elapsed();
    launcher.start();
    // Whatever start-up left to the event loop (the first page loads) runs too.
    QTimer::singleShot(500, &app, &QApplication::quit);
    app.exec();
    const qint64 startup = longest;

    // One counter refresh, run by the event loop as the 30-second timer would.
    longest = 0;
    last = clock.elapsed();
    QTimer::singleShot(0, &app, [&launcher] { launcher.form1()->timer(QStringLiteral("onlinecounter"))->fire(); });
    QTimer::singleShot(200, &app, &QApplication::quit);
    app.exec();
    const qint64 tick = longest;

    std::printf("longest stall during start-up: %.2f s\n", startup / 1000.0);
    std::printf("longest stall during a counter refresh: %.2f s\n", tick / 1000.0);
    server.stop();
    return 0;
}
