#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "ModalWindow.h"
#include "Pointer.h"
#include "SecondLauncher.h"
#include "app/TForm1.h"
#include "app/TForm17.h"
#include "config/SettingsRows.h"
#include "config/TForm5.h"
#include "platform/controls/TextLabel.h"
#include "platform/controls/WindowTimer.h"
#include "platform/windows/QtFileDialogService.h"
#include "platform/windows/WindowGroup.h"
#include "web/CommunityUrls.h"

#include <QCheckBox>
#include <QDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {
const QByteArray currentVersion = "[Setting]\r\nver=1.8.3\r\n";

// A launcher whose web server offers no newer version.
struct Fixture : LauncherFixture {
    Fixture() { downloads->bodies[CommunityUrls::versionInf()] = currentVersion; }
};
QPoint centreOf(QWidget *control)
{
    return control->geometry().center();
}

void clickControl(TForm5 *s, const char *name)
{
    Pointer::click(s, centreOf(s->findChild<QWidget *>(QLatin1String(name))));
}

// The path the settings window holds for a data.dat key ("csloc", "vnt", ...).
QString pathFor(TForm5 *s, const QString &key)
{
    for (const PathRow &row : pathRows())
        if (key == QLatin1String(row.key->key))
            return s->programPath(row.program);
    return QString();
}

QString caption(TForm5 *s, const char *display)
{
    return s->findChild<TextLabel *>(QLatin1String(display))->caption();
}

QStringList dataWrites(const QStringList &writes)
{
    return writes.filter(QRegularExpression(QStringLiteral("^data\\.dat ")));
}

// Displays in the order of the rows, top to bottom.
const char *const displaysTopToBottom[] = {"StaticText1", "StaticText2", "StaticText3", "StaticText4", "StaticText5",
                                           "StaticText7", "StaticText8", "StaticText6", "StaticText9"};

bool closeTo(double a, double b)
{
    return qAbs(a - b) < 1e-6;
}
} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void windowIsABlackToolWindowOfFixedSize();
    void rowsAreLaidOutTopToBottom_data();
    void rowsAreLaidOutTopToBottom();
    void switchLabelsDoNotToggleTheBoxes();
    void firstRunOpensTheWindowAndTheChainWaits();
    void firstRunOffersWhatWasFound();
    void saveWritesEveryKeyInOrderAndEndsTheFirstRun();
    void pathWithBlanksAndCzechLettersSurvivesARestart();
    void storedPathsFillTheirDisplays();
    void storedSwitches_data();
    void storedSwitches();
    void soundsOffSilencesAllButTheFirstRunCue();
    void writeFailureStopsTheSave();
    void pick_data();
    void pick();
    void escapeCancelsTheFileDialog();
    void closeBoxKeepsLiveValuesWithoutWriting();
    void saveButtonHover();
    void opensCentredOnTheMainWindow();
};

void SettingsTest::windowIsABlackToolWindowOfFixedSize()
{
    Fixture f;
    TForm5 *s = form5(f.make());
    QCOMPARE(s->windowTitle(), QString::fromUtf8("OVCL - Nastavení"));
    QCOMPARE(s->size(), QSize(306, 579));
    QCOMPARE(s->minimumSize(), s->maximumSize());
    QVERIFY(s->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(s->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(s->palette().color(QPalette::Window), QColor(Qt::black));
    for (QWidget *control : s->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(s->rect().contains(control->geometry()), qPrintable(control->objectName()));
    QVERIFY(!s->isVisible());
}

void SettingsTest::rowsAreLaidOutTopToBottom_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("icon");
    QTest::newRow("1") << 1 << "Counter -Strike 1.6" << "StaticText1" << "Button1" << true;
    QTest::newRow("2") << 2 << "Call Of Duty" << "StaticText2" << "Button2" << true;
    QTest::newRow("3") << 3 << "Call Of Duty 2 - 1.0" << "StaticText3" << "Button3" << true;
    QTest::newRow("4") << 4 << "Call Of Duty 2 - 1.3" << "StaticText4" << "Button4" << true;
    QTest::newRow("5") << 5 << "Alien vs Predator 2" << "StaticText5" << "Button5" << false;
    QTest::newRow("6") << 6 << "Unreal Tournament" << "StaticText7" << "Button7" << false;
    QTest::newRow("7") << 7 << "Unreal Tournament 2004" << "StaticText8" << "Button8" << false;
    QTest::newRow("8") << 8 << "Ventrilo" << "StaticText6" << "Button6" << false;
    QTest::newRow("9") << 9 << "TeamSpeak" << "StaticText9" << "Button9" << false;
}

void SettingsTest::rowsAreLaidOutTopToBottom()
{
    QFETCH(int, row);
    QFETCH(QString, label);
    QFETCH(QString, display);
    QFETCH(QString, button);
    QFETCH(bool, icon);
    Fixture f;
    TForm5 *s = form5(f.make());

    auto *shown = s->findChild<TextLabel *>(display);
    QVERIFY(shown);
    QCOMPARE(shown->caption(), QStringLiteral("cesta"));
    QCOMPARE(shown->size(), QSize(233, 17));
    QCOMPARE(shown->frameShadow(), QFrame::Sunken);
    QCOMPARE(shown->palette().color(QPalette::Window), QColor(Qt::white));
    auto *pushButton = s->findChild<QPushButton *>(button);
    QCOMPARE(pushButton->text(), QStringLiteral("..."));
    QVERIFY(qAbs(pushButton->geometry().center().y() - shown->geometry().center().y()) <= 2);
    QVERIFY(pushButton->geometry().left() > shown->geometry().right());

    // The label naming the program lies just above its display.
    TextLabel *named = nullptr;
    for (auto *candidate : s->findChildren<TextLabel *>())
        if (candidate->caption() == label)
            named = candidate;
    QVERIFY(named);
    QVERIFY(named->geometry().bottom() <= shown->geometry().top());
    QVERIFY(shown->geometry().top() - named->geometry().bottom() < 10);

    // Rows follow each other in this order.
    if (row > 1) {
        auto *above = s->findChild<TextLabel *>(QLatin1String(displaysTopToBottom[row - 2]));
        QVERIFY(above->geometry().bottom() < named->geometry().top());
    }

    // A game icon sits before the first four labels, and only there.
    bool iconBefore = false;
    for (auto *picture : s->findChildren<QWidget *>()) {
        const QRect r = picture->geometry();
        if (picture->inherits("PictureControl") && r.right() < named->geometry().left()
            && r.top() < named->geometry().bottom() && r.bottom() > named->geometry().top())
            iconBefore = true;
    }
    QCOMPARE(iconBefore, icon);
}

void SettingsTest::switchLabelsDoNotToggleTheBoxes()
{
    Fixture f;
    TForm5 *s = form5(f.make());
    s->show();
    QVERIFY(s->soundsSwitch()->text().isEmpty());
    QVERIFY(s->transparencySwitch()->text().isEmpty());
    for (auto *box : {s->soundsSwitch(), s->transparencySwitch()}) {
        TextLabel *beside = nullptr;
        for (auto *label : s->findChildren<TextLabel *>())
            if (qAbs(label->geometry().center().y() - box->geometry().center().y()) <= 3
                && label->geometry().left() >= box->geometry().right()
                && label->geometry().left() - box->geometry().right() < 10)
                beside = label;
        QVERIFY(beside);
        QVERIFY(beside->caption() == QStringLiteral("Zvuky / Sounds")
                || beside->caption() == QString::fromUtf8("Průhlednost / Transp."));
        const bool before = box->isChecked();
        Pointer::click(s, centreOf(beside));
        QCOMPARE(box->isChecked(), before);
        Pointer::click(s, centreOf(box));
        QCOMPARE(box->isChecked(), !before);
    }
    auto *czech = s->findChild<TextLabel *>("Label2");
    auto *english = s->findChild<TextLabel *>("Label4");
    QCOMPARE(czech->caption(), QString::fromUtf8("Nastavte správné cesty k programům a hrám"));
    QCOMPARE(english->caption(), QStringLiteral("Insert right paths to games and programs"));
    QCOMPARE(czech->geometry(), english->geometry());
    QVERIFY(!czech->isHidden());
    QVERIFY(english->isHidden());
}

void SettingsTest::firstRunOpensTheWindowAndTheChainWaits()
{
    Fixture f;
    Launcher &l = f.make();
    TForm5 *s = form5(l);
    QList<int> progress;
    bool upAt80 = true;
    QObject::connect(form17(l)->findChild<QProgressBar *>("stav"), &QProgressBar::valueChanged, [&](int v) {
        progress << v;
        if (v == 80)
            upAt80 = s->isVisible();
    });

    int progressWhenUp = -1;
    bool progressWindowUnder = false;
    QStringList captions;
    bool sounds = false, transparency = false;
    QString latch;
    QStringList playedWhenUp;
    QStringList modesWhenUp;
    int balloonsWhenUp = 0;
    ModalWindow::whenUp(s, [&] {
        progressWhenUp = startupProgress(l);
        progressWindowUnder = form17(l)->isVisible();
        for (const char *display : displaysTopToBottom)
            captions << caption(s, display);
        sounds = s->soundsSwitch()->isChecked();
        transparency = s->transparencySwitch()->isChecked();
        latch = form1(l)->latch();
        playedWhenUp = f.sound->played;
        modesWhenUp = f.sound->modes;
        balloonsWhenUp = f.tray->balloons.size();
        s->close(); // the close box
    });
    l.start();

    QCOMPARE(progressWhenUp, 73);
    QVERIFY(progressWindowUnder);
    QCOMPARE(captions, QStringList(9, QStringLiteral("cesta")));
    QVERIFY(sounds);
    QVERIFY(transparency);
    QCOMPARE(latch, QStringLiteral("1"));
    QCOMPARE(playedWhenUp, QStringList{"firstrun.wav"});
    QCOMPARE(modesWhenUp, QStringList{"async"});
    QCOMPARE(balloonsWhenUp, 1);
    QCOMPARE(f.tray->balloons.first().first, QString::fromUtf8("První spuštění / First run"));
    QCOMPARE(f.tray->balloons.first().second,
             QString::fromUtf8("Nejdříve je nutné správně nastavit cesty ke hrám a programům. First you must set "
                               "paths to games and programs"));
    // The chain went on only after the window had closed.
    QVERIFY(progress.indexOf(73) < progress.indexOf(80));
    QVERIFY(!upAt80);
    QCOMPARE(progress.last(), 100);
    // Closed without saving: the next start is a first run again.
    QVERIFY(dataWrites(f.profiles->writes).isEmpty());
    QVERIFY(!f.exists("data.dat"));
}

// A home with Counter-Strike in a Steam library, Call of Duty where a
// prefix's registry says, and Ventrilo in two prefixes.
void SettingsTest::firstRunOffersWhatWasFound()
{
    Fixture f;
    const QDir home(f.home.path());
    const QString cs = home.filePath(QStringLiteral(".steam/steam/steamapps/common/Half-Life/hl_linux"));
    const QString cod = home.filePath(QStringLiteral(".wine/drive_c/CoD/CoDMP.exe"));
    const QString vent1 = home.filePath(QStringLiteral(".wine/drive_c/Program Files/Ventrilo/Ventrilo.exe"));
    const QString vent2 = home.filePath(QStringLiteral(".local/share/wineprefixes/v/drive_c/Games/Ventrilo/Ventrilo.exe"));
    const QList<QPair<QString, QByteArray>> files{
        {cs, "x"}, {cod, "MZ"}, {vent1, "MZ"}, {vent2, "MZ"},
        {home.filePath(QStringLiteral(".steam/steam/steamapps/appmanifest_10.acf")),
         "\"AppState\" { \"installdir\" \"Half-Life\" }"},
        {home.filePath(QStringLiteral(".wine/system.reg")),
         "[Software\\\\Activision\\\\Call of Duty]\n\"InstallPath\"=\"C:\\\\CoD\"\n"}};
    for (const auto &[path, content] : files) {
        QFile file(path);
        QVERIFY(home.mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(content) > 0);
    }
    Launcher &l = f.make();
    TForm5 *s = form5(l);
    f.fileDialogs->answers << QString();
    QStringList captions;
    ModalWindow::whenUp(s, [&] {
        QTRY_VERIFY(caption(s, "StaticText1") != QLatin1String("cesta"));
        for (const char *display : displaysTopToBottom)
            captions << caption(s, display);
        clickControl(s, "Button6");
        s->close();
    });
    l.start();

    QStringList expected(9, QStringLiteral("cesta"));
    expected[0] = cs;
    expected[1] = cod;
    QCOMPARE(captions, expected);
    // Two Ventrilos: none is filled in, both are offered, the dialog opens on the first.
    QCOMPARE(f.fileDialogs->calls.size(), 1);
    QCOMPARE(f.fileDialogs->calls[0].initialFile, vent1);
    QCOMPARE(f.fileDialogs->calls[0].places, (QStringList{QFileInfo(vent1).path(), QFileInfo(vent2).path()}));
    QVERIFY(dataWrites(f.profiles->writes).isEmpty());
}

void SettingsTest::saveWritesEveryKeyInOrderAndEndsTheFirstRun()
{
    QStringList expected;
    {
        Fixture f;
        Launcher &l = f.make();
        TForm5 *s = form5(l);
        bool closedBySave = false;
        ModalWindow::whenUp(s, [&] {
            // Each display gets its own value, so the keys show where they came from.
            for (int i = 1; i <= 9; ++i)
                s->findChild<TextLabel *>(QStringLiteral("StaticText%1").arg(i))
                    ->setCaption(QStringLiteral("D:\\Games\\t%1.exe").arg(i));
            Pointer::click(s, centreOf(s->transparencySwitch()));
            form1(l)->setLatch(QStringLiteral("0"));
            clickControl(s, "Image1");
            closedBySave = !s->isVisible();
            if (s->isVisible())
                s->close();
        });
        l.start();
        QVERIFY(closedBySave);
        expected = QStringList{
            "data.dat Setting/csloc=D:\\Games\\t1.exe",     "data.dat Setting/codloc=D:\\Games\\t2.exe",
            "data.dat Setting/cod210loc=D:\\Games\\t3.exe", "data.dat Setting/cod213loc=D:\\Games\\t4.exe",
            "data.dat Setting/avploc=D:\\Games\\t5.exe",    "data.dat Setting/vnt=D:\\Games\\t6.exe",
            "data.dat Setting/ts=D:\\Games\\t9.exe",        "data.dat Setting/ut=D:\\Games\\t7.exe",
            "data.dat Setting/ut2004=D:\\Games\\t8.exe",    "data.dat Sounds/enabled=1",
            "data.dat Transparency/enabled=0",              "data.dat Setting/first=false"};
        QCOMPARE(dataWrites(f.profiles->writes), expected);
        // The cue follows the writes; saving does not touch the latch.
        const int lastWrite = f.log.events.indexOf("write " + expected.last());
        QCOMPARE(f.log.events.indexOf("sound press.wav async"), lastWrite + 1);
        QCOMPARE(form1(l)->latch(), QStringLiteral("0"));
        // Transparency switched off on save: both windows are opaque at once.
        QVERIFY(closeTo(form1(l)->windowOpacity(), 1.0));
        QVERIFY(closeTo(form9(l)->windowOpacity(), 1.0));

        // The next launcher on the same directory.
        SecondLauncher next(f.dir.path() + QLatin1Char('/'));
    next.downloads->bodies[CommunityUrls::versionInf()] = currentVersion;
        next.downloads->bodies[CommunityUrls::versionInf()] = currentVersion;
        bool opened = false;
        ModalWindow::whenUp(form5(next.launcher()), [&] {
            opened = true;
            form5(next.launcher())->close();
        }, 1000);
        next.launcher().start();
        QVERIFY(!opened);
        QVERIFY(next.tray->balloons.isEmpty());
        QVERIFY(!next.sound->played.contains("firstrun.wav"));
        TForm5 *again = form5(next.launcher());
        for (int i = 1; i <= 9; ++i)
            QCOMPARE(again->findChild<TextLabel *>(QStringLiteral("StaticText%1").arg(i))->caption(),
                     QStringLiteral("D:\\Games\\t%1.exe").arg(i));
        QVERIFY(again->soundsSwitch()->isChecked());
        QVERIFY(!again->transparencySwitch()->isChecked());
        QVERIFY(closeTo(form1(next.launcher())->windowOpacity(), 1.0));
    }
}

void SettingsTest::pathWithBlanksAndCzechLettersSurvivesARestart()
{
    const QString chosen = QString::fromUtf8("C:/Program Files/Hry  2/Český hráč/Ventrilo.exe");
    Fixture f;
    f.fileDialogs->answers.enqueue(chosen);
    Launcher &l = f.make();
    TForm5 *s = form5(l);
    ModalWindow::whenUp(s, [&] {
        clickControl(s, "Button6");
        clickControl(s, "Image1");
        if (s->isVisible())
            s->close();
    });
    l.start();
    QCOMPARE(pathFor(s, "vnt"), chosen);

    SecondLauncher next(f.dir.path() + QLatin1Char('/'));
    next.downloads->bodies[CommunityUrls::versionInf()] = currentVersion;
    next.launcher().start();
    QCOMPARE(caption(form5(next.launcher()), "StaticText6"), chosen);
    QCOMPARE(pathFor(form5(next.launcher()), QStringLiteral("vnt")), chosen);
}

void SettingsTest::storedPathsFillTheirDisplays()
{
    Fixture f;
    f.presetNotFirstRun();
    const char *keys[] = {"csloc", "codloc", "cod210loc", "cod213loc", "avploc", "ut", "ut2004", "vnt", "ts"};
    for (const char *key : keys)
        f.preset("data.dat", "Setting", key, QStringLiteral("E:\\%1.exe").arg(QLatin1String(key)));
    Launcher &l = f.start();
    TForm5 *s = form5(l);
    for (int i = 0; i < 9; ++i) {
        const QString value = QStringLiteral("E:\\%1.exe").arg(QLatin1String(keys[i]));
        QCOMPARE(caption(s, displaysTopToBottom[i]), value);
        QCOMPARE(pathFor(s, QLatin1String(keys[i])), value);
    }
    // The first four also become their dialogs' initial files.
    s->show();
    clickControl(s, "Button1");
    clickControl(s, "Button4");
    s->close();
    QCOMPARE(f.fileDialogs->calls.size(), 2);
    QCOMPARE(f.fileDialogs->calls[0].initialFile, QStringLiteral("E:\\csloc.exe"));
    QCOMPARE(f.fileDialogs->calls[1].initialFile, QStringLiteral("E:\\cod213loc.exe"));
    QVERIFY(dataWrites(f.profiles->writes).isEmpty());
}

void SettingsTest::storedSwitches_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("on");
    for (const char *section : {"Sounds", "Transparency"}) {
        QTest::addRow("%s 0", section) << section << "0" << false;
        QTest::addRow("%s 1", section) << section << "1" << true;
        QTest::addRow("%s empty", section) << section << "" << true;
        QTest::addRow("%s off", section) << section << "off" << true;
    }
}

void SettingsTest::storedSwitches()
{
    QFETCH(QString, section);
    QFETCH(QString, value);
    QFETCH(bool, on);
    Fixture f;
    f.presetNotFirstRun();
    f.preset("data.dat", section.toLatin1().constData(), "enabled", value);
    Launcher &l = f.make();
    // Before the settings load the speed-test window blends and the main window does not.
    QVERIFY(closeTo(form1(l)->windowOpacity(), 1.0));
    QVERIFY(closeTo(form9(l)->windowOpacity(), 230 / 255.0));
    l.start();
    TForm5 *s = form5(l);
    const bool sounds = section == "Sounds" ? on : true;
    const bool transparent = section == "Transparency" ? on : true;
    QCOMPARE(s->soundsSwitch()->isChecked(), sounds);
    QCOMPARE(s->transparencySwitch()->isChecked(), transparent);
    QVERIFY(closeTo(form1(l)->windowOpacity(), transparent ? 220 / 255.0 : 1.0));
    QVERIFY(closeTo(form9(l)->windowOpacity(), transparent ? 230 / 255.0 : 1.0));
}

void SettingsTest::soundsOffSilencesAllButTheFirstRunCue()
{
    Fixture f;
    f.preset("data.dat", "Sounds", "enabled", QStringLiteral("0"));
    Launcher &l = f.make();
    TForm5 *s = form5(l);
    QString latchWhenUp;
    ModalWindow::whenUp(s, [&] {
        latchWhenUp = form1(l)->latch();
        form1(l)->setLatch(QStringLiteral("0"));
        clickControl(s, "Image1");
        if (s->isVisible())
            s->close();
    });
    l.start();
    QCOMPARE(latchWhenUp, QStringLiteral("1"));
    QCOMPARE(f.sound->played, QStringList{"firstrun.wav"});
    QCOMPARE(form1(l)->latch(), QStringLiteral("0"));
    QVERIFY(dataWrites(f.profiles->writes).contains("data.dat Sounds/enabled=0"));
}

void SettingsTest::writeFailureStopsTheSave()
{
    Fixture f;
    Launcher &l = f.make();
    TForm5 *s = form5(l);
    bool openAfterFailure = false;
    QStringList errorsWhenUp;
    ModalWindow::whenUp(s, [&] {
        f.profiles->failFromWrite = f.profiles->writes.size() + 3;
        Pointer::click(s, centreOf(s->transparencySwitch()));
        clickControl(s, "Image1");
        openAfterFailure = s->isVisible();
        errorsWhenUp = f.errors->messages;
        f.profiles->failFromWrite = -1;
        s->close();
    });
    l.start();
    QVERIFY(openAfterFailure);
    QCOMPARE(errorsWhenUp, QStringList{"Unable to write to " + f.path("data.dat")});
    QCOMPARE(dataWrites(f.profiles->writes),
             (QStringList{"data.dat Setting/csloc=cesta", "data.dat Setting/codloc=cesta",
                          "data.dat Setting/cod210loc=cesta"}));
    QVERIFY(!f.sound->played.contains("press.wav"));
    // Transparency was applied before the writes.
    QVERIFY(closeTo(form1(l)->windowOpacity(), 1.0));
    QVERIFY(closeTo(form9(l)->windowOpacity(), 1.0));
}

void SettingsTest::pick_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::newRow("cs") << "Button1" << "StaticText1" << "OpenDialog1" << "Counter -Strike 1.6"
                        << "Half-Life Launcher (hl.exe)|hl.exe|CS 1.6 Launcher (cstrike.exe)|cstrike.exe|Steam "
                           "(steam.exe)|steam.exe|Half-Life Linux (hl_linux)|hl_linux";
    QTest::newRow("cod") << "Button2" << "StaticText2" << "cod1" << "Call Of Duty" << "COD MP (codmp.exe)|codmp.exe";
    QTest::newRow("cod2 1.0") << "Button3" << "StaticText3" << "cod210" << "Call Of Duty 2 - 1.0"
                              << "COD MP  1.0  (cod2mp_s.exe)|cod2mp_s.exe";
    QTest::newRow("cod2 1.3") << "Button4" << "StaticText4" << "cod213" << "Call Of Duty 2 - 1.3"
                              << "COD MP  1.3 (cod2mp_s.exe)|cod2mp_s.exe";
    QTest::newRow("avp") << "Button5" << "StaticText5" << "avp" << "Alien vs Predator 2"
                         << "AVP2 (lithtech.exe)|lithtech.exe|AVP2 (avp2.exe)|avp2.exe";
    QTest::newRow("ut") << "Button7" << "StaticText7" << "utd" << "Unreal Tournament"
                        << "UT (UnrealTournament.exe)|UnrealTournament.exe|UT executable (*.exe)|*.exe";
    QTest::newRow("ut2004") << "Button8" << "StaticText8" << "ut2004d" << "Unreal Tournament 2004"
                            << "UT (UT2004.exe)|UT2004.exe|UT2004  executable (*.exe)|*.exe";
    QTest::newRow("ventrilo") << "Button6" << "StaticText6" << "vntd" << "Ventrilo" << "Ventrilo|*.exe";
    QTest::newRow("teamspeak") << "Button9" << "StaticText9" << "tsd" << "TeamSpeak" << "TeamSpeak|*.exe";
}

void SettingsTest::pick()
{
    QFETCH(QString, button);
    QFETCH(QString, display);
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QString, filter);
    Fixture f;
    TForm5 *s = form5(f.make());
    // A pick waits for the search for programs in an event loop: the start-up chain stays out of it.
    form1(*f.launcher)->findChild<WindowTimer *>(QStringLiteral("Timer6"))->setEnabled(false);
    s->show();
    const QString chosen = QStringLiteral("/opt/games/%1/run.exe").arg(dialog);
    f.fileDialogs->answers << chosen << QString();

    Pointer::click(s, centreOf(s->findChild<QWidget *>(button)));
    QCOMPARE(f.fileDialogs->calls.size(), 1);
    QCOMPARE(f.fileDialogs->calls[0].title, title);
    QCOMPARE(f.fileDialogs->calls[0].initialFile, QStringLiteral("cesta"));
    QCOMPARE(f.fileDialogs->calls[0].filter, filter);
    QCOMPARE(s->findChild<TextLabel *>(display)->caption(), chosen);

    // Cancelled: nothing changes.
    Pointer::click(s, centreOf(s->findChild<QWidget *>(button)));
    QCOMPARE(f.fileDialogs->calls.size(), 2);
    QCOMPARE(f.fileDialogs->calls[1].initialFile, chosen);
    QCOMPARE(s->findChild<TextLabel *>(display)->caption(), chosen);

    // Only this row changed, and nothing was written.
    int unset = 0;
    for (const char *other : displaysTopToBottom)
        unset += caption(s, other) == QStringLiteral("cesta");
    QCOMPARE(unset, 8);
    QVERIFY(f.profiles->writes.isEmpty());
}

void SettingsTest::escapeCancelsTheFileDialog()
{
    Fixture f;
    form5(f.make())->show();
    bool closedByEscape = false;
    QString title;
    Modal::whenShown([&](QWidget *dialog) {
        title = dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
        closedByEscape = !dialog->isVisible();
        if (!closedByEscape)
            static_cast<QDialog *>(dialog)->reject();
    });
    WindowGroup group;
    QCOMPARE(QtFileDialogService(group).openFile(QStringLiteral("Ventrilo"), QStringLiteral("cesta"),
                                            QStringLiteral("Ventrilo|*.exe")),
             QString());
    QVERIFY(closedByEscape);
    QCOMPARE(title, QStringLiteral("Ventrilo"));
}

void SettingsTest::closeBoxKeepsLiveValuesWithoutWriting()
{
    Fixture f;
    f.presetNotFirstRun();
    f.fileDialogs->answers << QStringLiteral("/opt/cs/hl.exe");
    Launcher &l = f.start();
    TForm5 *s = form5(l);
    ModalWindow::whenUp(s, [&] {
        clickControl(s, "Button1");
        Pointer::click(s, centreOf(s->soundsSwitch()));
        s->close();
    });
    s->showModal();
    QVERIFY(!s->isVisible());
    // The window is the live store: readers see the new values at once.
    QCOMPARE(pathFor(s, "csloc"), QStringLiteral("/opt/cs/hl.exe"));
    QVERIFY(!s->soundsSwitch()->isChecked());
    QVERIFY(dataWrites(f.profiles->writes).isEmpty());

    SecondLauncher next(f.dir.path() + QLatin1Char('/'));
    next.downloads->bodies[CommunityUrls::versionInf()] = currentVersion;
    next.launcher().start();
    QCOMPARE(pathFor(form5(next.launcher()), "csloc"), QStringLiteral("cesta"));
    QVERIFY(form5(next.launcher())->soundsSwitch()->isChecked());
}

void SettingsTest::saveButtonHover()
{
    Fixture f;
    TForm5 *s = form5(f.make());
    s->show();
    QWidget *save = s->findChild<QWidget *>("Image1");
    QWidget *hover = s->findChild<QWidget *>("Image3");
    QCOMPARE(save->size(), QSize(97, 27));
    QCOMPARE(save->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(hover->geometry(), save->geometry());
    QVERIFY(hover->isHidden());
    const QRect r = save->geometry();
    const QPoint leftOfIt(r.left() - 4, r.center().y());
    const QPoint rightOfIt(r.right() + 4, r.center().y());
    QCOMPARE(Pointer::controlAt(s, leftOfIt)->objectName(), QStringLiteral("Label5"));
    QCOMPARE(Pointer::controlAt(s, rightOfIt)->objectName(), QStringLiteral("Label6"));

    Pointer::moveTo(s, r.center());
    QVERIFY(!hover->isHidden());
    QCOMPARE(Pointer::controlAt(s, r.center()), hover);
    Pointer::moveTo(s, leftOfIt);
    QVERIFY(hover->isHidden());
    Pointer::moveTo(s, r.center());
    QVERIFY(!hover->isHidden());
    Pointer::moveTo(s, rightOfIt);
    QVERIFY(hover->isHidden());

    // The lit twin saves as well.
    Pointer::moveTo(s, r.center());
    Pointer::click(s, r.center());
    QVERIFY(dataWrites(f.profiles->writes).contains("data.dat Setting/first=false"));
    QVERIFY(!s->isVisible());
}

void SettingsTest::opensCentredOnTheMainWindow()
{
    Fixture f;
    f.presetNotFirstRun();
    Launcher &l = f.start();
    form1(l)->move(40, 30);
    QPoint centre;
    ModalWindow::whenUp(form5(l), [&] {
        centre = form5(l)->geometry().center();
        form5(l)->close();
    });
    form5(l)->showModal();
    QVERIFY2((centre - form1(l)->geometry().center()).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
