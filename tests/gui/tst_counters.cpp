#include "FireTimer.h"
#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "ServedLauncher.h"
#include "StepHooks.h"
#include "app/TForm1.h"
#include "app/TForm17.h"
#include "platform/controls/TextLabel.h"
#include "platform/controls/WindowTimer.h"
#include "web/CommunityUrls.h"
#include "web/CounterControls.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace {
TextLabel *label(Launcher &l, const char *name)
{
    return form1(l)->findChild<TextLabel *>(QLatin1String(name));
}

RecordingBrowser *browser(Launcher &l, const char *name)
{
    return form1(l)->findChild<RecordingBrowser *>(QLatin1String(name));
}

// A run whose update check finds nothing new, so start() needs no player.
void quietUpdate(LauncherFixture &f)
{
    f.presetNotFirstRun();
    f.downloads->bodies[CommunityUrls::versionInf()] = "[Setting]\r\nver=1.8.3\r\n";
}
} // namespace

class CountersTest : public QObject
{
    Q_OBJECT
private slots:
    void blockIsLaidOutAsDesigned_data();
    void blockIsLaidOutAsDesigned();
    void serverTextIsShownUnchanged_data();
    void serverTextIsShownUnchanged();
    void hugeTextShowsWhatFitsInTheBlock_data();
    void hugeTextShowsWhatFitsInTheBlock();
    void startupStepLoadsPagesAndCountersInOrder();
    void unreachableServerLeavesNASilently();
    void lastValuesStayWhenTheServerGoesAway();
    void tickRefreshesBothCountersAndTheOnlinePage();
    void leftoverFilesAreNeverShown();
    void noCounterFileRemainsAfterClose();
    void aTickWhileTheLastOneWaitsStartsNothing();
};

void CountersTest::blockIsLaidOutAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("centred");
    QTest::newRow("Label13") << "Label13" << "Statistika:" << QPoint(502, 105) << false;
    QTest::newRow("Label50") << "Label50" << QString::fromUtf8("Počet přístupů:") << QPoint(502, 119) << false;
    QTest::newRow("stat") << "stat" << "N/A" << QPoint(597, 119) << true;
    QTest::newRow("Label51") << "Label51" << "Online:" << QPoint(502, 134) << false;
    QTest::newRow("Label52") << "Label52" << "N/A" << QPoint(549, 134) << true;
}

void CountersTest::blockIsLaidOutAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QPoint, place);
    QFETCH(bool, centred);
    LauncherFixture f;
    Launcher &l = f.make();
    auto *shown = form1(l)->findChild<TextLabel *>(name);
    QVERIFY(shown);
    QCOMPARE(shown->caption(), caption);
    QCOMPARE(shown->pos(), place);
    QVERIFY(!shown->isHidden());
    QVERIFY(shown->styleSheet().contains("white") && shown->styleSheet().contains("bold"));
    QCOMPARE(bool(shown->alignment() & Qt::AlignHCenter), centred);
    // Text arrives as plain text, never as markup.
    QCOMPARE(shown->textFormat(), Qt::PlainText);
    for (const char *memo : {"Memo1", "Memo2"}) {
        auto *box = form1(l)->findChild<QPlainTextEdit *>(memo);
        QVERIFY(box);
        QVERIFY(box->isHidden());
        QCOMPARE(box->toPlainText(), QStringLiteral("N/A"));
    }
}

void CountersTest::serverTextIsShownUnchanged_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("shown");
    QTest::newRow("number") << QByteArray("12345") << "12345";
    QTest::newRow("number with line end") << QByteArray("12345\n") << "12345";
    QTest::newRow("two lines") << QByteArray("12 hracu\n3 servery\n") << "12 hracu\r\n3 servery";
    QTest::newRow("markup") << QByteArray("<b>x</b>") << "<b>x</b>";
    QTest::newRow("blanks kept") << QByteArray("  7 ") << "  7 ";
    QTest::newRow("empty") << QByteArray() << "";
}

void CountersTest::serverTextIsShownUnchanged()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, shown);
    LauncherFixture f;
    quietUpdate(f);
    f.downloads->bodies[CommunityUrls::accessCounter()] = body;
    f.downloads->bodies[CommunityUrls::onlineCounter()] = body;
    Launcher &l = f.start();
    for (const char *name : {"stat", "Label52"}) {
        TextLabel *counter = label(l, name);
        QCOMPARE(counter->caption(), shown);
        // Shown literally: the label's text is the caption with plain line breaks.
        QCOMPARE(counter->text(), QString(shown).replace("\r\n", "\n"));
        QCOMPARE(counter->textFormat(), Qt::PlainText);
        // Every line fits in the label.
        const int lines = shown.count("\r\n") + 1;
        QVERIFY2(counter->height() >= lines * counter->fontMetrics().height(), name);
    }
    QCOMPARE(form1(l)->findChild<QPlainTextEdit *>("Memo1")->toPlainText(), QString(shown).replace("\r\n", "\n"));
    QCOMPARE(form1(l)->findChild<QPlainTextEdit *>("Memo2")->toPlainText(), QString(shown).replace("\r\n", "\n"));
}

void CountersTest::hugeTextShowsWhatFitsInTheBlock_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("lines");
    QStringList numbered;
    for (int i = 1; i <= 100000; ++i)
        numbered << QString::number(i);
    QStringList wide;
    for (int i = 1; i <= 100000; ++i)
        wide << QStringLiteral("%1 hracu na serveru Orvanta Counter-Strike 1.6 Public").arg(i);
    QTest::newRow("100,000 short lines") << numbered.join('\n').toUtf8() << numbered;
    QTest::newRow("100,000 wide lines") << wide.join("\r\n").toUtf8() << wide;
    QTest::newRow("one line of 1 MiB") << QByteArray(1024 * 1024 - 1, '7') << QStringList{QString(1024 * 1024 - 1, '7')};
}

// Only the first lines that fit, each cut to fit, and never past the block.
void CountersTest::hugeTextShowsWhatFitsInTheBlock()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, lines);
    LauncherFixture f;
    quietUpdate(f);
    f.downloads->bodies[CommunityUrls::accessCounter()] = body;
    f.downloads->bodies[CommunityUrls::onlineCounter()] = body;
    Launcher &l = f.start();
    const QRect block(QPoint(491, 105), QPoint(737, 174));
    for (const char *name : {"stat", "Label52"}) {
        TextLabel *counter = label(l, name);
        // What goes on does not grow with the text.
        QVERIFY(counter->caption().size() < 1000);
        QVERIFY2(block.contains(counter->geometry()), name);
        // Nothing else of the window lies under it but the block's own pictures.
        for (QWidget *other : form1(l)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            const bool backdrop = other->objectName() == "Image157" || other->objectName() == "Image158";
            if (other != counter && !other->isHidden() && !backdrop)
                QVERIFY2(!other->geometry().intersects(counter->geometry()), qPrintable(other->objectName()));
        }
        // What it draws fits it: at most nine lines, none wider than the label.
        const QSize drawn = counter->sizeHint();
        QVERIFY2(drawn.width() <= counter->width(), name);
        QVERIFY2(drawn.height() <= counter->height(), name);
        QVERIFY(drawn.height() >= counter->fontMetrics().height());
        QVERIFY(counter->height() < 10 * counter->fontMetrics().lineSpacing());
    }
    for (const char *memo : {"Memo1", "Memo2"})
        QVERIFY(form1(l)->findChild<QPlainTextEdit *>(memo)->document()->characterCount() < 1000);
    // The access count has room for more lines than the online count below it.
    if (lines.size() > 1)
        QVERIFY(label(l, "stat")->sizeHint().height() > label(l, "Label52")->sizeHint().height());
}

void CountersTest::startupStepLoadsPagesAndCountersInOrder()
{
    LauncherFixture f;
    quietUpdate(f);
    f.downloads->bodies[CommunityUrls::accessCounter()] = "1";
    f.downloads->bodies[CommunityUrls::onlineCounter()] = "2";
    Launcher &l = f.make();
    auto counters = hooks(l).counters;
    int progressInside = -1;
    hooks(l).counters = [&, counters] {
        progressInside = startupProgress(l);
        counters();
    };
    l.start();
    QCOMPARE(progressInside, 10);
    const QStringList expected{
        "navigate WebBrowser4 " + CommunityUrls::statistics(),
        "delete statistic.inf",
        "download " + CommunityUrls::accessCounter(),
        "navigate WebBrowser5 " + CommunityUrls::statisticsOnline(),
        "delete online.inf",
        "download " + CommunityUrls::onlineCounter(),
    };
    const int first = f.log.events.indexOf(expected.first());
    QVERIFY(first >= 0);
    QCOMPARE(f.log.events.mid(first, expected.size()), expected);
    QCOMPARE(browser(l, "WebBrowser4")->urls, QStringList{CommunityUrls::statistics()});
    QCOMPARE(browser(l, "WebBrowser5")->urls, QStringList{CommunityUrls::statisticsOnline()});
    // The step's two fetches share one time budget; the update fetch has its own.
    const int access = f.downloads->requested.indexOf(CommunityUrls::accessCounter());
    const int online = f.downloads->requested.indexOf(CommunityUrls::onlineCounter());
    QVERIFY(f.downloads->batchOf.at(access) > 0);
    QCOMPARE(f.downloads->batchOf.at(online), f.downloads->batchOf.at(access));
    QCOMPARE(f.downloads->batchOf.at(f.downloads->requested.indexOf(CommunityUrls::versionInf())), 0);
    QVERIFY(!f.downloads->batchOpen());
    for (const char *name : {"WebBrowser4", "WebBrowser5"}) {
        QVERIFY(!browser(l, name)->onScreen);
        QVERIFY(browser(l, name)->y() >= TForm1::clientHeight);
    }
}

void CountersTest::unreachableServerLeavesNASilently()
{
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.start();
    fire(form1(l)->findChild<WindowTimer *>("onlinecounter"));
    QCOMPARE(label(l, "stat")->caption(), QStringLiteral("N/A"));
    QCOMPARE(label(l, "Label52")->caption(), QStringLiteral("N/A"));
    QVERIFY(f.errors->messages.isEmpty());
    QVERIFY(f.sound->played.isEmpty());
    QCOMPARE(startupProgress(l), 100);
    QVERIFY(!f.exists("statistic.inf"));
    QVERIFY(!f.exists("online.inf"));
}

void CountersTest::lastValuesStayWhenTheServerGoesAway()
{
    LauncherFixture f;
    quietUpdate(f);
    f.downloads->bodies[CommunityUrls::accessCounter()] = "48213";
    f.downloads->bodies[CommunityUrls::onlineCounter()] = "17";
    Launcher &l = f.start();
    QVERIFY(f.exists("statistic.inf"));
    QVERIFY(f.exists("online.inf"));

    f.downloads->bodies.clear();
    fire(form1(l)->findChild<WindowTimer *>("onlinecounter"));
    QCOMPARE(label(l, "stat")->caption(), QStringLiteral("48213"));
    QCOMPARE(label(l, "Label52")->caption(), QStringLiteral("17"));
    QVERIFY(!f.exists("statistic.inf"));
    QVERIFY(!f.exists("online.inf"));
    QVERIFY(f.errors->messages.isEmpty());

    // Back again: the next tick shows the new values.
    f.downloads->bodies[CommunityUrls::accessCounter()] = "48214";
    f.downloads->bodies[CommunityUrls::onlineCounter()] = "18";
    fire(form1(l)->findChild<WindowTimer *>("onlinecounter"));
    QCOMPARE(label(l, "stat")->caption(), QStringLiteral("48214"));
    QCOMPARE(label(l, "Label52")->caption(), QStringLiteral("18"));
}

void CountersTest::tickRefreshesBothCountersAndTheOnlinePage()
{
    LauncherFixture f;
    quietUpdate(f);
    Launcher &l = f.start();
    WindowTimer *tick = form1(l)->findChild<WindowTimer *>("onlinecounter");
    QCOMPARE(tick->interval(), 30000);
    QVERIFY(tick->isActive());
    f.downloads->bodies[CommunityUrls::accessCounter()] = "5";
    f.downloads->bodies[CommunityUrls::onlineCounter()] = "6";
    f.log.events.clear();
    const int before = f.downloads->requested.size();
    fire(tick);
    QCOMPARE(f.log.events, (QStringList{"delete statistic.inf", "download " + CommunityUrls::accessCounter(),
                                        "refresh WebBrowser5", "delete online.inf",
                                        "download " + CommunityUrls::onlineCounter()}));
    QCOMPARE(browser(l, "WebBrowser4")->urls.size(), 1);
    QCOMPARE(browser(l, "WebBrowser5")->urls.size(), 1);
    QVERIFY(tick->isActive());
    // One budget for the tick's two fetches, a new one for every tick.
    const QList<int> batches = f.downloads->batchOf.mid(before);
    QCOMPARE(batches.size(), 2);
    QVERIFY(batches.first() > f.downloads->batchOf.at(before - 1));
    QCOMPARE(batches.last(), batches.first());
    QVERIFY(!f.downloads->batchOpen());
    QCOMPARE(label(l, "stat")->caption(), QStringLiteral("5"));
    QCOMPARE(label(l, "Label52")->caption(), QStringLiteral("6"));
}

void CountersTest::leftoverFilesAreNeverShown()
{
    LauncherFixture f;
    quietUpdate(f);
    f.presetFile("statistic.inf", "999");
    f.presetFile("online.inf", "99");
    Launcher &l = f.start();
    QCOMPARE(label(l, "stat")->caption(), QStringLiteral("N/A"));
    QCOMPARE(label(l, "Label52")->caption(), QStringLiteral("N/A"));
    QVERIFY(!f.exists("statistic.inf"));
    QVERIFY(!f.exists("online.inf"));
}

void CountersTest::noCounterFileRemainsAfterClose()
{
    LauncherFixture f;
    quietUpdate(f);
    f.downloads->bodies[CommunityUrls::accessCounter()] = "1";
    f.downloads->bodies[CommunityUrls::onlineCounter()] = "2";
    Launcher &l = f.start();
    QVERIFY(f.exists("statistic.inf") && f.exists("online.inf"));
    form1(l)->close();
    QVERIFY(!f.exists("statistic.inf"));
    QVERIFY(!f.exists("online.inf"));
}

// The event loop runs while a tick waits for a server that never answers,
// and the counter timer may fire again meanwhile: that tick starts nothing,
// and the labels keep their text until a fetch succeeds.
void CountersTest::aTickWhileTheLastOneWaitsStartsNothing()
{
    DownloadLimits limits;
    limits.totalTimeoutMs = 600;
    ServedLauncher s(limits);
    s.presetNotFirstRun();
    s.server.setContent("/serverstatus/update/version.inf", "[Setting]\r\nver=1.8.3\r\n");
    s.server.setContent("/serverstatus/statistic/pocet.inc", "41");
    s.server.setContent("/serverstatus/statistic/online/online.inc", "7");
    Launcher &l = s.start();
    QCOMPARE(label(l, "stat")->caption(), QStringLiteral("41"));

    s.server.setFailure(QString(), CommunityServer::Failure::Hang);
    WindowTimer *tick = form1(l)->findChild<WindowTimer *>("onlinecounter");
    const int before = s.downloads->requested.size();
    s.log.events.clear();
    QStringList meanwhile;
    QTimer::singleShot(50, [&] {
        meanwhile << QString::number(s.downloads->fetching());
        fire(tick);
        meanwhile << label(l, "stat")->caption() << label(l, "Label52")->caption();
    });
    fire(tick);
    QCOMPARE(meanwhile, (QStringList{"1", "41", "7"}));
    QCOMPARE(s.downloads->requested.mid(before), (QStringList{CommunityUrls::accessCounter(), CommunityUrls::onlineCounter()}));
    QCOMPARE(s.log.events.count("refresh WebBrowser5"), 1);
    QCOMPARE(label(l, "stat")->caption(), QStringLiteral("41"));
    QCOMPARE(label(l, "Label52")->caption(), QStringLiteral("7"));

    // Back again: the next tick runs in full.
    s.server.setFailure(QString(), CommunityServer::Failure::None);
    s.server.setContent("/serverstatus/statistic/pocet.inc", "42");
    fire(tick);
    QCOMPARE(label(l, "stat")->caption(), QStringLiteral("42"));
    QCOMPARE(label(l, "Label52")->caption(), QStringLiteral("7"));
}

QTEST_MAIN(CountersTest)
#include "tst_counters.moc"
