#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "Pointer.h"
#include "app/TForm1.h"
#include "config/TForm5.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"
#include "platform/controls/WindowTimer.h"
#include "web/CommunityUrls.h"

#include <QTest>

namespace {
const QPoint czechFlag(441, 13);
const QPoint englishFlag(469, 13);

void quietUpdate(LauncherFixture &f)
{
    f.presetNotFirstRun();
    f.downloads->bodies[CommunityUrls::versionInf()] = "[Setting]\r\nver=1.8.3\r\n";
}

QString caption(Launcher &l, const char *name)
{
    auto *label = form1(l)->findChild<TextLabel *>(QLatin1String(name));
    return label ? label->caption() : QStringLiteral("<missing>");
}

// The captions and shown controls that make up a language state.
QStringList state(Launcher &l)
{
    QStringList s;
    for (const char *name : {"Label19", "Label45", "Label13", "Label50"})
        s << caption(l, name);
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
        const bool hidden = form1(l)->findChild<QWidget *>(QLatin1String(name))->isHidden();
        s << QStringLiteral("%1 %2").arg(QLatin1String(name), hidden ? QStringLiteral("hidden") : QStringLiteral("shown"));
    }
    return s;
}

QStringList english()
{
    return {"Time:", "News:", "Statistic:", "Access counter:", "Label1 shown", "Label2 shown",
            "Label3 hidden", "Label4 hidden", "Label5 hidden", "Label6 shown"};
}

QStringList czech(const char *clock)
{
    return {QString::fromUtf8(clock), "Novinky:", "Statistika:", QString::fromUtf8("Počet přístupů:"),
            "Label1 hidden", "Label2 hidden", "Label3 shown", "Label4 shown", "Label5 shown", "Label6 hidden"};
}

QStringList newsPages(Launcher &l)
{
    return form1(l)->findChild<RecordingBrowser *>("WebBrowser2")->urls;
}

// The settings window's headings: "cz/-" while the Czech one is shown, "-/en" for the English one.
QString headings(Launcher &l)
{
    QWidget *czechHeading = form5(l)->findChild<QWidget *>(QStringLiteral("Label2"));
    QWidget *englishHeading = form5(l)->findChild<QWidget *>(QStringLiteral("Label4"));
    if (!czechHeading || !englishHeading)
        return QStringLiteral("<missing>");
    return QStringLiteral("%1/%2").arg(czechHeading->isHidden() ? "-" : "cz", englishHeading->isHidden() ? "-" : "en");
}
} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void flagsAndGreetingsAreLaidOutAsDesigned_data();
    void flagsAndGreetingsAreLaidOutAsDesigned();
    void storedLanguageIsAppliedAtStart_data();
    void storedLanguageIsAppliedAtStart();
    void switchingTwiceWritesOnce();
    void switchingBackToCzechDropsTheClockBlank();
    void framesActLikeTheirFlags();
    void failedWriteKeepsTheSwitchedCaptions();
};

void LanguageTest::flagsAndGreetingsAreLaidOutAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("shown");
    QTest::newRow("Czech flag") << "Image2" << QRect(433, 8, 18, 12) << true;
    QTest::newRow("English flag") << "Image3" << QRect(461, 8, 18, 12) << true;
    QTest::newRow("Czech frame") << "Label5" << QRect(431, 6, 22, 16) << true;
    QTest::newRow("English frame") << "Label6" << QRect(459, 6, 22, 16) << false;
    QTest::newRow("Welcome") << "Label1" << QRect(25, 36, 100, 20) << false;
    QTest::newRow("Select server") << "Label2" << QRect(25, 66, 100, 20) << false;
    QTest::newRow("Vitej") << "Label3" << QRect(25, 36, 100, 20) << true;
    QTest::newRow("Vyber") << "Label4" << QRect(25, 66, 100, 20) << true;
}

void LanguageTest::flagsAndGreetingsAreLaidOutAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(bool, shown);
    LauncherFixture f;
    Launcher &l = f.make();
    QWidget *c = form1(l)->findChild<QWidget *>(name);
    QVERIFY(c);
    QCOMPARE(c->geometry().topLeft(), place.topLeft());
    if (name.startsWith("Image")) {
        QCOMPARE(c->size(), place.size());
        QCOMPARE(c->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(qobject_cast<PictureControl *>(c)->picture(),
                 name == "Image2" ? QStringLiteral(":/skin/flag_cz.png") : QStringLiteral(":/skin/flag_en.png"));
    }
    if (name == "Label5" || name == "Label6") {
        QCOMPARE(c->size(), place.size());
        QVERIFY(c->styleSheet().contains("black"));
        // The flag lies above its frame, so only the 2-pixel border takes the pointer.
        QWidget *flag = form1(l)->findChild<QWidget *>(name == "Label5" ? "Image2" : "Image3");
        QCOMPARE(c->geometry().adjusted(2, 2, -2, -2), flag->geometry());
        QCOMPARE(Pointer::controlAt(form1(l), flag->geometry().center()), flag);
    }
    QCOMPARE(!c->isHidden(), shown);
    if (name == "Label4")
        QCOMPARE(caption(l, "Label4"), QString::fromUtf8("Vyber si server "));
    if (name == "Label3")
        QCOMPARE(caption(l, "Label3"), QString::fromUtf8("Vítej!"));
}

void LanguageTest::storedLanguageIsAppliedAtStart_data()
{
    QTest::addColumn<QString>("stored"); // empty: no lng.dat
    QTest::addColumn<bool>("inEnglish");
    QTest::newRow("none") << QString() << false;
    QTest::newRow("cz") << "cz" << false;
    QTest::newRow("en") << "en" << true;
    QTest::newRow("EN in capitals") << "EN" << false;
    QTest::newRow("en with more") << "english" << false;
}

void LanguageTest::storedLanguageIsAppliedAtStart()
{
    QFETCH(QString, stored);
    QFETCH(bool, inEnglish);
    LauncherFixture f;
    quietUpdate(f);
    if (!stored.isEmpty())
        f.preset("lng.dat", "LNG", "type", stored);
    Launcher &l = f.make();
    // Timer1 off before the load: only the English load switches it on.
    form1(l)->findChild<WindowTimer *>("Timer1")->setEnabled(false);
    l.start();
    QCOMPARE(state(l), inEnglish ? english() : czech("Čas: "));
    QCOMPARE(newsPages(l), QStringList{inEnglish ? CommunityUrls::newsEnglish() : CommunityUrls::newsCzech()});
    QCOMPARE(form1(l)->findChild<RecordingBrowser *>("WebBrowser1")->urls.value(0), CommunityUrls::statusOverview());
    QCOMPARE(form1(l)->findChild<WindowTimer *>("Timer1")->isActive(), inEnglish);
    QCOMPARE(headings(l), inEnglish ? QStringLiteral("-/en") : QStringLiteral("cz/-"));
    QVERIFY(f.profiles->writes.filter("lng.dat").isEmpty());
}

void LanguageTest::switchingTwiceWritesOnce()
{
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.start();
    f.profiles->writes.clear();
    form1(l)->findChild<WindowTimer *>("Timer1")->setEnabled(false);
    f.log.events.clear();

    Pointer::click(form1(l), englishFlag);
    QCOMPARE(state(l), english());
    QVERIFY(form1(l)->findChild<WindowTimer *>("Timer1")->isActive());
    Pointer::click(form1(l), englishFlag);
    QCOMPARE(f.profiles->writes, QStringList{"lng.dat LNG/type=en"});
    QCOMPARE(newsPages(l), (QStringList{CommunityUrls::newsCzech(), CommunityUrls::newsEnglish()}));
    // The file is written before the page is asked for, and no cue sounds.
    QCOMPARE(f.log.events,
             (QStringList{"write lng.dat LNG/type=en", "navigate WebBrowser2 " + CommunityUrls::newsEnglish()}));
    QCOMPARE(headings(l), QStringLiteral("-/en"));

    f.profiles->writes.clear();
    Pointer::click(form1(l), czechFlag);
    Pointer::click(form1(l), czechFlag);
    QCOMPARE(f.profiles->writes, QStringList{"lng.dat LNG/type=cz"});
    QCOMPARE(newsPages(l).last(), CommunityUrls::newsCzech());
    QCOMPARE(newsPages(l).size(), 3);
}

void LanguageTest::switchingBackToCzechDropsTheClockBlank()
{
    LauncherFixture f;
    quietUpdate(f);
    f.preset("lng.dat", "LNG", "type", "en");
    Launcher &l = f.start();
    QCOMPARE(state(l), english());
    Pointer::click(form1(l), czechFlag);
    QCOMPARE(state(l), czech("Čas:"));
    QCOMPARE(headings(l), QStringLiteral("cz/-"));
    QCOMPARE(f.profiles->readValue(f.path("lng.dat"), "LNG", "type", "?"), QStringLiteral("cz"));
}

void LanguageTest::framesActLikeTheirFlags()
{
    LauncherFixture f;
    quietUpdate(f);
    f.preset("lng.dat", "LNG", "type", "en");
    Launcher &l = f.start();
    f.profiles->writes.clear();
    // The shown frame is the one of the state in force: its border changes nothing.
    Pointer::click(form1(l), QPoint(460, 7));
    QCOMPARE(state(l), english());
    QVERIFY(f.profiles->writes.isEmpty());
    Pointer::click(form1(l), czechFlag);
    Pointer::click(form1(l), QPoint(432, 7));
    QCOMPARE(state(l), czech("Čas:"));
    QCOMPARE(f.profiles->writes, QStringList{"lng.dat LNG/type=cz"});
}

void LanguageTest::failedWriteKeepsTheSwitchedCaptions()
{
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.start();
    f.profiles->failFromWrite = f.profiles->writes.size();
    const int pagesBefore = newsPages(l).size();
    Pointer::click(form1(l), englishFlag);
    QCOMPARE(state(l), english());
    QCOMPARE(f.errors->messages, QStringList{"Unable to write to " + f.path("lng.dat")});
    QCOMPARE(newsPages(l).size(), pagesBefore);
}

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
