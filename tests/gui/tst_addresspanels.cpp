#include "ControlPoints.h"
#include "FireTimer.h"
#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "Pointer.h"
#include "app/TForm1.h"
#include "config/TForm5.h"
#include "platform/controls/WindowTimer.h"
#include "servers/ServerCatalogue.h"
#include "web/CommunityUrls.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

using namespace ServerCatalogue;

class AddressPanelsTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void togglePlaceOpensAndCloses_data();
    void togglePlaceOpensAndCloses();
    void closePictureCloses();
    void panelsAreIndependentAndSilentWithSoundsOff();
    void openPanelCoversTheTile();
    void openPanelCoversAJoinWithoutStoppingIt();
    void addressEditSelectsAndCopiesButTakesNoTyping();
    void addressStaysLegible();
    void label31ShowsTheStatusPageEvenWithSoundsOff();
    void otherNameLabelsDoNothing();

private:
    TForm1 *window() const { return form1(*m_f->launcher); }
    QWidget *control(const char *name) const { return window()->findChild<QWidget *>(QLatin1String(name)); }
    bool open(const ServerEntry &e) const;
    QPoint togglePoint(const ServerEntry &e) const { return QRect(e.togglePlace, toggleSize).center(); }
    QPoint closePoint(const ServerEntry &e) const;
    std::unique_ptr<LauncherFixture> m_f;
};

void AddressPanelsTest::init()
{
    m_f = std::make_unique<LauncherFixture>();
    m_f->make();
    window()->findChild<WindowTimer *>(QStringLiteral("Timer6"))->setEnabled(false);
    form5(*m_f->launcher)->soundsSwitch()->setChecked(true);
}

void AddressPanelsTest::cleanup()
{
    m_f.reset();
}

bool AddressPanelsTest::open(const ServerEntry &e) const
{
    const bool panel = !control(e.addressPanel)->isHidden();
    const bool twin = !control(e.openTwin)->isHidden();
    return panel && twin;
}

QPoint AddressPanelsTest::closePoint(const ServerEntry &e) const
{
    // The part of the close picture that the panel leaves visible.
    return e.addressPanelRect.topLeft() + QPoint(194, 10);
}

void AddressPanelsTest::togglePlaceOpensAndCloses_data()
{
    QTest::addColumn<int>("number");
    for (const ServerEntry &e : entries())
        QTest::newRow(e.addressPanel) << e.number;
}

void AddressPanelsTest::togglePlaceOpensAndCloses()
{
    QFETCH(int, number);
    const ServerEntry &e = entry(number);
    QVERIFY(!open(e));
    Pointer::click(window(), togglePoint(e));
    QVERIFY(open(e));
    QCOMPARE(control(e.addressPanel)->geometry(), e.addressPanelRect);
    auto *edit = window()->findChild<QLineEdit *>(QLatin1String(e.addressEdit));
    QCOMPARE(edit->parentWidget(), control(e.addressPanel));
    QCOMPARE(edit->text(), address(e));
    QCOMPARE(m_f->sound->played, QStringList{"press.wav"});
    // These cues leave the hover latch alone.
    QCOMPARE(window()->latch(), QStringLiteral("0"));

    Pointer::click(window(), togglePoint(e));
    QVERIFY(!open(e));
    QCOMPARE(m_f->sound->played, (QStringList{"press.wav", "press.wav"}));
    QCOMPARE(m_f->sound->modes, (QStringList{"async", "async"}));
}

void AddressPanelsTest::closePictureCloses()
{
    for (const ServerEntry &e : entries()) {
        Pointer::click(window(), togglePoint(e));
        QCOMPARE(Pointer::controlAt(window(), closePoint(e))->objectName(), QLatin1String(e.closePicture));
        Pointer::click(window(), closePoint(e));
        QVERIFY2(!open(e), e.addressPanel);
        // And the toggle opens it again.
        Pointer::click(window(), togglePoint(e));
        QVERIFY2(open(e), e.addressPanel);
    }
    QCOMPARE(m_f->sound->played.size(), 3 * int(entries().size()));
}

void AddressPanelsTest::panelsAreIndependentAndSilentWithSoundsOff()
{
    form5(*m_f->launcher)->soundsSwitch()->setChecked(false);
    Pointer::click(window(), togglePoint(entry(1)));
    Pointer::click(window(), togglePoint(entry(12)));
    Pointer::click(window(), togglePoint(entries().back()));
    Pointer::click(window(), closePoint(entry(12)));
    QVERIFY(open(entry(1)));
    QVERIFY(!open(entry(12)));
    QVERIFY(open(entries().back()));
    QVERIFY(m_f->sound->played.isEmpty());
}

void AddressPanelsTest::openPanelCoversTheTile()
{
    const ServerEntry &e = entry(2);
    const QPoint tile = QRect(e.tilePlace, tileSize).center();
    Pointer::click(window(), togglePoint(e));
    Pointer::click(window(), tile);
    Pointer::click(window(), tile + QPoint(-40, 5));
    QVERIFY(m_f->shell->calls.isEmpty());
    QVERIFY(control(e.twin)->isHidden());
    Pointer::click(window(), togglePoint(e));
    Pointer::click(window(), tile);
    QCOMPARE(m_f->shell->calls.size(), 1);
}

void AddressPanelsTest::openPanelCoversAJoinWithoutStoppingIt()
{
    const ServerEntry &e = entry(8);
    Pointer::click(window(), QRect(e.tilePlace, tileSize).center());
    Pointer::click(window(), togglePoint(e));
    const QPoint joining = e.joiningPanelRect.center();
    QCOMPARE(Pointer::controlAt(window(), joining)->parentWidget(), control(e.addressPanel));
    QVERIFY(!control(e.joiningPanel)->isHidden());
    QVERIFY(window()->findChild<WindowTimer *>(QStringLiteral("Timer2"))->isActive());
    fire(window()->findChild<WindowTimer *>(QStringLiteral("Timer2")));
    QVERIFY(control(e.joiningPanel)->isHidden());
    QVERIFY(open(e));
}

void AddressPanelsTest::addressEditSelectsAndCopiesButTakesNoTyping()
{
    window()->show();
    QVERIFY(QTest::qWaitForWindowActive(window()));
    const ServerEntry &e = entry(5);
    Pointer::click(window(), togglePoint(e));
    auto *edit = window()->findChild<QLineEdit *>(QLatin1String(e.addressEdit));
    QVERIFY(edit->isReadOnly());
    edit->setFocus(Qt::MouseFocusReason);
    QVERIFY(edit->hasFocus());
    QTest::keyClicks(edit, QStringLiteral("xyz"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), address(e));

    edit->selectAll();
    edit->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), address(e));
    // Focus moves on to the password edit: the selection stays.
    auto *password = window()->findChild<QLineEdit *>(QStringLiteral("Edit1"));
    password->setFocus(Qt::TabFocusReason);
    QVERIFY(password->hasFocus());
    QCOMPARE(edit->selectedText(), address(e));
}

void AddressPanelsTest::addressStaysLegible()
{
    for (const ServerEntry &e : entries()) {
        auto *edit = window()->findChild<QLineEdit *>(QLatin1String(e.addressEdit));
        edit->ensurePolished();
        const QFontMetrics metrics(edit->font());
        QVERIFY2(metrics.height() >= 10 && metrics.height() <= 18, e.addressEdit);
        QCOMPARE(edit->size(), QSize(153, 18));
    }
}

void AddressPanelsTest::label31ShowsTheStatusPageEvenWithSoundsOff()
{
    form5(*m_f->launcher)->soundsSwitch()->setChecked(false);
    auto *status = window()->findChild<RecordingBrowser *>(QStringLiteral("WebBrowser1"));
    QVERIFY2(status, "the status browser");
    status->urls.clear();
    const QPoint label = ControlPoints::on(window(), QStringLiteral("Label31"));
    Pointer::click(window(), label);
    QCOMPARE(m_f->sound->played, QStringList{"click.wav"});
    QCOMPARE(m_f->sound->modes, QStringList{"async"});
    QCOMPARE(status->urls, QStringList{CommunityUrls::statusOfServer(11)});
    QCOMPARE(window()->latch(), QStringLiteral("0"));
}

void AddressPanelsTest::otherNameLabelsDoNothing()
{
    m_f->log.events.clear();
    for (const ServerEntry &e : entries()) {
        if (e.number == 11)
            continue;
        const QPoint label = ControlPoints::on(window(), QLatin1String(e.nameLabel));
        QVERIFY2(label.x() >= 0, e.nameLabel);
        Pointer::click(window(), label);
    }
    QCOMPARE(m_f->log.events, QStringList());
}

QTEST_MAIN(AddressPanelsTest)
#include "tst_addresspanels.moc"
