#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "ModalWindow.h"
#include "Pointer.h"
#include "StepHooks.h"
#include "TrayIconWindow.h"
#include "app/TForm1.h"
#include "app/TForm17.h"
#include "config/TForm5.h"
#include "launcher/RunLauncher.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/WindowTimer.h"
#include "platform/windows/MessageBoxErrorReporter.h"
#include "platform/windows/WindowGroup.h"
#include "web/CommunityUrls.h"
#include "web/TForm11.h"
#include "web/TForm12.h"
#include "web/TForm13.h"
#include "web/TForm7.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
const QByteArray currentVersion = "[Setting]\r\nver=1.8.3\r\n";

// A launcher whose web server offers no newer version.
struct Fixture : LauncherFixture {
    Fixture() { downloads->bodies[CommunityUrls::versionInf()] = currentVersion; }
};
// A started launcher whose sounds switch is as given.
Launcher &started(Fixture &f, bool sounds)
{
    f.presetNotFirstRun();
    f.preset("data.dat", "Sounds", "enabled", sounds ? QStringLiteral("1") : QStringLiteral("0"));
    return f.start();
}

int count(const QStringList &list, const QString &item)
{
    return list.count(item);
}

QAction *menuItem(Launcher &l, const char *name)
{
    return form1(l)->findChild<QAction *>(QLatin1String(name));
}

// Sets the run up so that the named window comes up during start-up (the
// progress window, the first-run settings window or the update-server error
// dialog) and runs 'act' while it is up. Start-up then goes on.
void whileUpInStartUp(Fixture &f, const QString &name, std::function<void()> act)
{
    if (name != "TForm5")
        f.presetNotFirstRun();
    if (name == "TForm13")
        f.downloads->bodies.remove(CommunityUrls::versionInf());
    Launcher &l = f.make();
    if (name == "TForm17") {
        hooks(l).counters = act;
        return;
    }
    QWidget *w = TestLaunchers::window(l, name);
    ModalWindow::whenUp(w, [w, act] {
        act();
        if (w->isVisible())
            w->close();
    });
}

// Clicks an item of an open popup menu.
void choose(QMenu *menu, const char *name)
{
    QAction *item = menu->findChild<QAction *>(QLatin1String(name));
    QVERIFY(menu->isVisible() && item);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

// Counts how often a window is shown.
struct ShowCounter : QObject {
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        shows += event->type() == QEvent::Show;
        return false;
    }
};
} // namespace

class ChromeTest : public QObject
{
    Q_OBJECT
private slots:
    void framePictures_data();
    void framePictures();
    void buttons_data();
    void buttons();
    void buttonsLieAboveTheFrameAndTwinsAboveButtons();
    void closeButton_data();
    void closeButton();
    void minimiseButton_data();
    void minimiseButton();
    void settingsButton_data();
    void settingsButton();
    void trayIconAndMenu();
    void trayClickRestores();
    void aboutOpensTheAboutWindowWithoutACue();
    void exitClosesWithoutACue();
    void trayAnswersWhileAStartUpWindowIsUp_data();
    void errorBoxBlocksOnlyTheLaunchersWindows();
    void trayAnswersWhileAStartUpWindowIsUp();
    void exitDuringStartUpEndsTheRun_data();
    void exitDuringStartUpEndsTheRun();
    void restoringKeepsTheModalWindowOnTop_data();
    void restoringKeepsTheModalWindowOnTop();
    void escapeLeavesEveryWindowOpen_data();
    void escapeLeavesEveryWindowOpen();
};

void ChromeTest::framePictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Image150") << "Image150" << QRect(-8, -2, 466, 20);
    QTest::newRow("Image9") << "Image9" << QRect(400, -2, 466, 20);
    QTest::newRow("Image8") << "Image8" << QRect(-210, 595, 466, 20);
    QTest::newRow("Image7") << "Image7" << QRect(235, 595, 466, 20);
    QTest::newRow("Image11") << "Image11" << QRect(-3, -250, 20, 466);
    QTest::newRow("Image31") << "Image31" << QRect(-3, 150, 20, 466);
    QTest::newRow("Image5") << "Image5" << QRect(673, -16, 20, 466);
    QTest::newRow("Image32") << "Image32" << QRect(673, 149, 20, 466);
    QTest::newRow("Image151") << "Image151" << QRect(-5, -8, 24, 26);
    QTest::newRow("Image12") << "Image12" << QRect(-5, 595, 24, 26);
    QTest::newRow("Image53") << "Image53" << QRect(673, 595, 24, 26);
    QTest::newRow("Image153") << "Image153" << QRect(72, -3, 70, 30);
    QTest::newRow("Image154") << "Image154" << QRect(421, 0, 70, 30);
    QTest::newRow("Image30") << "Image30" << QRect(502, 0, 143, 30);
    QTest::newRow("Image29") << "Image29" << QRect(432, 65, 246, 25);
}

void ChromeTest::framePictures()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    Fixture f;
    auto *picture = form1(f.make())->findChild<PictureControl *>(name);
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), place);
    QCOMPARE(picture->property("layer").toInt(), 0);
    QVERIFY(!picture->isHidden());
    QVERIFY(picture->picture().startsWith(":/skin/"));
}

void ChromeTest::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("cursor");
    const int arrow = Qt::ArrowCursor, hand = Qt::PointingHandCursor;
    QTest::newRow("Image6") << "Image6" << QRect(673, 0, 22, 16) << true << "Close/Konec" << arrow;
    QTest::newRow("closeact") << "closeact" << QRect(673, 0, 22, 16) << false << "Close/Konec" << hand;
    QTest::newRow("Image4") << "Image4" << QRect(654, 0, 20, 16) << true << "Minimize" << hand;
    QTest::newRow("Image130") << "Image130" << QRect(654, 0, 20, 16) << false << "Minimize" << hand;
    QTest::newRow("Image13") << "Image13" << QRect(432, 63, 26, 29) << true << QString::fromUtf8("Setting/Nastavení")
                             << hand;
    QTest::newRow("Image21") << "Image21" << QRect(432, 63, 26, 29) << false << QString::fromUtf8("Setting/Nastavení")
                             << hand;
}

void ChromeTest::buttons()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(bool, shown);
    QFETCH(QString, hint);
    QFETCH(int, cursor);
    Fixture f;
    auto *picture = form1(f.make())->findChild<PictureControl *>(name);
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), place);
    QCOMPARE(!picture->isHidden(), shown);
    QCOMPARE(picture->toolTip(), hint);
    QCOMPARE(int(picture->cursor().shape()), cursor);
    QCOMPARE(picture->property("layer").toInt(), shown ? 1 : 2);
}

void ChromeTest::buttonsLieAboveTheFrameAndTwinsAboveButtons()
{
    Fixture f;
    TForm1 *w = form1(f.make());
    const struct {
        const char *normal, *twin;
        QPoint at;
    } pairs[] = {{"Image6", "closeact", {684, 8}}, {"Image4", "Image130", {664, 8}}, {"Image13", "Image21", {445, 77}}};
    for (const auto &pair : pairs) {
        QCOMPARE(Pointer::controlAt(w, pair.at)->objectName(), QLatin1String(pair.normal));
        w->findChild<QWidget *>(QLatin1String(pair.twin))->show();
        QCOMPARE(Pointer::controlAt(w, pair.at)->objectName(), QLatin1String(pair.twin));
        w->findChild<QWidget *>(QLatin1String(pair.twin))->hide();
    }
}

void ChromeTest::closeButton_data()
{
    QTest::addColumn<bool>("sounds");
    QTest::newRow("sounds on") << true;
    QTest::newRow("sounds off") << false;
}

void ChromeTest::closeButton()
{
    QFETCH(bool, sounds);
    Fixture f;
    Launcher &l = started(f, sounds);
    QSignalSpy finished(&l, &Launcher::finished);
    f.presetFile("online.inf", "1");
    Pointer::click(form1(l), {684, 8});
    QCOMPARE(finished.size(), 1);
    QVERIFY(!form1(l)->isVisible());
    if (sounds) {
        // The cue starts and the window closes at once, without waiting for it.
        QCOMPARE(count(f.sound->played, "press.wav"), 1);
        QVERIFY(f.log.events.indexOf("sound press.wav async") < f.log.events.lastIndexOf("delete online.inf"));
        QCOMPARE(form1(l)->latch(), QStringLiteral("1"));
    } else {
        QVERIFY(f.sound->played.isEmpty());
        QCOMPARE(form1(l)->latch(), QStringLiteral("0"));
    }
}

void ChromeTest::minimiseButton_data()
{
    closeButton_data();
}

void ChromeTest::minimiseButton()
{
    QFETCH(bool, sounds);
    Fixture f;
    Launcher &l = started(f, sounds);
    QSignalSpy finished(&l, &Launcher::finished);
    Pointer::click(form1(l), {664, 8});
    QVERIFY(form1(l)->isMinimized());
    QCOMPARE(finished.size(), 0);
    QCOMPARE(count(f.sound->played, "press.wav"), sounds ? 1 : 0);
    if (sounds)
        QCOMPARE(f.sound->modes.last(), QStringLiteral("async"));
    QCOMPARE(form1(l)->latch(), sounds ? QStringLiteral("1") : QStringLiteral("0"));
}

void ChromeTest::settingsButton_data()
{
    closeButton_data();
}

void ChromeTest::settingsButton()
{
    QFETCH(bool, sounds);
    Fixture f;
    Launcher &l = started(f, sounds);
    TForm5 *s = form5(l);
    bool modal = false;
    QStringList playedWhenUp;
    QString latchWhenUp;
    ModalWindow::whenUp(s, [&] {
        modal = QApplication::activeModalWidget() == s;
        playedWhenUp = f.sound->played;
        latchWhenUp = form1(l)->latch();
        s->close();
    });
    Pointer::click(form1(l), {445, 77});
    QVERIFY(modal);
    QVERIFY(!s->isVisible());
    QCOMPARE(count(playedWhenUp, "press.wav"), sounds ? 1 : 0);
    QCOMPARE(latchWhenUp, sounds ? QStringLiteral("1") : QStringLiteral("0"));
    QVERIFY(form1(l)->isVisible());
}

void ChromeTest::trayIconAndMenu()
{
    Fixture f;
    f.presetNotFirstRun();
    Launcher &l = f.make();
    // Shown from creation, before the start-up chain.
    QVERIFY(f.tray->shown);
    QCOMPARE(f.tray->toolTip, QStringLiteral("OV Game Client"));
    QMenu *menu = f.tray->menu;
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("PopupMenu1"));
    QCOMPARE(menu->parent(), form1(l));
    // The tray's servers put their entries before "About"; these three keep
    // their order among them.
    QList<QAction *> items;
    for (QAction *action : menu->actions()) {
        if (QStringList{"Updateto1", "About1", "Exit1"}.contains(action->objectName()))
            items << action;
    }
    QCOMPARE(items.size(), 3);
    QCOMPARE(menu->actions().last(), items.last());
    const struct {
        const char *name, *caption;
        bool visible;
    } expected[] = {{"Updateto1", "Update to", false}, {"About1", "About", true}, {"Exit1", "Exit", true}};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(items[i]->objectName(), QLatin1String(expected[i].name));
        QCOMPARE(items[i]->text(), QLatin1String(expected[i].caption));
        QCOMPARE(items[i]->isVisible(), expected[i].visible);
    }
    f.start();
    QVERIFY(!menuItem(l, "Updateto1")->isVisible()); // no newer version offered in this run
}

void ChromeTest::trayClickRestores()
{
    Fixture f;
    Launcher &l = started(f, true);
    Pointer::click(form1(l), {664, 8});
    QVERIFY(form1(l)->isMinimized());
    f.tray->click();
    QVERIFY(!form1(l)->isMinimized());
    QVERIFY(form1(l)->isVisible());
}

void ChromeTest::aboutOpensTheAboutWindowWithoutACue()
{
    Fixture f;
    Launcher &l = started(f, true);
    bool up = false;
    ModalWindow::whenUp(form7(l), [&] {
        up = true;
        form7(l)->close();
    });
    menuItem(l, "About1")->trigger();
    QVERIFY(up);
    QVERIFY(!form7(l)->isVisible());
    QVERIFY(f.sound->played.isEmpty());
    QVERIFY(form1(l)->isVisible());
}

void ChromeTest::exitClosesWithoutACue()
{
    Fixture f;
    Launcher &l = started(f, true);
    QSignalSpy finished(&l, &Launcher::finished);
    menuItem(l, "Exit1")->trigger();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!form1(l)->isVisible());
    QVERIFY(f.sound->played.isEmpty());
}

void ChromeTest::trayAnswersWhileAStartUpWindowIsUp_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("progress window") << "TForm17";
    QTest::newRow("first-run settings window") << "TForm5";
    QTest::newRow("update-server error dialog") << "TForm13";
}

// The modal windows of start-up block the launcher's windows, not the tray
// icon's; a click on the icon brings back nothing but what is minimised.
void ChromeTest::trayAnswersWhileAStartUpWindowIsUp()
{
    QFETCH(QString, window);
    Fixture f;
    TrayIconWindow icon(*f.tray);
    QSignalSpy clicks(f.tray, &TrayService::clicked);
    bool modal = false, menuOpened = false, mainShown = true;
    whileUpInStartUp(f, window, [&] {
        QWidget *w = TestLaunchers::window(*f.launcher, window);
        icon.rightClick();
        menuOpened = f.tray->menu->isVisible();
        f.tray->menu->close();
        w->showMinimized();
        icon.leftClick();
        mainShown = form1(*f.launcher)->isVisible();
        modal = QApplication::activeModalWidget() == w && w->isVisible() && !w->isMinimized();
    });
    f.start();
    QVERIFY(menuOpened);
    QCOMPARE(clicks.size(), 1);
    QVERIFY(!mainShown);
    QVERIFY(modal);
    QVERIFY(form1(*f.launcher)->isVisible());
}

// The error box waits for the player over the launcher's windows; the tray
// icon answers meanwhile.
void ChromeTest::errorBoxBlocksOnlyTheLaunchersWindows()
{
    WindowGroup group;
    QPushButton window(QStringLiteral("OK"));
    window.setGeometry(100, 100, 120, 60);
    group.add(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    RecordingTray tray;
    TrayIconWindow icon(tray);
    QSignalSpy trayClicks(&tray, &TrayService::clicked);
    QSignalSpy windowClicks(&window, &QPushButton::clicked);
    QString shown;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        icon.leftClick();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(60, 30));
        box->accept();
    });
    MessageBoxErrorReporter(group).report(QStringLiteral("Error downloading URL: http://x/"));
    QCOMPARE(shown, QStringLiteral("Error downloading URL: http://x/"));
    QCOMPARE(trayClicks.size(), 1);
    QCOMPARE(windowClicks.size(), 0);
}

void ChromeTest::exitDuringStartUpEndsTheRun_data()
{
    trayAnswersWhileAStartUpWindowIsUp_data();
}

// The program's own run, as main() runs it: "Exit" leaves its event loop
// from inside the modal runs of start-up, and nothing happens after the close
// handler.
void ChromeTest::exitDuringStartUpEndsTheRun()
{
    QFETCH(QString, window);
    Fixture f;
    f.presetFile("online.inf", "3");
    f.presetFile("statistic.inf", "4");
    TrayIconWindow icon(*f.tray);
    int exitChosenAt = -1;
    whileUpInStartUp(f, window, [&] {
        icon.rightClick();
        exitChosenAt = f.log.events.size();
        choose(f.tray->menu, "Exit1");
    });
    Launcher &l = *f.launcher;
    ShowCounter mainShows;
    form1(l)->installEventFilter(&mainShows);
    QTimer stuck; // ends the loop should "Exit" not have ended it
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    stuck.start(5000);
    QCOMPARE(runLauncher(l), 0);

    QCOMPARE(mainShows.shows, 0);
    // The close handler ran once, and nothing happened after it.
    QVERIFY(exitChosenAt >= 0);
    QCOMPARE(f.log.events.mid(exitChosenAt), (QStringList{"delete online.inf", "delete statistic.inf"}));
    QVERIFY(!f.exists("online.inf") && !f.exists("statistic.inf"));
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible() || w == &icon, qPrintable(w->objectName()));
    QVERIFY(!form1(l)->findChild<WindowTimer *>("news")->isActive());
    QCOMPARE(f.browsers->beganLoading, 0);

    // A version fetch cut short by the end of the run fails without a sound
    // or its dialog.
    f.downloads->bodies.remove(CommunityUrls::versionInf());
    form5(l)->soundsSwitch()->setChecked(true);
    const int errorCues = f.sound->played.count("error.wav");
    bool dialogShown = false;
    ModalWindow::whenUp(form13(l), [&] {
        dialogShown = true;
        form13(l)->hide();
    });
    hooks(l).fetchVersion();
    QVERIFY(!dialogShown && !form13(l)->isVisible());
    QCOMPARE(f.sound->played.count("error.wav"), errorCues);
}

void ChromeTest::restoringKeepsTheModalWindowOnTop_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("About") << "TForm7";
    QTest::newRow("settings") << "TForm5";
    QTest::newRow("no-update dialog") << "TForm12";
}

void ChromeTest::restoringKeepsTheModalWindowOnTop()
{
    QFETCH(QString, window);
    Fixture f;
    Launcher &l = started(f, false);
    QWidget *w = TestLaunchers::window(l, window);
    bool restored = false, onTop = false;
    ModalWindow::whenUp(w, [&] {
        TestLaunchers::partsOf(l).windows->minimise();
        f.tray->click();
        restored = !form1(l)->isMinimized() && form1(l)->isVisible() && !w->isMinimized() && w->isVisible();
        onTop = QTest::qWaitForWindowActive(w) && QApplication::activeWindow() == w
                && QApplication::activeModalWidget() == w;
        w->close();
    });
    if (window == "TForm7")
        menuItem(l, "About1")->trigger();
    else if (window == "TForm5")
        Pointer::click(form1(l), {445, 77});
    else
        Pointer::click(form1(l), {475, 77});
    QVERIFY(restored);
    QVERIFY(onTop);
}

void ChromeTest::escapeLeavesEveryWindowOpen_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("closer"); // the button that does close it, when tried here
    QTest::newRow("main") << "TForm1" << "";
    QTest::newRow("settings") << "TForm5" << "";
    QTest::newRow("chat") << "TForm6" << "";
    QTest::newRow("About") << "TForm7" << "Button1";
    QTest::newRow("bug report") << "TForm8" << "Button1";
    QTest::newRow("speed test") << "TForm9" << "Button1";
    QTest::newRow("new version") << "TForm11" << "Button2";
    QTest::newRow("no update") << "TForm12" << "Button1";
    QTest::newRow("update-server error") << "TForm13" << "Button1";
    QTest::newRow("news") << "TForm15" << "Button1";
    QTest::newRow("progress") << "TForm17" << "";
}

void ChromeTest::escapeLeavesEveryWindowOpen()
{
    QFETCH(QString, window);
    QFETCH(QString, closer);
    Fixture f;
    Launcher &l = started(f, false);
    QWidget *w = TestLaunchers::window(l, window);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
    QVERIFY(w->isVisible());
    if (!closer.isEmpty()) {
        QWidget *button = w->findChild<QWidget *>(closer);
        Pointer::click(w, button->mapTo(w, button->rect().center()));
        QVERIFY(!w->isVisible());
    }
}

QTEST_MAIN(ChromeTest)
#include "tst_chrome.moc"
