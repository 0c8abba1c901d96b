#include "FireTimer.h"
#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "ModalWindow.h"
#include "Pointer.h"
#include "ServedLauncher.h"
#include "StepHooks.h"
#include "app/TForm1.h"
#include "app/TForm17.h"
#include "config/TForm5.h"
#include "platform/controls/TextLabel.h"
#include "platform/controls/WindowTimer.h"
#include "web/CommunityUrls.h"
#include "web/TForm11.h"
#include "web/TForm12.h"
#include "web/TForm13.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
// Step 2 leaves the sounds switch in this state, whatever else it loads.
void soundsAfterStep2(Launcher &l, bool on)
{
    auto previous = hooks(l).loadRemainingSettings;
    hooks(l).loadRemainingSettings = [&l, previous, on] {
        if (previous)
            previous();
        form5(l)->soundsSwitch()->setChecked(on);
    };
}

void clickControl(QWidget *window, const QString &name)
{
    QWidget *control = window->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    Pointer::click(window, control->mapTo(window, control->rect().center()));
}

QString caption(QWidget *window, const char *name)
{
    auto *label = window->findChild<TextLabel *>(QLatin1String(name));
    return label ? label->caption() : QStringLiteral("<missing>");
}

QAction *updateto1(Launcher &l)
{
    return form1(l)->findChild<QAction *>(QStringLiteral("Updateto1"));
}

bool shownewArmed(Launcher &l)
{
    return form1(l)->findChild<WindowTimer *>(QStringLiteral("shownew"))->isActive();
}

// Counts how often a window is shown.
struct ShowCounter : QObject {
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

const QByteArray offer19 = "[Setting]\r\nver=1.9\r\nnew1=Rychlejší start\r\nnew2=Faster start-up\r\n";
} // namespace

class UpdateTest : public QObject
{
    Q_OBJECT
private slots:
    void versionOffers_data();
    void versionOffers();
    void notshowChoice_data();
    void notshowChoice();
    void pageLoadsStartBeforeTheFetch();
    void automaticDialogComesAfterTheNewsWindowAndOnlyOnce();
    void checkBoxRewritesNotshowOnEveryClick();
    void updatePictureWithoutUpdateBeepsWhateverTheSounds_data();
    void updatePictureWithoutUpdateBeepsWhateverTheSounds();
    void updatePictureWithUpdateArmsTheDialog();
    void trayEntryReopensTheDialog();
    void yesEndsTheLauncherBeforeTheUpdaterStarts();
    void noNowOnlyCloses();
    void noUpdateDialogHasItsOwnIdleTimer();
    void hiddenButtonChecksTheOlderDescriptor();
    void dialogsAreLaidOutAsDesigned();
    void firstRunBalloonComesBeforeTheUpdateBalloon();
    void realServerOffersANewVersion();
    void realServerFailureTakesTheNoUpdateState();
};

void UpdateTest::versionOffers_data()
{
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("sounds");
    QTest::addColumn<QString>("ready");
    QTest::addColumn<bool>("infLeft");
    QTest::addColumn<QString>("balloon");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<bool>("armed");

    const QString balloon19 = QString::fromUtf8("K dispozici nová verze OVCL 1.9. New version of OVCL 1.9 available!");
    const QStringList defaults{"1.8.3", "n/a", "n/a"};
    QTest::newRow("newer") << true << offer19 << true << "true" << true << balloon19
                           << QStringList{"1.9", QString::fromUtf8("Rychlejší start"), "Faster start-up"} << true;
    QTest::newRow("older counts as new")
        << true << QByteArray("[Setting]\nver=1.8.2\n") << false << "true" << true
        << QString::fromUtf8("K dispozici nová verze OVCL 1.8.2. New version of OVCL 1.8.2 available!")
        << QStringList{"1.8.2", "n/a", "n/a"} << true;
    // The balloon shows the server's text as plain text: its markup reaches the tray escaped.
    QTest::newRow("markup in the version")
        << true << QByteArray("[Setting]\nver=<i>2.0</i> & \"rc\" 1\n") << true << "true" << true
        << QString::fromUtf8("K dispozici nová verze OVCL &lt;i&gt;2.0&lt;/i&gt; &amp; &quot;rc&quot; 1. New version of "
                             "OVCL &lt;i&gt;2.0&lt;/i&gt; &amp; &quot;rc&quot; 1 available!")
        << QStringList{"<i>2.0</i> & \"rc\" 1", "n/a", "n/a"} << true;
    QTest::newRow("same") << true << QByteArray("[Setting]\r\nver=1.8.3\r\nnew1=x\r\n") << true << "false" << false
                          << QString() << QStringList{"1.8.3", "x", "n/a"} << false;
    QTest::newRow("empty version") << true << QByteArray("[Setting]\r\nver=\r\n") << true << "false" << false
                                   << QString() << QStringList{"", "n/a", "n/a"} << false;
    QTest::newRow("empty file") << true << QByteArray() << true << "false" << false << QString() << defaults << false;
    QTest::newRow("failed, sounds on") << false << QByteArray() << true << "false" << false << QString() << defaults << false;
    QTest::newRow("failed, sounds off") << false << QByteArray() << false << "false" << false << QString() << defaults
                                        << false;
}

void UpdateTest::versionOffers()
{
    QFETCH(bool, reachable);
    QFETCH(QByteArray, body);
    QFETCH(bool, sounds);
    QFETCH(QString, ready);
    QFETCH(bool, infLeft);
    QFETCH(QString, balloon);
    QFETCH(QStringList, labels);
    QFETCH(bool, armed);

    LauncherFixture f;
    f.presetNotFirstRun();
    f.preset("update.dat", "Setting", "ready", ready == "true" ? "false" : "true"); // every run writes it anew
    f.presetFile("version.inf", "[Setting]\r\nver=7.7\r\n");                          // a leftover is never read
    if (reachable)
        f.downloads->bodies[CommunityUrls::versionInf()] = body;
    Launcher &l = f.make();
    soundsAfterStep2(l, sounds);

    int errorDialogAt = -1;
    QStringList soundsBeforeDialog;
    ModalWindow::whenUp(form13(l), [&] {
        errorDialogAt = startupProgress(l);
        soundsBeforeDialog = f.sound->played;
        clickControl(form13(l), "Button1");
    });
    l.start();

    QCOMPARE(startupProgress(l), 100);
    QCOMPARE(errorDialogAt, reachable ? -1 : 80);
    if (!reachable)
        QCOMPARE(soundsBeforeDialog, sounds ? QStringList{"error.wav"} : QStringList{});
    QCOMPARE(f.sound->played.contains("error.wav"), !reachable && sounds);
    if (f.sound->played.contains("error.wav"))
        QCOMPARE(f.sound->modes.at(f.sound->played.indexOf("error.wav")), QStringLiteral("async"));

    QCOMPARE(f.profiles->readValue(f.path("update.dat"), "Setting", "ready", "?"), ready);
    QCOMPARE(f.exists("version.inf"), infLeft);
    QCOMPARE(f.profiles->deletions.count("version.inf"), infLeft ? 1 : 2);
    if (balloon.isEmpty()) {
        QVERIFY(!f.log.events.contains("balloon OVCL Update"));
    } else {
        QCOMPARE(f.tray->balloons.last(), qMakePair(QStringLiteral("OVCL Update"), balloon));
    }
    QAction *item = updateto1(l);
    QVERIFY(item);
    QCOMPARE(item->isVisible(), !balloon.isEmpty());
    QCOMPARE(item->text(), balloon.isEmpty() ? QStringLiteral("Update to") : "Update to " + labels[0]);
    QCOMPARE((QStringList{caption(form11(l), "Label6"), caption(form11(l), "Label8"), caption(form11(l), "Label9")}),
             labels);
    QCOMPARE(shownewArmed(l), armed);
    QVERIFY(f.errors->messages.isEmpty());
}

void UpdateTest::notshowChoice_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("armed");
    QTest::newRow("true") << "true" << true << false;
    QTest::newRow("false") << "false" << false << true;
    QTest::newRow("neither") << "yes" << false << false;
}

void UpdateTest::notshowChoice()
{
    QFETCH(QString, stored);
    QFETCH(bool, ticked);
    QFETCH(bool, armed);
    LauncherFixture f;
    f.presetNotFirstRun();
    f.preset("data.dat", "Setting", "notshow", stored);
    f.downloads->bodies[CommunityUrls::versionInf()] = offer19;
    Launcher &l = f.start();

    // The announcement itself does not depend on the choice.
    QCOMPARE(f.tray->balloons.size(), 1);
    QVERIFY(updateto1(l)->isVisible());
    QCOMPARE(form11(l)->notShowBox()->isChecked(), ticked);
    QCOMPARE(shownewArmed(l), armed);
    QCOMPARE(f.profiles->readValue(f.path("data.dat"), "Setting", "notshow", "?"), stored);
    // Only a change of the box writes, and it writes the same value back.
    QCOMPARE(f.profiles->writes.filter("notshow").size(), ticked ? 1 : 0);
}

void UpdateTest::pageLoadsStartBeforeTheFetch()
{
    LauncherFixture f;
    f.presetNotFirstRun();
    f.downloads->bodies[CommunityUrls::versionInf()] = "[Setting]\r\nver=1.8.3\r\n";
    Launcher &l = f.make();
    QStringList newsAtFetch, statisticsAtFetch;
    auto *news = qobject_cast<RecordingBrowser *>(form15(l)->browser());
    auto *statistics = form1(l)->findChild<RecordingBrowser *>("WebBrowser3");
    QVERIFY(news && statistics);
    QVERIFY(!statistics->onScreen);
    QVERIFY(statistics->y() >= TForm1::clientHeight);
    auto fetch = hooks(l).fetchVersion;
    hooks(l).fetchVersion = [&, fetch] {
        newsAtFetch = news->urls;
        statisticsAtFetch = statistics->urls;
        fetch();
    };
    l.start();
    QCOMPARE(newsAtFetch, QStringList{CommunityUrls::launcherNews()});
    QCOMPARE(statisticsAtFetch, QStringList{CommunityUrls::statisticsOfVersion()});
    QCOMPARE(news->urls.size(), 1);
    QCOMPARE(statistics->urls.size(), 1);
}

void UpdateTest::automaticDialogComesAfterTheNewsWindowAndOnlyOnce()
{
    LauncherFixture f;
    f.presetNotFirstRun();
    f.downloads->bodies[CommunityUrls::versionInf()] = offer19;
    Launcher &l = f.start();
    ShowCounter counter;
    form11(l)->installEventFilter(&counter);
    QVERIFY(shownewArmed(l));
    QCOMPARE(form1(l)->findChild<WindowTimer *>("shownew")->interval(), 200);

    bool newsWasUp = false, secondReturned = false;
    ModalWindow::whenUp(form11(l), [&] {
        newsWasUp = form15(l)->isVisible();
        QVERIFY(!shownewArmed(l));
        // Asking again while it is up does not show it a second time.
        fire(form1(l)->findChild<WindowTimer *>("shownew"));
        updateto1(l)->trigger();
        secondReturned = true;
        clickControl(form11(l), "Button2");
    });
    QTRY_VERIFY_WITH_TIMEOUT(secondReturned, 3000);
    QVERIFY(newsWasUp);
    QCOMPARE(counter.shows, 1);
    QVERIFY(!form11(l)->isVisible());
}

void UpdateTest::checkBoxRewritesNotshowOnEveryClick()
{
    LauncherFixture f;
    f.presetNotFirstRun();
    f.downloads->bodies[CommunityUrls::versionInf()] = offer19;
    f.preset("data.dat", "Setting", "notshow", "true");
    Launcher &l = f.start();
    f.profiles->writes.clear();
    bool done = false;
    ModalWindow::whenUp(form11(l), [&] {
        clickControl(form11(l), "CheckBox1");
        clickControl(form11(l), "CheckBox1");
        clickControl(form11(l), "Button2");
        done = true;
    });
    updateto1(l)->trigger();
    QVERIFY(done);
    QCOMPARE(f.profiles->writes,
             (QStringList{"data.dat Setting/notshow=false", "data.dat Setting/notshow=true"}));
}

void UpdateTest::updatePictureWithoutUpdateBeepsWhateverTheSounds_data()
{
    QTest::addColumn<bool>("sounds");
    QTest::newRow("sounds on") << true;
    QTest::newRow("sounds off") << false;
}

void UpdateTest::updatePictureWithoutUpdateBeepsWhateverTheSounds()
{
    QFETCH(bool, sounds);
    LauncherFixture f;
    f.presetNotFirstRun();
    f.downloads->bodies[CommunityUrls::versionInf()] = "[Setting]\r\nver=1.8.3\r\n";
    Launcher &l = f.make();
    soundsAfterStep2(l, sounds);
    l.start();
    bool shown = false;
    ModalWindow::whenUp(form12(l), [&] {
        shown = true;
        QCOMPARE(f.beep->count, 1);
        clickControl(form12(l), "Button1");
    });
    Pointer::click(form1(l), QPoint(475, 77));
    QVERIFY(shown);
    QVERIFY(!form12(l)->isVisible());
    QVERIFY(!shownewArmed(l));
    QVERIFY(f.sound->played.isEmpty());
}

void UpdateTest::updatePictureWithUpdateArmsTheDialog()
{
    LauncherFixture f;
    f.presetNotFirstRun();
    f.preset("data.dat", "Setting", "notshow", "true");
    f.downloads->bodies[CommunityUrls::versionInf()] = offer19;
    Launcher &l = f.start();
    QVERIFY(!shownewArmed(l));
    Pointer::click(form1(l), QPoint(475, 77));
    QVERIFY(shownewArmed(l));
    QCOMPARE(f.beep->count, 0);
    QVERIFY(!form12(l)->isVisible());
    bool shown = false;
    ModalWindow::whenUp(form11(l), [&] {
        shown = true;
        clickControl(form11(l), "Button2");
    });
    fire(form1(l)->findChild<WindowTimer *>("shownew"));
    QVERIFY(shown);
    QVERIFY(!shownewArmed(l));
}

void UpdateTest::trayEntryReopensTheDialog()
{
    LauncherFixture f;
    f.presetNotFirstRun();
    f.preset("data.dat", "Setting", "notshow", "true");
    f.downloads->bodies[CommunityUrls::versionInf()] = offer19;
    Launcher &l = f.start();
    ShowCounter shows;
    form11(l)->installEventFilter(&shows);
    int opened = 0;
    for (int i = 0; i < 2; ++i) {
        ModalWindow::whenUp(form11(l), [&] {
            ++opened;
            updateto1(l)->trigger(); // chosen again while it is up: not shown a second time
            clickControl(form11(l), "Button2");
        });
        updateto1(l)->trigger();
    }
    QCOMPARE(opened, 2);
    QCOMPARE(shows.shows, 2);
}

void UpdateTest::yesEndsTheLauncherBeforeTheUpdaterStarts()
{
    LauncherFixture f;
    f.presetNotFirstRun();
    f.presetFile("online.inf", "3");
    f.downloads->bodies[CommunityUrls::versionInf()] = offer19;
    Launcher &l = f.start();
    QSignalSpy finished(&l, &Launcher::finished);
    f.log.events.clear();
    ModalWindow::whenUp(form11(l), [&] {
        clickControl(form11(l), "Button1");
        form11(l)->close();
    });
    updateto1(l)->trigger();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!form1(l)->isVisible());
    const int closed = f.log.events.indexOf("delete statistic.inf");
    const int started = f.log.events.indexOf("program ovcl_update.exe");
    QVERIFY(closed >= 0);
    QVERIFY(started > closed);
    QCOMPARE(f.shell->calls.size(), 1);
    const RecordingShell::Call call = f.shell->calls.first();
    QCOMPARE(call.parameters, QString());
    QCOMPARE(call.directory, f.dir.path() + QLatin1Char('/'));
}

void UpdateTest::noNowOnlyCloses()
{
    LauncherFixture f;
    f.presetNotFirstRun();
    f.downloads->bodies[CommunityUrls::versionInf()] = offer19;
    Launcher &l = f.start();
    QSignalSpy finished(&l, &Launcher::finished);
    ModalWindow::whenUp(form11(l), [&] { clickControl(form11(l), "Button2"); });
    updateto1(l)->trigger();
    QVERIFY(!form11(l)->isVisible());
    QCOMPARE(finished.size(), 0);
    QVERIFY(f.shell->calls.isEmpty());
}

void UpdateTest::noUpdateDialogHasItsOwnIdleTimer()
{
    LauncherFixture f;
    f.presetNotFirstRun();
    f.downloads->bodies[CommunityUrls::versionInf()] = "[Setting]\r\nver=1.8.3\r\n";
    Launcher &l = f.start();
    WindowTimer *own = form12(l)->shownew();
    QVERIFY(own);
    QCOMPARE(own->interval(), 200);
    QVERIFY(!own->isActive());
    bool shown = false;
    ModalWindow::whenUp(form11(l), [&] {
        shown = true;
        form11(l)->close();
    });
    fire(own);
    QVERIFY(shown);
    QVERIFY(!own->isActive());
}

void UpdateTest::hiddenButtonChecksTheOlderDescriptor()
{
    LauncherFixture f;
    f.presetNotFirstRun();
    f.downloads->bodies[CommunityUrls::versionInf()] = "[Setting]\r\nver=1.8.3\r\n";
    Launcher &l = f.start();
    auto *button = form1(l)->findChild<QPushButton *>("Button1");
    QVERIFY(button);
    QVERIFY(button->isHidden());
    QCOMPARE(button->text(), QStringLiteral("Button1"));
    QVERIFY(button->y() >= TForm1::clientHeight);

    // No handler of its own: the failure reaches the error report, nothing else happens.
    button->click();
    QCOMPARE(f.errors->messages, QStringList{"Error downloading URL: " + CommunityUrls::versionDat()});
    QCOMPARE(caption(form11(l), "Label6"), QStringLiteral("1.8.3"));
    QVERIFY(!shownewArmed(l));

    f.downloads->bodies[CommunityUrls::versionDat()] = "[Setting]\r\nver=1.9\r\nnews=Novinky\r\n";
    button->click();
    QVERIFY(f.exists("version.dat"));
    QCOMPARE(caption(form11(l), "Label6"), QStringLiteral("1.9"));
    QCOMPARE(caption(form11(l), "Label8"), QStringLiteral("Novinky"));
    QVERIFY(shownewArmed(l));
    form1(l)->findChild<WindowTimer *>("shownew")->setEnabled(false);
}

// Every text of the three dialogs is shown whole inside its window; every
// label on the window itself is bold but the long hint under the check box,
// and white on the dark dialog.
void UpdateTest::dialogsAreLaidOutAsDesigned()
{
    LauncherFixture f;
    Launcher &l = f.make();
    const std::initializer_list<QWidget *> dialogs = {form11(l), form12(l), form13(l)};
    for (QWidget *w : dialogs) {
        int texts = 0;
        for (QWidget *c : w->findChildren<QWidget *>()) {
            QString shown;
            if (auto *label = qobject_cast<TextLabel *>(c))
                shown = label->caption();
            else if (auto *button = qobject_cast<QAbstractButton *>(c))
                shown = button->text();
            else if (auto *group = qobject_cast<QGroupBox *>(c))
                shown = group->title();
            if (shown.trimmed().isEmpty())
                continue;
            ++texts;
            const QString name = w->objectName() + ' ' + c->objectName();
            QVERIFY2(!c->isHidden(), qPrintable(name));
            QVERIFY2(w->rect().contains(QRect(c->mapTo(w, QPoint()), c->size())), qPrintable(name));
            if (qobject_cast<TextLabel *>(c) && c->parent() == w) {
                QVERIFY2(c->styleSheet().contains("bold") || c->objectName() == "Label12", qPrintable(name));
                QCOMPARE(c->styleSheet().contains("white"), w == form12(l));
            }
        }
        QVERIFY2(texts >= 3, qPrintable(w->objectName()));
    }
}

// The settings window of a first run closes before the version is fetched;
// the update balloon then replaces the first-run balloon.
void UpdateTest::firstRunBalloonComesBeforeTheUpdateBalloon()
{
    LauncherFixture f;
    f.downloads->bodies[CommunityUrls::versionInf()] = offer19;
    Launcher &l = f.make();
    ModalWindow::whenUp(form5(l), [&] { form5(l)->close(); });
    l.start();
    QCOMPARE(f.log.events.filter("balloon"),
             (QStringList{QString::fromUtf8("balloon První spuštění / First run"), "balloon OVCL Update"}));
    QVERIFY(f.log.events.indexOf("download " + CommunityUrls::versionInf()) < f.log.events.indexOf("balloon OVCL Update"));
    form1(l)->findChild<WindowTimer *>("shownew")->setEnabled(false);
}

void UpdateTest::realServerOffersANewVersion()
{
    ServedLauncher s;
    QVERIFY(s.server.isRunning());
    s.presetNotFirstRun();
    s.preset("data.dat", "Setting", "notshow", "true");
    Launcher &l = s.start();
    QCOMPARE(s.server.requestCount("/serverstatus/update/version.inf"), 1);
    QVERIFY(s.exists("version.inf"));
    QCOMPARE(s.profiles->readValue(s.path("update.dat"), "Setting", "ready", "?"), QStringLiteral("true"));
    QCOMPARE(caption(form11(l), "Label6"), QStringLiteral("1.9"));
    QCOMPARE(s.tray->balloons.last().second,
             QString::fromUtf8("K dispozici nová verze OVCL 1.9. New version of OVCL 1.9 available!"));
    QCOMPARE(updateto1(l)->text(), QStringLiteral("Update to 1.9"));
    QVERIFY(!shownewArmed(l));
    QVERIFY(!form13(l)->isVisible());
}

void UpdateTest::realServerFailureTakesTheNoUpdateState()
{
    ServedLauncher s;
    s.presetNotFirstRun();
    s.server.setFailure("/serverstatus/update/version.inf", CommunityServer::Failure::NotFound);
    Launcher &l = s.make();
    soundsAfterStep2(l, true);
    int errorDialogAt = -1;
    ModalWindow::whenUp(form13(l), [&] {
        errorDialogAt = startupProgress(l);
        clickControl(form13(l), "Button1");
    });
    l.start();
    QCOMPARE(errorDialogAt, 80);
    QVERIFY(s.sound->played.contains("error.wav"));
    QVERIFY(!s.exists("version.inf"));
    QCOMPARE(s.profiles->readValue(s.path("update.dat"), "Setting", "ready", "?"), QStringLiteral("false"));
    QCOMPARE(caption(form11(l), "Label6"), QStringLiteral("1.8.3"));
    QVERIFY(!updateto1(l)->isVisible());
    QVERIFY(s.errors->messages.isEmpty());
}

QTEST_MAIN(UpdateTest)
#include "tst_update.moc"
