// Runs the real launcher in-process and prints the longest time the
// user-interface thread went without serving its event loop. Beside each
// figure stands the part of it the thread spent ready to run but waiting for
// a processor, which other programs on a busy machine account for.
//
//   ovcl_stall_probe PORT          against a web server that accepts every
//                                  connection and never answers: during
//                                  start-up, a counter tick and a click on the
//                                  Update picture
//   ovcl_stall_probe PORT served   against a web server that answers, as a
//                                  player starts it (not a first run): from
//                                  the main window being shown until the pages
//                                  have loaded and the news window is up
#include "QueueWait.h"
#include "CommunityServer.h"
#include "QueueWait.h"
#include "launcher/Launcher.h"
#include "platform/browser/WebEngineSetup.h"
#include "platform/system/ApplicationFonts.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMouseEvent>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// The launcher's window 'name' (its object name), as tools find windows.
QWidget *launcherWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}

// The longest gap between heartbeats, and how much of it was spent waiting
// for a processor.
struct Stall
{
    qint64 ms = 0;
    qint64 queuedMs = 0;
};

// Runs the event loop for 'ms' after 'action' has been started from it;
// nested loops inside the action run to their end first.
void runFor(int ms, const std::function<void()> &action)
{
    QEventLoop phase;
    QTimer::singleShot(0, &phase, [&] {
        if (action)
            action();
        QTimer::singleShot(ms, &phase, &QEventLoop::quit);
    });
    phase.exec();
}

// A press and a release at the centre of 'control', as the pointer gives them.
void click(QWidget *control)
{
    const QPointF local = QRectF(control->rect()).center();
    const QPointF global = control->mapToGlobal(local);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, local, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &event);
    }
}

} // namespace

int main(int argc, char **argv)
{
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    const int port = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 18080;
    const bool served = argc > 2 && qstrcmp(argv[2], "served") == 0;

    CommunityServer server;
    if (!served)
        server.setFailure(QString(), CommunityServer::Failure::Hang);
    if (!server.start(port)) {
        std::fprintf(stderr, "cannot listen on port %d\n", port);
        return 1;
    }

    QTemporaryDir dir;
    QFile data(dir.path() + QStringLiteral("/data.dat"));
    if (data.open(QIODevice::WriteOnly))
        data.write(served ? "[Setting]\r\nfirst=false\r\nnotshow=true\r\n" : "[Setting]\r\nfirst=false\r\n");
    data.close();
    const QString directory = dir.path() + QLatin1Char('/');
    if (served)
        ApplicationFonts::load(directory);

    // A 10 ms heartbeat: any gap far beyond it is a stall of the thread.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, lastQueued = 0;
    Stall longest;
    const auto beat = [&] {
        const qint64 now = clock.elapsed(), queued = queueWaitNs();
        if (now - last > longest.ms)
            longest = {now - last, (queued - lastQueued) / 1000000};
        last = now;
        lastQueued = queued;
    };
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, beat);
    heartbeat.start(10);
    const auto measure = [&](int ms, const std::function<void()> &action) {
        longest = Stall();
        last = clock.elapsed();
        lastQueued = queueWaitNs();
        runFor(ms, action);
        beat();
        return longest;
    };

    Launcher launcher(Services::real(directory, QProcessEnvironment::systemEnvironment()));

    // Dialogs wait for the player: press OK at once. The progress window
    // closes by itself when the start-up chain is done.
    QTimer closer;
    QWidget *progress = launcherWindow("TForm17");
    QObject::connect(&closer, &QTimer::timeout, [progress] {
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (modal && modal != progress)
            modal->accept();
    });
    closer.start(50);

    const auto print = [](const char *phase, const Stall &stall) {
        std::printf("longest stall %s: %.2f s (%.2f s of it waiting for a processor)\n", phase,
                    stall.ms / 1000.0, stall.queuedMs / 1000.0);
    };

    if (served) {
        // The start-up chain runs inside start(), which returns once the main
        // window has been shown; from then on every stall counts.
        Stall afterMain;
        runFor(8000, [&] {
            launcher.start();
            longest = Stall();
            last = clock.elapsed();
            lastQueued = queueWaitNs();
        });
        beat();
        afterMain = longest;
        print("after the main window appeared", afterMain);
        server.stop();
        return 0;
    }

    // Start-up, and whatever it left to the event loop (the first page loads).
    const Stall startup = measure(500, [&launcher] { launcher.start(); });
    // One counter tick, run by the event loop as the 30-second timer would.
    QWidget *main = launcherWindow("TForm1");
    auto *counters = main->findChild<QTimer *>(QStringLiteral("onlinecounter"));
    const Stall tick = measure(200, [counters] { QMetaObject::invokeMethod(counters, "timeout"); });
    // The Update picture without an update: a beep and the no-update dialog.
    QWidget *update = main->findChild<QWidget *>(QStringLiteral("Image156"));
    const Stall picture = measure(200, [update] { click(update); });

    print("during start-up", startup);
    print("during a counter tick", tick);
    print("during a click on the Update picture", picture);
    server.stop();
    return 0;
}
