#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "ModalWindow.h"
#include "Pointer.h"
#include "app/TForm1.h"
#include "config/TForm5.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"
#include "platform/controls/WindowTimer.h"
#include "web/CommunityUrls.h"
#include "web/TForm7.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {
void quietUpdate(LauncherFixture &f)
{
    f.presetNotFirstRun();
    f.downloads->bodies[CommunityUrls::versionInf()] = "[Setting]\r\nver=1.8.3\r\n";
}

Form *window(Launcher &l, const QString &name)
{
    for (Form *w : std::initializer_list<Form *>{form6(l), form7(l), form8(l), form9(l), form10(l), form15(l)})
        if (w->objectName() == name)
            return w;
    return nullptr;
}

RecordingBrowser *page(QWidget *w)
{
    return w->findChild<RecordingBrowser *>(QStringLiteral("WebBrowser1"));
}

QPoint centreOf(QWidget *w, const QString &name)
{
    QWidget *c = w->findChild<QWidget *>(name);
    return c ? c->mapTo(w, c->rect().center()) : QPoint(-1, -1);
}

void clickControl(QWidget *w, const QString &name)
{
    QVERIFY2(w->findChild<QWidget *>(name), qPrintable(name));
    Pointer::click(w, centreOf(w, name));
}

// Logs every hiding of a window into the fixture's event log.
struct HideLog : QObject {
    EventLog *log;
    explicit HideLog(EventLog *log) : log(log) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            log->add(QStringLiteral("hide ") + watched->objectName());
        return false;
    }
};

void setSounds(Launcher &l, bool on)
{
    form5(l)->soundsSwitch()->setChecked(on);
    form1(l)->setLatch(QStringLiteral("0"));
}
} // namespace

class WebWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void mainWindowControlsAreLaidOut_data();
    void mainWindowControlsAreLaidOut();
    void windowsHaveTheirFrames_data();
    void windowsHaveTheirFrames();
    void mainWindowLinks_data();
    void mainWindowLinks();
    void twinsCarryTheSameLink_data();
    void twinsCarryTheSameLink();
    void aboutWindowLinksWaitForTheirCue_data();
    void aboutWindowLinksWaitForTheirCue();
    void bugReportOpensOverTheAboutWindow();
    void bugReportPageLoadsOnceAtCreation();
    void speedTestPageLoadsOnEveryOpening();
    void chatReloadsOnEveryClickAndStaysModeless();
    void newsWindowAppearsOnceAndActsInsideItself();
};

void WebWindowsTest::mainWindowControlsAreLaidOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("hand");
    QTest::addColumn<QString>("content"); // picture resource or caption
    auto row = [](const char *name, QRect place, bool shown, const char *hint, bool hand, const char *content) {
        QTest::newRow(name) << name << place << shown << hint << hand << QString::fromUtf8(content);
    };
    row("Image1", {128, 16, 98, 89}, true, "", false, ":/skin/logo.jpg");
    row("Label8", {29, 600, 94, 13}, true, "", true, nullptr);
    row("Label40", {320, 164, 90, 13}, true, "", false, "Server status:");
    row("Label45", {248, 16, 90, 13}, true, "", false, "Novinky:");
    row("Image125", {598, 65, 26, 29}, true, "Info", true, ":/skin/info.jpg");
    row("Image126", {598, 65, 26, 29}, false, "Info", true, ":/skin/info_hover.jpg");
    row("Image127", {634, 65, 33, 27}, true, "Bug Report", true, ":/skin/bugreport.jpg");
    row("Image128", {634, 65, 33, 28}, false, "Bug Report", true, ":/skin/bugreport_hover28.jpg");
    row("Image112", {559, 65, 33, 27}, true, "Speedtest of net", true, ":/skin/speedtest.jpg");
    row("Image113", {559, 65, 33, 27}, false, "Speedtest of net", true, ":/skin/speedtest_hover.jpg");
    row("Image133", {81, 4, 53, 17}, true, "", true, ":/skin/chat.jpg");
    row("Image117", {81, 4, 53, 17}, false, "", true, ":/skin/chat_hover.jpg");
    row("Image156", {462, 63, 26, 29}, true, "Update", true, ":/skin/update.jpg");
    row("Image155", {462, 63, 26, 29}, false, "Update", true, ":/skin/update_hover.jpg");
    row("Image10", {232, 22, 191, 6}, true, "", false, ":/skin/news_frame_h.jpg");
    row("Image46", {234, 20, 6, 93}, true, "", false, ":/skin/news_frame_v.jpg");
    row("Image111", {297, 172, 385, 8}, true, "", false, ":/skin/status_frame_h.jpg");
    row("Image152", {674, 172, 8, 434}, true, "", false, ":/skin/status_frame_v.jpg");
    row("WebBrowser1", {305, 180, 369, 418}, true, "", false, nullptr);
    row("WebBrowser2", {240, 28, 175, 77}, true, "", false, nullptr);
}

void WebWindowsTest::mainWindowControlsAreLaidOut()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(bool, shown);
    QFETCH(QString, hint);
    QFETCH(bool, hand);
    QFETCH(QString, content);
    LauncherFixture f;
    Launcher &l = f.make();
    QWidget *c = form1(l)->findChild<QWidget *>(name);
    QVERIFY(c);
    QCOMPARE(c->geometry(), place);
    QCOMPARE(!c->isHidden(), shown);
    QCOMPARE(c->toolTip(), hint);
    QCOMPARE(c->cursor().shape(), hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (auto *picture = qobject_cast<PictureControl *>(c))
        QCOMPARE(picture->picture(), content);
    else if (auto *label = qobject_cast<TextLabel *>(c); label && !content.isEmpty())
        QCOMPARE(label->caption(), content);
    if (auto *browser = qobject_cast<RecordingBrowser *>(c)) {
        QVERIFY(browser->onScreen);
        QVERIFY(browser->urls.isEmpty());
    }
    // A hover twin, once lit, lies above its picture.
    if (!shown && name.startsWith("Image")) {
        c->show();
        QCOMPARE(Pointer::controlAt(form1(l), place.center()), c);
    }
}

// Every browser window opens with its caption bar on a 1024 x 768 screen,
// its page inside it and its buttons in the bar below the page.
void WebWindowsTest::windowsHaveTheirFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("buttons");
    QTest::newRow("chat") << "TForm6" << 0;
    QTest::newRow("bug report") << "TForm8" << 1;
    QTest::newRow("speed test") << "TForm9" << 1;
    QTest::newRow("second speed test") << "TForm10" << 1;
    QTest::newRow("news") << "TForm15" << 3;
}

void WebWindowsTest::windowsHaveTheirFrames()
{
    QFETCH(QString, name);
    QFETCH(int, buttons);
    LauncherFixture f;
    Launcher &l = f.make();
    Form *w = window(l, name);
    QVERIFY(w);
    QVERIFY(QRect(0, 0, 1024, 768).contains(w->pos()));
    RecordingBrowser *browser = page(w);
    QVERIFY(browser);
    QVERIFY(browser->onScreen);
    QVERIFY(w->rect().contains(browser->geometry()));
    const auto pushButtons = w->findChildren<QPushButton *>();
    QCOMPARE(pushButtons.size(), buttons);
    for (QPushButton *b : pushButtons) {
        QVERIFY(!b->text().isEmpty());
        // Buttons sit in the bar below the page.
        QVERIFY(b->mapTo(w, QPoint(0, 0)).y() >= browser->geometry().bottom());
        QVERIFY(w->rect().contains(QRect(b->mapTo(w, QPoint(0, 0)), b->size())));
    }
}

void WebWindowsTest::mainWindowLinks_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("sounds");
    QTest::addColumn<QString>("opens");   // a window, modal unless it is the chat
    QTest::addColumn<QString>("shellUrl"); // opened in the default browser
    for (bool sounds : {true, false}) {
        const char *s = sounds ? "sounds on" : "sounds off";
        QTest::addRow("logo, %s", s) << QPoint(177, 60) << sounds << "" << CommunityUrls::home();
        QTest::addRow("credit, %s", s) << QPoint(60, 606) << sounds << "TForm7" << "";
        QTest::addRow("info, %s", s) << QPoint(611, 79) << sounds << "TForm7" << "";
        QTest::addRow("bug report, %s", s) << QPoint(650, 78) << sounds << "TForm8" << "";
        QTest::addRow("speed test, %s", s) << QPoint(575, 78) << sounds << "TForm9" << "";
        QTest::addRow("chat, %s", s) << QPoint(107, 12) << sounds << "TForm6" << "";
    }
}

void WebWindowsTest::mainWindowLinks()
{
    QFETCH(QPoint, point);
    QFETCH(bool, sounds);
    QFETCH(QString, opens);
    QFETCH(QString, shellUrl);
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.start();
    setSounds(l, sounds);
    f.sound->played.clear();
    f.sound->modes.clear();

    Form *w = opens.isEmpty() ? nullptr : window(l, opens);
    bool wasModal = false;
    QStringList pageAtShow;
    if (w && opens != "TForm6") {
        ModalWindow::whenUp(w, [&] {
            wasModal = true;
            if (RecordingBrowser *shown = page(w))
                pageAtShow = shown->urls;
            w->close();
        });
    }
    Pointer::click(form1(l), point);

    const int presses = f.sound->played.count("press.wav");
    QCOMPARE(presses, sounds ? 1 : 0);
    if (sounds)
        QCOMPARE(f.sound->modes.at(f.sound->played.indexOf("press.wav")), QStringLiteral("async"));
    QCOMPARE(form1(l)->latch(), sounds ? QStringLiteral("1") : QStringLiteral("0"));
    if (shellUrl.isEmpty()) {
        QVERIFY(f.shell->calls.isEmpty());
    } else {
        QCOMPARE(f.shell->calls.size(), 1);
        const RecordingShell::Call call = f.shell->calls.first();
        QCOMPARE(call.kind, RecordingShell::Address);
        QCOMPARE(call.file, shellUrl);
        QCOMPARE(call.parameters, QString());
        QCOMPARE(call.directory, QString());
    }
    if (opens == "TForm6") {
        QVERIFY(form6(l)->isVisible());
        QVERIFY(!form6(l)->isModal());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(page(form6(l))->urls, QStringList{CommunityUrls::chat()});
        form6(l)->close();
    } else if (w) {
        QVERIFY(wasModal);
        if (opens == "TForm9")
            QCOMPARE(pageAtShow, QStringList{CommunityUrls::speedTest()});
    }
    for (Form *other : std::initializer_list<Form *>{form6(l), form7(l), form8(l), form9(l)})
        QVERIFY2(!other->isVisible(), qPrintable(other->objectName()));
}

void WebWindowsTest::twinsCarryTheSameLink_data()
{
    QTest::addColumn<QString>("twin");
    QTest::addColumn<QString>("opens");
    QTest::newRow("Image126") << "Image126" << "TForm7";
    QTest::newRow("Image128") << "Image128" << "TForm8";
    QTest::newRow("Image113") << "Image113" << "TForm9";
    QTest::newRow("Image117") << "Image117" << "TForm6";
}

void WebWindowsTest::twinsCarryTheSameLink()
{
    QFETCH(QString, twin);
    QFETCH(QString, opens);
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.start();
    setSounds(l, true);
    QWidget *lit = form1(l)->findChild<QWidget *>(twin);
    lit->show();
    const QPoint at = lit->geometry().center();
    QCOMPARE(Pointer::controlAt(form1(l), at), lit);
    Form *w = window(l, opens);
    bool shown = false;
    if (opens != "TForm6")
        ModalWindow::whenUp(w, [&] {
            shown = true;
            w->close();
        });
    Pointer::click(form1(l), at);
    if (opens == "TForm6") {
        shown = w->isVisible();
        w->close();
    }
    QVERIFY(shown);
    QVERIFY(f.sound->played.contains("press.wav"));
}

void WebWindowsTest::aboutWindowLinksWaitForTheirCue_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shellUrl");
    QTest::addColumn<QString>("opens");
    QTest::newRow("Label11") << "Label11" << "Orvanta" << CommunityUrls::home() << "";
    QTest::newRow("Label12") << "Label12" << "Orvanta FORUM" << CommunityUrls::forumHome() << "";
    QTest::newRow("Label13") << "Label13" << "OVCL on Orvanta" << "" << "TForm8";
    QTest::newRow("Label14") << "Label14" << "Bug Report " << "" << "TForm8";
    QTest::newRow("Label15") << "Label15" << "Speedtest of net" << "" << "TForm9";
    QTest::newRow("Label16") << "Label16" << "Author's web" << CommunityUrls::author() << "";
}

void WebWindowsTest::aboutWindowLinksWaitForTheirCue()
{
    QFETCH(QString, link);
    QFETCH(QString, caption);
    QFETCH(QString, shellUrl);
    QFETCH(QString, opens);
    for (bool sounds : {true, false}) {
        LauncherFixture f;
        quietUpdate(f);
        Launcher &l = f.start();
        setSounds(l, sounds);
        HideLog hides(&f.log);
        form7(l)->installEventFilter(&hides);
        auto *label = form7(l)->findChild<TextLabel *>(link);
        QVERIFY(label);
        QCOMPARE(label->caption(), caption);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);

        f.log.events.clear();
        bool nestedModal = false;
        ModalWindow::whenUp(form7(l), [&] {
            if (!opens.isEmpty()) {
                Form *w = window(l, opens);
                ModalWindow::whenUp(w, [&, w] {
                    nestedModal = form7(l)->isVisible();
                    f.log.add("up " + w->objectName());
                    w->close();
                });
            }
            clickControl(form7(l), link);
            clickControl(form7(l), "Button1");
        });
        form7(l)->open();

        QStringList expected;
        const QString cue = QStringLiteral("sound press.wav sync");
        if (sounds)
            expected << cue;
        if (!shellUrl.isEmpty())
            expected << "address " + shellUrl;
        else
            expected << "up " + opens;
        if (opens == "TForm9")
            expected.insert(expected.size() - 1, "navigate WebBrowser1 " + CommunityUrls::speedTest());
        if (sounds)
            expected << cue;
        expected << "hide TForm7";
        QStringList seen = f.log.events.filter(QRegularExpression("^(sound|address|up|hide TForm7|navigate WebBrowser1)"));
        QCOMPARE(seen, expected);
        QCOMPARE(nestedModal, !opens.isEmpty());
        QVERIFY(!form7(l)->isVisible());
        QCOMPARE(form1(l)->latch(), QStringLiteral("0"));
    }
}

void WebWindowsTest::bugReportOpensOverTheAboutWindow()
{
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.start();
    bool backInAbout = false;
    ModalWindow::whenUp(form7(l), [&] {
        ModalWindow::whenUp(form8(l), [&] { clickControl(form8(l), "Button1"); });
        clickControl(form7(l), "Label14");
        backInAbout = form7(l)->isVisible() && !form8(l)->isVisible()
                      && QApplication::activeModalWidget() == form7(l);
        form7(l)->close();
    });
    Pointer::click(form1(l), QPoint(611, 79));
    QVERIFY(backInAbout);
}

void WebWindowsTest::bugReportPageLoadsOnceAtCreation()
{
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.make();
    QCOMPARE(page(form8(l))->urls, QStringList{CommunityUrls::bugReport()});
    l.start();
    setSounds(l, true);
    HideLog hides(&f.log);
    form8(l)->installEventFilter(&hides);

    // "OK" waits for its cue; the bar beside it closes without one.
    f.log.events.clear();
    ModalWindow::whenUp(form8(l), [&] { clickControl(form8(l), "Button1"); });
    form8(l)->showModal();
    QCOMPARE(f.log.events.filter(QRegularExpression("^(sound|hide)")),
             (QStringList{"sound press.wav sync", "hide TForm8"}));

    f.log.events.clear();
    ModalWindow::whenUp(form8(l), [&] { Pointer::click(form8(l), QPoint(40, 295)); });
    form8(l)->showModal();
    QCOMPARE(f.log.events.filter(QRegularExpression("^(sound|hide)")), QStringList{"hide TForm8"});
    QCOMPARE(page(form8(l))->urls.size(), 1);
    QCOMPARE(form8(l)->findChild<TextLabel *>("Label1")->caption(),
             QStringLiteral("If you find bug, type there (don't forget write verison of OVCL)."));
    QCOMPARE(form8(l)->findChild<TextLabel *>("Label2")->caption(),
             QString::fromUtf8("Našel jsi bug? napiš zde vývojáři, nezapomeň na verzi OVCL."));
}

void WebWindowsTest::speedTestPageLoadsOnEveryOpening()
{
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.start();
    setSounds(l, true);
    for (int i = 0; i < 2; ++i) {
        ModalWindow::whenUp(form9(l), [&] { clickControl(form9(l), "Button1"); });
        Pointer::click(form1(l), QPoint(575, 78));
        QVERIFY(!form9(l)->isVisible());
    }
    QCOMPARE(page(form9(l))->urls, (QStringList{CommunityUrls::speedTest(), CommunityUrls::speedTest()}));
    // Its OK button plays nothing: the two cues are the main window's.
    QCOMPARE(f.sound->played.count("press.wav"), 2);
    QVERIFY(!f.sound->modes.contains("sync"));
    QVERIFY(page(form10(l))->urls.isEmpty());
    QVERIFY(!form10(l)->isVisible());
}

void WebWindowsTest::chatReloadsOnEveryClickAndStaysModeless()
{
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.start();
    setSounds(l, false);
    Pointer::click(form1(l), QPoint(107, 12));
    Pointer::click(form1(l), QPoint(107, 12));
    QVERIFY(form6(l)->isVisible());
    QVERIFY(form1(l)->isEnabled());
    QCOMPARE(page(form6(l))->urls, (QStringList{CommunityUrls::chat(), CommunityUrls::chat()}));
    // The main window stays usable while the chat is up.
    ModalWindow::whenUp(form7(l), [&] { form7(l)->close(); });
    Pointer::click(form1(l), QPoint(611, 79));
    QVERIFY(form6(l)->isVisible());
    // The page follows the window's size.
    form6(l)->resize(700, 500);
    QCOMPARE(page(form6(l))->geometry(), QRect(0, 0, 700, 500));
    form6(l)->close();
}

void WebWindowsTest::newsWindowAppearsOnceAndActsInsideItself()
{
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.make();
    l.start();
    QCOMPARE(page(form15(l))->urls, QStringList{CommunityUrls::launcherNews()});
    QVERIFY(!form15(l)->isVisible());
    WindowTimer *news = form1(l)->findChild<WindowTimer *>("news");
    QVERIFY(news->isActive());
    QCOMPARE(news->interval(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(form15(l)->isVisible(), 2000);
    QVERIFY(!news->isActive());
    QVERIFY(!form15(l)->isModal());
    QVERIFY(form1(l)->isEnabled());

    f.log.events.clear();
    clickControl(form15(l), "Button3");
    clickControl(form15(l), "Button2");
    QCOMPARE(page(form15(l))->urls,
             (QStringList{CommunityUrls::launcherNews(), CommunityUrls::home(), CommunityUrls::launcherNews()}));
    clickControl(form15(l), "Button1");
    QVERIFY(!form15(l)->isVisible());
    QVERIFY(f.shell->calls.isEmpty());
    QVERIFY(f.sound->played.isEmpty());
    QTest::qWait(250);
    QVERIFY(!form15(l)->isVisible());
}

QTEST_MAIN(WebWindowsTest)
#include "tst_webwindows.moc"
