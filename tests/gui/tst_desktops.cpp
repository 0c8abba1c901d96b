// The launcher on the desktops players run: every window floats over the
// window that opened it, a notice reaches the player with a tray or without
// one, and the pages show again whenever their window is back on the screen.
#include "ControlPoints.h"
#include "FireTimer.h"
#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "ModalWindow.h"
#include "Pointer.h"
#include "RecordingNotices.h"
#include "StepHooks.h"
#include "platform/browser/WebEngineBrowser.h"
#include "platform/browser/WebEngineSetup.h"
#include "platform/controls/WindowTimer.h"
#include "platform/system/ApplicationFonts.h"
#include "platform/system/DesktopNotifications.h"
#include "platform/system/SystemTrayService.h"
#include "platform/windows/NoticeWindow.h"
#include "platform/windows/Transparency.h"
#include "platform/windows/WindowFrame.h"
#include "platform/windows/WindowGroup.h"
#include "web/CommunityUrls.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFontDatabase>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace {
// The launcher's window whose native window is 'handle', by name.
QString nameOf(Launcher &l, const QWindow *handle)
{
    if (!handle)
        return QStringLiteral("(none)");
    for (QWidget *w : TestLaunchers::partsOf(l).windows->windows()) {
        if (w->windowHandle() == handle)
            return w->objectName();
    }
    return QStringLiteral("(the group's own)");
}

// Runs 'act' once 'window' is on the screen, modal or not.
void whenShown(QWidget *window, std::function<void()> act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, window, act] {
        if (!window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start(5);
}

void click(QWidget *window, const char *control)
{
    Pointer::click(window, ControlPoints::centre(window, QLatin1String(control)));
}

// Keeps a window from hearing that it is exposed.
struct NoExpose : QObject {
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Expose; }
};

// What a Wayland desktop that cannot minimise does with a window asked to:
// the window stays as it was, without a new exposure, and the toolkit at
// once reports the window's state plain again, as if it had never been
// minimised; the window's contents are never told they are shown again.
void refuseMinimise(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    NoExpose sameFrame;
    handle->installEventFilter(&sameFrame);
    handle->setWindowStates(Qt::WindowNoState);
    QWindowStateChangeEvent plain(Qt::WindowNoState);
    QCoreApplication::sendEvent(handle, &plain);
    QCoreApplication::processEvents();
    handle->removeEventFilter(&sameFrame);
}

enum class Return { HiddenAndShown, MinimiseRefused, TrayRestore, TaskBarRestore };

// 'window' of 'group' leaves the screen and comes back as 'how' says.
void awayAndBack(WindowGroup &group, QWidget *window, Return how)
{
    if (how == Return::HiddenAndShown)
        window->hide();
    else
        group.minimise();
    QCoreApplication::processEvents();
    if (how == Return::HiddenAndShown)
        window->show();
    else if (how == Return::MinimiseRefused)
        refuseMinimise(window);
    else if (how == Return::TrayRestore)
        group.restore(window);
    else
        window->showNormal();
    QCoreApplication::processEvents();
}

void addReturns()
{
    QTest::newRow("hidden and shown") << Return::HiddenAndShown;
    QTest::newRow("minimise the desktop refused") << Return::MinimiseRefused;
    QTest::newRow("restored from the tray") << Return::TrayRestore;
    QTest::newRow("restored from the task bar") << Return::TaskBarRestore;
}

// What the page itself believes.
QString visibility(WebEngineBrowser *browser)
{
    QString state;
    browser->findChild<QWebEngineView *>()->page()->runJavaScript(
        QStringLiteral("document.visibilityState"), [&state](const QVariant &v) { state = v.toString(); });
    if (!QTest::qWaitFor([&state] { return !state.isEmpty(); }, 5000))
        return QStringLiteral("(no answer)");
    return state;
}

// A session bus of the test's own, with nothing on it but what the test puts there.
struct SessionBus {
    QProcess daemon;
    QString address;
    bool start()
    {
        daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                      QStringLiteral("--print-address=1")});
        if (!daemon.waitForStarted(5000) || !daemon.waitForReadyRead(5000))
            return false;
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        return !address.isEmpty();
    }
    ~SessionBus()
    {
        daemon.terminate();
        daemon.waitForFinished(5000);
    }
};

// Takes the notices a notification server would be given.
class NotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QVariantList last;
    int calls = 0;
public slots:
    quint32 Notify(const QString &app, quint32, const QString &icon, const QString &summary, const QString &body,
                   const QStringList &, const QVariantMap &, int timeout)
    {
        last = {app, icon, summary, body, timeout};
        return quint32(++calls);
    }
};
} // namespace
Q_DECLARE_METATYPE(Return)

class DesktopsTest : public QObject
{
    Q_OBJECT
private slots:
    void windowsFloatOverTheirOpener_data();
    void windowsFloatOverTheirOpener();
    void noticeGoesWhereThePlayerSeesIt_data();
    void noticeGoesWhereThePlayerSeesIt();
    void desktopNotificationsOnARealBus();
    void noticeWindowWaitsForNobody();
    void comingBackShowsPagesAndPutsOutTwins_data();
    void comingBackShowsPagesAndPutsOutTwins();
    void pagesShowAgain_data();
    void pagesShowAgain();
    void transparencyWhereTheDesktopBlends_data();
    void transparencyWhereTheDesktopBlends();
    void scaledScreensGetFacesThatScale();
};

void DesktopsTest::windowsFloatOverTheirOpener_data()
{
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("parent");
    QTest::newRow("progress window") << "start-up" << "TForm17" << "TForm1";
    QTest::newRow("first-run settings") << "first run" << "TForm5" << "TForm17";
    QTest::newRow("update-server error at start-up") << "no version file" << "TForm13" << "TForm17";
    QTest::newRow("news window") << "news timer" << "TForm15" << "TForm1";
    QTest::newRow("new-version dialog") << "shownew timer" << "TForm11" << "TForm1";
    QTest::newRow("settings button") << "Image13" << "TForm5" << "TForm1";
    QTest::newRow("About picture") << "Image125" << "TForm7" << "TForm1";
    QTest::newRow("bug-report picture") << "Image127" << "TForm8" << "TForm1";
    QTest::newRow("speed-test picture") << "Image112" << "TForm9" << "TForm1";
    QTest::newRow("chat picture") << "Image133" << "TForm6" << "TForm1";
    QTest::newRow("no-update dialog") << "Image156" << "TForm12" << "TForm1";
    QTest::newRow("bug report from the About window") << "Label13" << "TForm8" << "TForm7";
    QTest::newRow("speed test from the About window") << "Label15" << "TForm9" << "TForm7";
    QTest::newRow("About from the tray, minimised") << "tray About1" << "TForm7" << "(the group's own)";
}

// Desktops that place windows themselves centre each over its parent
// instead of tiling it; the parent is the window the player opened it from.
void DesktopsTest::windowsFloatOverTheirOpener()
{
    QFETCH(QString, opening);
    QFETCH(QString, window);
    QFETCH(QString, parent);
    LauncherFixture f;
    f.downloads->bodies[CommunityUrls::versionInf()] = "[Setting]\r\nver=1.8.3\r\n";
    if (opening != QLatin1String("first run"))
        f.presetNotFirstRun();
    if (opening == QLatin1String("no version file"))
        f.downloads->bodies.remove(CommunityUrls::versionInf());
    Launcher &l = f.make();
    QWidget *w = TestLaunchers::window(l, window);
    QString seen = QStringLiteral("(never shown)");
    const auto note = [&] {
        seen = nameOf(l, w->windowHandle()->transientParent());
        w->close();
    };
    if (opening == QLatin1String("start-up")) {
        hooks(l).counters = [&] { seen = nameOf(l, w->windowHandle()->transientParent()); };
        f.start();
    } else if (!opening.startsWith(QLatin1String("Image")) && !opening.startsWith(QLatin1String("Label"))
               && !opening.endsWith(QLatin1String("timer")) && !opening.startsWith(QLatin1String("tray"))) {
        ModalWindow::whenUp(w, note);
        f.start();
    } else {
        f.start();
        TForm1 *main = form1(l);
        whenShown(w, note);
        if (opening == QLatin1String("news timer"))
            fire(main->findChild<WindowTimer *>(QStringLiteral("news")));
        else if (opening == QLatin1String("shownew timer"))
            fire(main->findChild<WindowTimer *>(QStringLiteral("shownew")));
        else if (opening == QLatin1String("tray About1")) {
            TestLaunchers::partsOf(l).windows->minimise();
            QTRY_VERIFY(main->isMinimized());
            f.tray->menu->findChild<QAction *>(QStringLiteral("About1"))->trigger();
        }
        else if (opening.startsWith(QLatin1String("Label"))) {
            TForm7 *about = form7(l);
            ModalWindow::whenUp(about, [&] {
                click(about, qPrintable(opening));
                about->close();
            });
            click(main, "Image125");
        } else {
            click(main, qPrintable(opening));
        }
    }
    QTRY_COMPARE(seen, parent);
}

void DesktopsTest::noticeGoesWhereThePlayerSeesIt_data()
{
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("notificationService");
    QTest::addColumn<int>("toService");
    QTest::addColumn<int>("toWindow");
    QTest::newRow("tray: its balloon") << true << true << 0 << 0;
    QTest::newRow("tray, no service: its balloon") << true << false << 0 << 0;
    QTest::newRow("no tray: the notification service") << false << true << 1 << 0;
    QTest::newRow("neither: the launcher's window") << false << false << 0 << 1;
}

// The texts arrive as the player should read them, markup and all.
void DesktopsTest::noticeGoesWhereThePlayerSeesIt()
{
    QFETCH(bool, tray);
    QFETCH(bool, notificationService);
    QFETCH(int, toService);
    QFETCH(int, toWindow);
    auto service = std::make_unique<RecordingNotices>(notificationService);
    auto window = std::make_unique<RecordingNotices>();
    RecordingNotices &serviceSeen = *service, &windowSeen = *window;
    SystemTrayService icon(std::move(service), std::move(window), [tray] { return tray; });
    const QString text = QStringLiteral("The file C:/Hry/<cs> & co/hl.exe does not exist");
    icon.showBalloon(QStringLiteral("The program did not start"), text);
    QCOMPARE(serviceSeen.notices.size(), toService);
    QCOMPARE(windowSeen.notices.size(), toWindow);
    for (const auto &seen : serviceSeen.notices + windowSeen.notices)
        QCOMPARE(seen, qMakePair(QStringLiteral("The program did not start"), text));
}

void DesktopsTest::desktopNotificationsOnARealBus()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        QSKIP("no dbus-daemon");
    SessionBus bus;
    QVERIFY(bus.start());
    QDBusConnection launcherSide = QDBusConnection::connectToBus(bus.address, QStringLiteral("launcher"));
    QDBusConnection desktopSide = QDBusConnection::connectToBus(bus.address, QStringLiteral("desktop"));
    QVERIFY(launcherSide.isConnected() && desktopSide.isConnected());
    DesktopNotifications notifications(launcherSide);
    QVERIFY(!notifications.available());

    NotificationServer server;
    QVERIFY(desktopSide.registerObject(DesktopNotifications::objectPath(), &server, QDBusConnection::ExportAllSlots));
    QVERIFY(desktopSide.registerService(DesktopNotifications::serviceName()));
    QVERIFY(notifications.available());
    notifications.notify(QStringLiteral("Program se nespustil"), QStringLiteral("Soubor <a href=x>&</a> neexistuje"));
    QTRY_COMPARE(server.calls, 1);
    const QVariantList expected = {QStringLiteral("OVCL"), QStringLiteral("dialog-information"),
                                   QStringLiteral("Program se nespustil"),
                                   QStringLiteral("Soubor &lt;a href=x&gt;&amp;&lt;/a&gt; neexistuje"), -1};
    QCOMPARE(server.last, expected);

    QVERIFY(desktopSide.unregisterService(DesktopNotifications::serviceName()));
    QTRY_VERIFY(!notifications.available());
    QDBusConnection::disconnectFromBus(QStringLiteral("launcher"));
    QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
}

// The launcher goes on answering while the notice is up; OK puts it away,
// and a later notice replaces it.
void DesktopsTest::noticeWindowWaitsForNobody()
{
    NoticeWindow notice;
    notice.notify(QStringLiteral("Program se nespustil"), QStringLiteral("Wine není nainstalováno"));
    QVERIFY(QTest::qWaitForWindowExposed(&notice));
    QCOMPARE(notice.windowTitle(), QStringLiteral("Program se nespustil"));
    QCOMPARE(notice.text(), QStringLiteral("Wine není nainstalováno"));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(notice.windowModality(), Qt::NonModal);
    notice.notify(QStringLiteral("The program did not start"), QStringLiteral("Wine is not installed"));
    QCOMPARE(notice.text(), QStringLiteral("Wine is not installed"));
    QTest::mouseClick(&notice.okButton(), Qt::LeftButton);
    QVERIFY(!notice.isVisible());
}

void DesktopsTest::comingBackShowsPagesAndPutsOutTwins_data()
{
    QTest::addColumn<Return>("how");
    addReturns();
}

// Wherever the pointer was when the window left, it is not there when it
// comes back: no twin stays lit.
void DesktopsTest::comingBackShowsPagesAndPutsOutTwins()
{
    QFETCH(Return, how);
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.start();
    TForm1 *main = form1(l);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    Pointer::moveTo(main, ControlPoints::on(main, QStringLiteral("Image4")));
    QWidget *twin = main->findChild<QWidget *>(QStringLiteral("Image130"));
    QVERIFY(twin->isVisible());
    const QList<RecordingBrowser *> pages = main->findChildren<RecordingBrowser *>();
    QVERIFY(!pages.isEmpty());
    awayAndBack(*TestLaunchers::partsOf(l).windows, main, how);
    QVERIFY(!main->isMinimized());
    QVERIFY(!twin->isVisible());
    for (RecordingBrowser *page : pages)
        QVERIFY2(page->shownAgain >= 1, qPrintable(page->objectName()));
}

void DesktopsTest::pagesShowAgain_data()
{
    QTest::addColumn<Return>("how");
    addReturns();
}

// The real engine: what the page believes once its window is back.
void DesktopsTest::pagesShowAgain()
{
    QFETCH(Return, how);
    WindowGroup group;
    QWidget main;
    main.resize(300, 200);
    group.addMain(&main);
    auto *browser = new WebEngineBrowser(&main, false);
    browser->setGeometry(10, 10, 280, 180);
    browser->navigate(QStringLiteral("data:text/html,<body style='background:white'>Orvanta</body>"));
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTRY_COMPARE(visibility(browser), QStringLiteral("visible"));

    awayAndBack(group, &main, how);
    QVERIFY(main.isVisible() && !main.isMinimized());
    QTRY_COMPARE(visibility(browser), QStringLiteral("visible"));
}

void DesktopsTest::transparencyWhereTheDesktopBlends_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("on");
    QTest::addColumn<qreal>("opacity");
    QTest::addColumn<bool>("told");
    QTest::newRow("X11, on") << "xcb" << true << 220 / 255.0 << false;
    QTest::newRow("X11, off") << "xcb" << false << 1.0 << false;
    QTest::newRow("Wayland, on") << "wayland" << true << 1.0 << true;
    QTest::newRow("Wayland with EGL, on") << "wayland-egl" << true << 1.0 << true;
    QTest::newRow("Wayland, off") << "wayland" << false << 1.0 << false;
}

// Where the desktop cannot blend a window, it stays opaque and the player
// is told so once; switching again says nothing new.
void DesktopsTest::transparencyWhereTheDesktopBlends()
{
    QFETCH(QString, platform);
    QFETCH(bool, on);
    QFETCH(qreal, opacity);
    QFETCH(bool, told);
    const WindowFrame frame{"TForm1", "Orvanta", {100, 100}, {-1, -1}, Qt::Window, true, Qt::black, {},
                            "MS Sans Serif", 220};
    QWidget window;
    window.setObjectName(QStringLiteral("TForm1"));
    Transparency transparency(platform);
    transparency.add(&window, frame);
    if (told)
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("not blended.*TForm1 stay opaque")));
    transparency.apply(on);
    QVERIFY(qAbs(window.windowOpacity() - opacity) < 0.01);
    transparency.apply(on);
    QVERIFY(qAbs(window.windowOpacity() - opacity) < 0.01);
}

// A face of letter pictures would keep its letters at one size while the
// layout around them grows.
void DesktopsTest::scaledScreensGetFacesThatScale()
{
    const QStringList loaded = ApplicationFonts::load(QCoreApplication::applicationDirPath(), 2.0);
    QCOMPARE(loaded.size(), ApplicationFonts::fileNames().size() - ApplicationFonts::bitmapOnly().size());
    const QFontInfo drawn(QFont(QStringLiteral("MS Sans Serif"), 8));
    QCOMPARE(drawn.family(), QStringLiteral("Tahoma"));
    QVERIFY(QFontDatabase::isSmoothlyScalable(drawn.family(), drawn.styleName()));
}

int main(int argc, char **argv)
{
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    DesktopsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_desktops.moc"
