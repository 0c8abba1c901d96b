#include "FireTimer.h"
#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "ModalWindow.h"
#include "Pointer.h"
#include "ServedLauncher.h"
#include "StepHooks.h"
#include "app/ProductInfo.h"
#include "app/TForm1.h"
#include "app/MainWindowTimers.h"
#include "app/TForm17.h"
#include "platform/controls/TextLabel.h"
#include "platform/controls/WindowTimer.h"
#include "platform/windows/Form.h"
#include "platform/windows/WindowGroup.h"
#include "web/TForm13.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <stdexcept>

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void windowsAreCreatedHiddenWithTheirCaptions();
    void timersStartAsDesigned();
    void progressRunsThroughEveryValueInOrder();
    void eachStepRunsOnceInOrder();
    void mainWindowAppearsOnlyAfterTheProgressWindowCloses();
    void aFailingStepStillReachesTheEnd();
    void stepsWaitForAServerThatNeverAnswers();
    void engineStartsOnceTheProgressWindowIsPainted();
    void pagesBeginLoadingOnceTheMainWindowIsPainted();
    void clockShowsTheLocalTime();
    void languageTimerOnlySwitchesItselfOff();
    void closingDeletesTheCounterFilesInOrder();
    void closingWithoutCounterFilesIsSilent();
    void neverShownWindowsStayHidden();
    void leftoverTemporariesGoAtStart();
};

// The windows are made at start, hidden, in their order; each has a
// caption of its own and takes its frame (size, designed place, colour),
// and the main window's caption names the version.
void StartupTest::windowsAreCreatedHiddenWithTheirCaptions()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.make();
    QStringList names, captions;
    for (QWidget *w : TestLaunchers::partsOf(l).windows->windows()) {
        names << w->objectName();
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        QVERIFY2(!w->windowTitle().trimmed().isEmpty(), qPrintable(w->objectName()));
        captions << w->windowTitle();
        const auto *form = qobject_cast<Form *>(w);
        const WindowFrame &frame = form ? form->frame() : TForm1::frame;
        if (frame.caption) // the main window's names the version
            QCOMPARE(w->windowTitle(), QString::fromUtf8(frame.caption));
        QCOMPARE(w->size(), frame.client);
        if (frame.position != QPoint(-1, -1))
            QCOMPARE(w->pos(), frame.position);
        if (frame.background.isValid())
            QCOMPARE(w->palette().color(QPalette::Window), frame.background);
    }
    // The fifteen in their order, then the launcher's own join question and friends window.
    QCOMPARE(names, (QStringList{"TForm1", "TForm2", "TForm5", "TForm6", "TForm7", "TForm8", "TForm9", "TForm10",
                                 "TForm11", "TForm12", "TForm13", "TForm15", "TForm16", "TForm17", "TForm18",
                                 "JoinPrompt", "FriendsWindow"}));
    captions.removeDuplicates();
    QCOMPARE(captions.size(), names.size());
    QCOMPARE(form1(l)->windowTitle(),
             QStringLiteral("%1 - %2").arg(QLatin1String(ProductInfo::name), QLatin1String(ProductInfo::version)));
}

// Each timer of the main window, reached by its member, bears its name and
// starts with its interval, running or not as its row says.
void StartupTest::timersStartAsDesigned()
{
    LauncherFixture f;
    f.presetQuietStart();
    TForm1 *w = form1(f.make());
    for (const TimerRow &row : mainWindowTimers()) {
        const WindowTimer *t = w->timers().*row.timer;
        QCOMPARE(t->objectName(), QLatin1String(row.name));
        QCOMPARE(t->interval(), row.intervalMs);
        QCOMPARE(t->isActive(), row.enabled);
    }
}

void StartupTest::progressRunsThroughEveryValueInOrder()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.make();
    QList<int> values;
    QObject::connect(form17(l)->findChild<QProgressBar *>("stav"), &QProgressBar::valueChanged,
                     [&](int v) { values << v; });
    bool newerSeenAt90 = false;
    hooks(l).announceVersion = [&] {
        newerSeenAt90 = startupProgress(l) == 90;
        return true;
    };
    l.start();
    QCOMPARE(values, (QList<int>{10, 20, 30, 35, 40, 60, 63, 73, 80, 90, 100}));
    QVERIFY(newerSeenAt90);
}

void StartupTest::eachStepRunsOnceInOrder()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.make();
    QStringList ran;
    auto hook = [&](const char *name, int expectedProgress) {
        return [&ran, &l, name, expectedProgress] {
            QCOMPARE(startupProgress(l), expectedProgress);
            ran << QLatin1String(name);
        };
    };
    StepHooks &h = hooks(l);
    h.counters = hook("counters", 10);
    h.languageLoad = hook("language", 30);
    h.loadFirstPaths = hook("first paths", 35);
    h.loadRemainingSettings = hook("remaining settings", 40);
    h.startPageLoads = hook("page loads", 63);
    h.readFirstRun = [&] { ran << "read first"; return true; };
    h.firstRun = hook("first run", 73);
    h.readNotShow = hook("notshow", 73);
    h.applyNotShow = hook("apply notshow", 80);
    h.fetchVersion = hook("fetch", 80);
    h.announceVersion = [&] { ran << "announce"; return false; };
    h.fillVersionDialog = hook("fill", 90);
    h.showNews = [&] {
        QVERIFY(form1(l)->isVisible());
        ran << "news";
    };
    l.start();
    QTRY_COMPARE_WITH_TIMEOUT(ran.size(), 13, 2000);
    QCOMPARE(ran, (QStringList{"counters", "language", "first paths", "remaining settings", "page loads",
                               "read first", "first run", "notshow", "apply notshow", "fetch", "announce",
                               "fill", "news"}));
    // No step runs a second time.
    QTest::qWait(150);
    QCOMPARE(ran.size(), 13);
    for (const char *t : {"Timer6", "Timer4", "updatert", "news"})
        QVERIFY2(!form1(l)->findChild<WindowTimer *>(t)->isActive(), t);
}

void StartupTest::mainWindowAppearsOnlyAfterTheProgressWindowCloses()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.make();
    bool checked = false;
    hooks(l).fetchVersion = [&] {
        QVERIFY(form17(l)->isVisible());
        QVERIFY(!form1(l)->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), form17(l));
        checked = true;
    };
    l.start();
    QVERIFY(checked);
    QVERIFY(!form17(l)->isVisible());
    QVERIFY(form1(l)->isVisible());
    QCOMPARE(form1(l)->size(), QSize(693, 615));
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((form1(l)->geometry().center() - centre).manhattanLength() <= 4);
}

// The start-up chain only notes the pages; the browser engine starts after
// the main window has been drawn, so the player never waits for it.
static bool painted(QWidget *window)
{
    return window->isVisible() && !window->visibleRegion().isEmpty();
}

void StartupTest::engineStartsOnceTheProgressWindowIsPainted()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.make();
    bool progressPainted = false, mainHidden = false;
    f.browsers->onStartEngine = [&] {
        progressPainted = painted(form17(l));
        mainHidden = !form1(l)->isVisible();
    };
    l.start();
    QCOMPARE(f.browsers->engineStarts, 1);
    QVERIFY(progressPainted);
    QVERIFY(mainHidden);
}

void StartupTest::pagesBeginLoadingOnceTheMainWindowIsPainted()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.make();
    bool mainWindowPainted = false;
    f.browsers->onBeginLoading = [&] { mainWindowPainted = painted(form1(l)); };
    l.start();
    QCOMPARE(f.browsers->beganLoading, 0);
    QVERIFY(QTest::qWaitForWindowExposed(form1(l)));
    QTRY_COMPARE(f.browsers->beganLoading, 1);
    QVERIFY(mainWindowPainted);
    // Later paints change nothing.
    form1(l)->repaint();
    QTest::qWait(20);
    QCOMPARE(f.browsers->beganLoading, 1);
}

void StartupTest::aFailingStepStillReachesTheEnd()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.make();
    hooks(l).counters = [] { throw std::runtime_error("counter step broke"); };
    hooks(l).fetchVersion = [] { throw std::runtime_error("update step broke"); };
    bool later = false;
    hooks(l).fillVersionDialog = [&] { later = true; };
    l.start();
    QCOMPARE(startupProgress(l), 100);
    QVERIFY(later);
    QVERIFY(form1(l)->isVisible());
    QCOMPARE(f.errors->messages, (QStringList{"counter step broke", "update step broke"}));
}

// Each step waits for its fetches while the event loop runs: a 50 ms timer
// keeps firing, the bar stays where the step left it until the fetches have
// ended, and they fail within the step's time.
void StartupTest::stepsWaitForAServerThatNeverAnswers()
{
    DownloadLimits limits;
    limits.totalTimeoutMs = 600;
    ServedLauncher s(limits);
    s.presetNotFirstRun();
    s.server.setFailure(QString(), CommunityServer::Failure::Hang);
    Launcher &l = s.make();
    QList<int> barWhileFetching;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        if (s.downloads->fetching())
            barWhileFetching << startupProgress(l);
    });
    beat.start(50);
    int errorDialogAt = -1;
    ModalWindow::whenUp(form13(l), [&] {
        errorDialogAt = startupProgress(l);
        QWidget *ok = form13(l)->findChild<QWidget *>("Button1");
        Pointer::click(form13(l), ok->mapTo(form13(l), ok->rect().center()));
    });
    l.start();

    const QString seen = QString::number(barWhileFetching.size()) + " beats, at 10: "
        + QString::number(barWhileFetching.count(10)) + ", at 80: " + QString::number(barWhileFetching.count(80));
    QVERIFY2(barWhileFetching.count(10) >= 2 && barWhileFetching.count(80) >= 2, qPrintable(seen));
    QVERIFY2(barWhileFetching.count(10) + barWhileFetching.count(80) == barWhileFetching.size(), qPrintable(seen));
    const QList<ServerRoutedDownloads::Fetch> &fetches = s.downloads->fetches;
    QCOMPARE(fetches.size(), 3);
    for (const ServerRoutedDownloads::Fetch &fetch : fetches)
        QVERIFY2(!fetch.saved && fetch.endedMs >= 0, qPrintable(fetch.url));
    // The counter step's two fetches share one budget; the version fetch has its own.
    QVERIFY(fetches.at(1).endedMs - fetches.at(0).startedMs < limits.totalTimeoutMs * 3 / 2);
    QVERIFY(fetches.at(2).endedMs - fetches.at(2).startedMs < limits.totalTimeoutMs * 3 / 2);
    QCOMPARE(errorDialogAt, 80);
    QCOMPARE(startupProgress(l), 100);
    QVERIFY(form1(l)->isVisible());
}

void StartupTest::clockShowsTheLocalTime()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.start();
    auto *clock = form1(l)->findChild<TextLabel *>("Label41");
    QCOMPARE(clock->caption(), QString());
    QCOMPARE(clock->geometry(), QRect(556, 2, 90, 15));
    fire(form1(l)->findChild<WindowTimer *>("Timer5"));
    const QString shown = clock->caption();
    QVERIFY(!shown.isEmpty());
    QVERIFY2(shown.contains(QString::number(QTime::currentTime().minute()).rightJustified(2, '0')), qPrintable(shown));
    QVERIFY(form1(l)->findChild<WindowTimer *>("Timer5")->isActive());
}

void StartupTest::languageTimerOnlySwitchesItselfOff()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.start();
    WindowTimer *t = form1(l)->findChild<WindowTimer *>("Timer1");
    QVERIFY(t->isActive());
    fire(t);
    QVERIFY(!t->isActive());
}

void StartupTest::closingDeletesTheCounterFilesInOrder()
{
    LauncherFixture f;
    f.presetQuietStart();
    f.presetFile("online.inf", "7");
    f.presetFile("statistic.inf", "12345");
    Launcher &l = f.start();
    QSignalSpy finished(&l, &Launcher::finished);
    f.profiles->deletions.clear();
    form1(l)->close();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(f.profiles->deletions, (QStringList{"online.inf", "statistic.inf"}));
    QVERIFY(!f.exists("online.inf"));
    QVERIFY(!f.exists("statistic.inf"));
}

void StartupTest::closingWithoutCounterFilesIsSilent()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.start();
    QSignalSpy finished(&l, &Launcher::finished);
    form1(l)->Exit1Click();
    QCOMPARE(finished.size(), 1);
    QVERIFY(f.errors->messages.isEmpty());
    QVERIFY(!form1(l)->isVisible());
}

void StartupTest::neverShownWindowsStayHidden()
{
    LauncherFixture f;
    f.presetQuietStart();
    Launcher &l = f.start();
    QTest::qWait(200); // let the news step run
    for (const char *name : {"TForm2", "TForm10", "TForm16", "TForm18", "TForm17"})
        QVERIFY2(!TestLaunchers::window(l, QLatin1String(name))->isVisible(), name);
}

void StartupTest::leftoverTemporariesGoAtStart()
{
    LauncherFixture f;
    f.presetFile("data.dat.ovcl-partial", "[Setting]\r\ncs");
    f.presetFile("data.dat.bak", "[Setting]\r\n");
    f.make();
    QVERIFY(!f.exists("data.dat.ovcl-partial"));
    QVERIFY(f.exists("data.dat.bak"));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
