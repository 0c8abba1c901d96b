#include "LauncherFixture.h"
#include "ModalWindow.h"
#include "Pointer.h"
#include "app/TForm1.h"
#include "config/TForm5.h"
#include "platform/PictureControl.h"
#include "web/CommunityUrls.h"
#include "web/TForm7.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

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
    return l.form1()->findChild<QAction *>(QLatin1String(name));
}
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
    auto *picture = f.make().form1()->control<PictureControl>(name);
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
    auto *picture = f.make().form1()->control<PictureControl>(name);
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
    TForm1 *w = f.make().form1();
    const struct {
        const char *normal, *twin;
        QPoint at;
    } pairs[] = {{"Image6", "closeact", {684, 8}}, {"Image4", "Image130", {664, 8}}, {"Image13", "Image21", {445, 77}}};
    for (const auto &pair : pairs) {
        QCOMPARE(Pointer::controlAt(w, pair.at)->objectName(), QLatin1String(pair.normal));
        w->control(QLatin1String(pair.twin))->show();
        QCOMPARE(Pointer::controlAt(w, pair.at)->objectName(), QLatin1String(pair.twin));
        w->control(QLatin1String(pair.twin))->hide();
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
    Pointer::click(l.form1(), {684, 8});
    QCOMPARE(finished.size(), 1);
    QVERIFY(!l.form1()->isVisible());
    if (sounds) {
        // The cue starts and the window closes at once, without waiting for it.
        QCOMPARE(count(f.sound->played, "press.wav"), 1);
        QVERIFY(f.log.events.indexOf("sound press.wav async") < f.log.events.lastIndexOf("delete online.inf"));
        QCOMPARE(l.form1()->latch(), QStringLiteral("1"));
    } else {
        QVERIFY(f.sound->played.isEmpty());
        QCOMPARE(l.form1()->latch(), QStringLiteral("0"));
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
    Pointer::click(l.form1(), {664, 8});
    QVERIFY(l.form1()->isMinimized());
    QCOMPARE(finished.size(), 0);
    QCOMPARE(count(f.sound->played, "press.wav"), sounds ? 1 : 0);
    if (sounds)
        QCOMPARE(f.sound->modes.last(), QStringLiteral("async"));
    QCOMPARE(l.form1()->latch(), sounds ? QStringLiteral("1") : QStringLiteral("0"));
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
    TForm5 *s = l.form5();
    bool modal = false;
    QStringList playedWhenUp;
    QString latchWhenUp;
    ModalWindow::whenUp(s, [&] {
        modal = QApplication::activeModalWidget() == s;
        playedWhenUp = f.sound->played;
        latchWhenUp = l.form1()->latch();
        s->close();
    });
    Pointer::click(l.form1(), {445, 77});
    QVERIFY(modal);
    QVERIFY(!s->isVisible());
    QCOMPARE(count(playedWhenUp, "press.wav"), sounds ? 1 : 0);
    QCOMPARE(latchWhenUp, sounds ? QStringLiteral("1") : QStringLiteral("0"));
    QVERIFY(l.form1()->isVisible());
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
    QCOMPARE(menu->parent(), l.form1());
    const QList<QAction *> items = menu->actions();
    QCOMPARE(items.size(), 3);
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
    Pointer::click(l.form1(), {664, 8});
    QVERIFY(l.form1()->isMinimized());
    f.tray->click();
    QVERIFY(!l.form1()->isMinimized());
    QVERIFY(l.form1()->isVisible());
}

void ChromeTest::aboutOpensTheAboutWindowWithoutACue()
{
    Fixture f;
    Launcher &l = started(f, true);
    bool up = false;
    ModalWindow::whenUp(l.form7(), [&] {
        up = true;
        l.form7()->close();
    });
    menuItem(l, "About1")->trigger();
    QVERIFY(up);
    QVERIFY(!l.form7()->isVisible());
    QVERIFY(f.sound->played.isEmpty());
    QVERIFY(l.form1()->isVisible());
}

void ChromeTest::exitClosesWithoutACue()
{
    Fixture f;
    Launcher &l = started(f, true);
    QSignalSpy finished(&l, &Launcher::finished);
    menuItem(l, "Exit1")->trigger();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!l.form1()->isVisible());
    QVERIFY(f.sound->played.isEmpty());
}

QTEST_MAIN(ChromeTest)
#include "tst_chrome.moc"
