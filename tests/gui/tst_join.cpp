#include "ControlPoints.h"
#include "FireTimer.h"
#include "GameHosts.h"
#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "Pointer.h"
#include "SettingsPaths.h"
#include "app/TForm1.h"
#include "config/SettingsRows.h"
#include "config/TForm5.h"
#include "platform/controls/WindowTimer.h"
#include "servers/ServerCatalogue.h"

#include <algorithm>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

using namespace ServerCatalogue;

class JoinTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void joinStartsTheGroupsGame_data();
    void joinStartsTheGroupsGame();
    void soundsOffJoinIsSilentAndOtherwiseTheSame();
    void passwordEditFeedsTheArguments_data();
    void passwordEditFeedsTheArguments();
    void passwordEditTakesLongTextInClear();
    void unchosenPathStillRunsTheWholeJoin();
    void minimiseTimerMinimisesOnce();
    void reenableTimerEndsTheJoin();
    void secondClickDuringJoinKeepsTheFirstCountdown();

private:
    TForm1 *window() const { return form1(*m_f->launcher); }
    WindowTimer *timer(const char *name) const { return window()->findChild<WindowTimer *>(QLatin1String(name)); }
    void setAllPaths();
    std::unique_ptr<LauncherFixture> m_f;
};

// Each group's game lives in a folder of its own.
static QString gamePath(const char *display)
{
    return QStringLiteral("C:\\Games\\%1\\game.exe").arg(QLatin1String(display));
}

// The arguments each entry's game gets while its password edit, if any, keeps "pw??".
static QString argumentsOf(int number)
{
    static const char *const arguments[] = {
        "-game cstrike +connect %h2:27016",
        "-game cstrike +connect %h2:27015",
        "-game cstrike +connect %h2:27018",
        "-game cstrike +connect %h3:27112",
        "-game cstrike +connect %h3:27101 +password pw??",
        "+connect %h4:28963",
        "+connect %h4:28965 +password pw??",
        "+connect %h5:28971",
        "+connect %h5:28981 +password pw??",
        "+connect %h5:28970",
        "+connect %h5:28980 +password pw??",
        "+gsa_gamespy 1 -cmdfile avp2cmds.txt +gsa 1 +gsa_ip %h6 +gsa_port 27888",
        "%h1:7777",
        "%h1:8778",
    };
    return withGameHosts(QString::fromLatin1(arguments[number - 1]));
}

void JoinTest::init()
{
    m_f = std::make_unique<LauncherFixture>();
    m_f->presetNotFirstRun();
    m_f->make();
    // The rows are tested on their own: the start-up chain stays out of the way.
    timer("Timer6")->setEnabled(false);
    form5(*m_f->launcher)->soundsSwitch()->setChecked(true);
    setAllPaths();
}

void JoinTest::cleanup()
{
    m_f.reset();
}

void JoinTest::setAllPaths()
{
    for (const GameGroup &g : groups()) {
        const char *display = std::find_if(pathRows().begin(), pathRows().end(), [&g](const PathRow &row) {
                                  return row.program == g.group;
                              })->display;
        SettingsPaths::set(*m_f->launcher, QLatin1String(display), gamePath(display));
    }
}

void JoinTest::joinStartsTheGroupsGame_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("cue");
    QTest::addColumn<QString>("display");
    // Every control that carries a join: each tile, clicked where the pointer
    // rests without moving, and each hover twin, reached by moving onto its
    // tile, which lights it.
    QTest::newRow("Image14") << "Image14" << 1 << "tada.wav" << "StaticText1";
    QTest::newRow("Image23") << "Image23" << 1 << "tada.wav" << "StaticText1";
    QTest::newRow("Image15") << "Image15" << 2 << "tada.wav" << "StaticText1";
    QTest::newRow("Image22") << "Image22" << 2 << "tada.wav" << "StaticText1";
    QTest::newRow("Image16") << "Image16" << 3 << "tada.wav" << "StaticText1";
    QTest::newRow("Image24") << "Image24" << 3 << "tada.wav" << "StaticText1";
    QTest::newRow("Image17") << "Image17" << 4 << "tada.wav" << "StaticText1";
    QTest::newRow("Image25") << "Image25" << 4 << "tada.wav" << "StaticText1";
    QTest::newRow("Image18") << "Image18" << 5 << "tada.wav" << "StaticText1";
    QTest::newRow("Image26") << "Image26" << 5 << "tada.wav" << "StaticText1";
    QTest::newRow("Image35") << "Image35" << 6 << "tada2.wav" << "StaticText2";
    QTest::newRow("Image40") << "Image40" << 6 << "tada2.wav" << "StaticText2";
    QTest::newRow("Image36") << "Image36" << 7 << "tada2.wav" << "StaticText2";
    QTest::newRow("Image41") << "Image41" << 7 << "tada2.wav" << "StaticText2";
    QTest::newRow("Image48") << "Image48" << 8 << "tada2.wav" << "StaticText3";
    QTest::newRow("Image50") << "Image50" << 8 << "tada2.wav" << "StaticText3";
    QTest::newRow("Image49 silent") << "Image49" << 9 << "" << "StaticText3";
    QTest::newRow("Image51") << "Image51" << 9 << "tada2.wav" << "StaticText3";
    QTest::newRow("Image38") << "Image38" << 10 << "tada2.wav" << "StaticText4";
    QTest::newRow("Image42") << "Image42" << 10 << "tada2.wav" << "StaticText4";
    QTest::newRow("Image39") << "Image39" << 11 << "tada2.wav" << "StaticText4";
    QTest::newRow("Image43") << "Image43" << 11 << "tada2.wav" << "StaticText4";
    QTest::newRow("Image118") << "Image118" << 12 << "tada3.wav" << "StaticText5";
    QTest::newRow("Image119") << "Image119" << 12 << "tada3.wav" << "StaticText5";
    QTest::newRow("Image146") << "Image146" << 13 << "tada3.wav" << "StaticText7";
    QTest::newRow("Image148") << "Image148" << 13 << "tada3.wav" << "StaticText7";
    QTest::newRow("Image147") << "Image147" << 14 << "tada3.wav" << "StaticText8";
    QTest::newRow("Image149") << "Image149" << 14 << "tada3.wav" << "StaticText8";
}

void JoinTest::joinStartsTheGroupsGame()
{
    QFETCH(QString, control);
    QFETCH(int, number);
    QFETCH(QString, cue);
    QFETCH(QString, display);
    const ServerEntry &e = entry(number);
    const QPoint point = ControlPoints::centre(window(), QLatin1String(e.tile));
    if (control == QLatin1String(e.twin))
        Pointer::moveTo(window(), point);
    QCOMPARE(Pointer::controlAt(window(), point)->objectName(), control);
    Pointer::clickInPlace(window(), point);

    QCOMPARE(m_f->sound->played, cue.isEmpty() ? QStringList() : QStringList{cue});
    QCOMPARE(m_f->sound->modes, cue.isEmpty() ? QStringList() : QStringList{"async"});
    QCOMPARE(m_f->shell->calls.size(), 1);
    const RecordingShell::Call &call = m_f->shell->calls.first();
    QCOMPARE(call.kind, RecordingShell::Program);
    QCOMPARE(call.file, gamePath(qPrintable(display)));
    QCOMPARE(call.directory, QStringLiteral("C:\\Games\\%1\\").arg(display));
    QCOMPARE(call.parameters, argumentsOf(number));

    for (const ServerEntry &other : entries()) {
        QVERIFY2(!window()->findChild<QWidget *>(QLatin1String(other.tile))->isEnabled(), other.tile);
        QVERIFY2(window()->findChild<QWidget *>(QLatin1String(other.twin))->isEnabled(), other.twin);
        QCOMPARE(!window()->findChild<QWidget *>(QLatin1String(other.joiningPanel))->isHidden(),
                 other.number == number);
    }
    QVERIFY(timer("Timer3")->isActive());
    QCOMPARE(timer("Timer3")->interval(), 1800);
    QVERIFY(timer("Timer2")->isActive());
    QCOMPARE(timer("Timer2")->interval(), 7000);
    QVERIFY(m_f->errors->messages.isEmpty());
}

void JoinTest::soundsOffJoinIsSilentAndOtherwiseTheSame()
{
    form5(*m_f->launcher)->soundsSwitch()->setChecked(false);
    Pointer::click(window(), ControlPoints::centre(window(), QStringLiteral("Image146")));
    QVERIFY(m_f->sound->played.isEmpty());
    QCOMPARE(m_f->shell->calls.size(), 1);
    QCOMPARE(m_f->shell->calls.first().parameters, address(entry(13)));
    QVERIFY(!window()->findChild<QWidget *>(QStringLiteral("Panel13"))->isHidden());
    QVERIFY(timer("Timer2")->isActive());
    QVERIFY(timer("Timer3")->isActive());
}

void JoinTest::passwordEditFeedsTheArguments_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("expected");
    QTest::newRow("untouched") << 5 << false << "" << "pw??" << "-game cstrike +connect %h3:27101 +password pw??";
    QTest::newRow("emptied") << 5 << true << "" << "" << "-game cstrike +connect %h3:27101 +password ";
    QTest::newRow("upper case typed") << 7 << true << "SeCrEt 1" << "secret 1" << "+connect %h4:28965 +password secret 1";
    QTest::newRow("typed after the initial text") << 9 << false << "X" << "pw??x" << "+connect %h5:28981 +password pw??x";
    QTest::newRow("entry 11") << 11 << true << "ABC" << "abc" << "+connect %h5:28980 +password abc";
}

void JoinTest::passwordEditFeedsTheArguments()
{
    QFETCH(int, number);
    QFETCH(bool, clear);
    QFETCH(QString, typed);
    QFETCH(QString, password);
    QFETCH(QString, expected);
    const ServerEntry &e = entry(number);
    auto *edit = window()->findChild<QLineEdit *>(QLatin1String(e.passwordEdit));
    QVERIFY(edit);
    QCOMPARE(edit->text(), QStringLiteral("pw??"));
    QCOMPARE(edit->echoMode(), QLineEdit::Normal);
    if (clear) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        edit->end(false);
    }
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), password);

    Pointer::click(window(), ControlPoints::centre(window(), QLatin1String(e.tile)));
    QCOMPARE(m_f->shell->calls.size(), 1);
    const QString arguments = m_f->shell->calls.first().parameters;
    QVERIFY2(arguments.endsWith(QStringLiteral(" +password ") + password), qPrintable(arguments));
    QCOMPARE(arguments, withGameHosts(expected));
    // Nothing of the password goes to a file.
    QVERIFY(m_f->profiles->writes.isEmpty());
}

void JoinTest::passwordEditTakesLongTextInClear()
{
    auto *edit = window()->findChild<QLineEdit *>(QStringLiteral("Edit1"));
    const QString pasted = QString(40000, QLatin1Char('Q'));
    QGuiApplication::clipboard()->setText(pasted);
    edit->selectAll();
    edit->paste();
    QCOMPARE(edit->text(), pasted.toLower());
}

void JoinTest::unchosenPathStillRunsTheWholeJoin()
{
    SettingsPaths::set(*m_f->launcher, QStringLiteral("StaticText1"), QStringLiteral("cesta"));
    SettingsPaths::set(*m_f->launcher, QStringLiteral("StaticText2"), QStringLiteral("codmp.exe"));
    QTest::mouseClick(window()->findChild<QWidget *>(QStringLiteral("Image14")), Qt::LeftButton);
    QTest::mouseClick(window()->findChild<QWidget *>(QStringLiteral("Image41")), Qt::LeftButton);
    QCOMPARE(m_f->shell->calls.size(), 2);
    QCOMPARE(m_f->shell->calls[0].file, QStringLiteral("cesta"));
    QCOMPARE(m_f->shell->calls[0].directory, QString());
    QCOMPARE(m_f->shell->calls[1].file, QStringLiteral("codmp.exe"));
    QCOMPARE(m_f->shell->calls[1].directory, QString());
    QVERIFY(!window()->findChild<QWidget *>(QStringLiteral("Panel1"))->isHidden());
    QVERIFY(timer("Timer3")->isActive());
    QVERIFY(m_f->errors->messages.isEmpty());
}

void JoinTest::minimiseTimerMinimisesOnce()
{
    window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    Pointer::click(window(), ControlPoints::centre(window(), QStringLiteral("Image14")));
    fire(timer("Timer3"));
    QVERIFY(!timer("Timer3")->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(window()->isMinimized(), 1000);
    // The join itself goes on until the re-enable timer.
    QVERIFY(timer("Timer2")->isActive());
    QVERIFY(!window()->findChild<QWidget *>(QStringLiteral("Image15"))->isEnabled());
}

void JoinTest::reenableTimerEndsTheJoin()
{
    // The Unreal Tournament 2004 twin, once lit, stays lit over the other tiles.
    const QPoint ut2004 = ControlPoints::centre(window(), QStringLiteral("Image147"));
    Pointer::moveTo(window(), ut2004);
    Pointer::click(window(), ControlPoints::centre(window(), QStringLiteral("Image14")));
    // Its tile is disabled now, but the twin on it still joins.
    Pointer::click(window(), ut2004);
    QCOMPARE(m_f->shell->calls.size(), 2);
    QVERIFY(!window()->findChild<QWidget *>(QStringLiteral("Panel1"))->isHidden());
    QVERIFY(!window()->findChild<QWidget *>(QStringLiteral("Panel14"))->isHidden());

    fire(timer("Timer2"));
    QVERIFY(!timer("Timer2")->isActive());
    for (const ServerEntry &e : entries()) {
        QVERIFY2(window()->findChild<QWidget *>(QLatin1String(e.tile))->isEnabled(), e.tile);
        QVERIFY2(window()->findChild<QWidget *>(QLatin1String(e.joiningPanel))->isHidden(), e.joiningPanel);
    }
    // The window does not minimise on this timer, and the minimise timer still runs.
    QVERIFY(timer("Timer3")->isActive());
}

void JoinTest::secondClickDuringJoinKeepsTheFirstCountdown()
{
    const QPoint tile = ControlPoints::centre(window(), QStringLiteral("Image18"));
    Pointer::click(window(), tile);
    QCOMPARE(m_f->shell->calls.size(), 1);
    QTest::qWait(30);
    const int minimiseLeft = timer("Timer3")->remainingTime();
    const int reenableLeft = timer("Timer2")->remainingTime();

    // The joined tile is disabled, but its twin still shows and takes a click
    // on the edge that the joining panel leaves free.
    QVERIFY(!window()->findChild<QWidget *>(QStringLiteral("Image26"))->isHidden());
    const QPoint edge(ServerCatalogue::entry(5).tilePlace + QPoint(2, 2));
    QCOMPARE(Pointer::controlAt(window(), edge)->objectName(), QStringLiteral("Image26"));
    Pointer::click(window(), edge);
    QCOMPARE(m_f->shell->calls.size(), 2);
    QCOMPARE(m_f->shell->calls[1].parameters, m_f->shell->calls[0].parameters);
    QVERIFY(timer("Timer3")->remainingTime() <= minimiseLeft);
    QVERIFY(timer("Timer2")->remainingTime() <= reenableLeft);

    // The joining panel itself takes no click.
    const QPoint panel = ControlPoints::centre(window(), QStringLiteral("Panel5"));
    QCOMPARE(Pointer::controlAt(window(), panel)->objectName(), QStringLiteral("Panel5"));
    Pointer::click(window(), panel);
    QCOMPARE(m_f->shell->calls.size(), 2);
}

QTEST_MAIN(JoinTest)
#include "tst_join.moc"
