#include "AnsweredGames.h"
#include "FireTimer.h"
#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "app/TForm1.h"
#include "app/TForm17.h"
#include "app/TForm18.h"
#include "app/TForm2.h"
#include "config/TForm5.h"
#include "platform/controls/TextLabel.h"
#include "platform/system/ApplicationFonts.h"
#include "ModalWindow.h"
#include "servers/FriendsForm.h"
#include "servers/JoinPromptForm.h"
#include "web/TForm11.h"
#include "web/TForm12.h"
#include "web/TForm13.h"
#include "web/TForm7.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QCoreApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

// With the fonts the program loads, every text of every window fits its
// control at the control's designed size.
class TextFitTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void windowsUseTheLoadedFonts_data();
    void windowsUseTheLoadedFonts();
    void everyTextFitsItsControl();
    void liveServerTextsFit_data();
    void liveServerTextsFit();
    void joinQuestionFits_data();
    void joinQuestionFits();
    void boldIsDrawnWhereTheFaceHasNone_data();
    void boldIsDrawnWhereTheFaceHasNone();

private:
    QList<QWidget *> windows(Launcher &l) const;
};

namespace {

// Texts wider than their control even in the designed font, with the reason
// each is accepted. A listed text that fits again fails the test, so the list
// stays true.
struct KnownMisfit {
    QString control; // "window control"
    const char *reason;
};
const std::vector<KnownMisfit> knownMisfits = {};

struct Need {
    int needed = 0;
    int available = 0;
};

// How wide the control's text is drawn, and how much room its control gives
// it; false for a control without text.
bool measure(QWidget *w, Need &need)
{
    w->ensurePolished();
    const QFontMetrics fm = w->fontMetrics();
    const QStyle *style = w->style();
    if (auto *label = qobject_cast<TextLabel *>(w)) {
        need = {label->sizeHint().width(), label->width()};
        return !label->text().isEmpty() && !label->wordWrap();
    }
    if (auto *box = qobject_cast<QCheckBox *>(w)) {
        need = {style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box)
                    + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box)
                    + fm.horizontalAdvance(box->text()),
                box->width()};
        return !box->text().isEmpty();
    }
    if (auto *button = qobject_cast<QPushButton *>(w)) {
        need = {fm.horizontalAdvance(button->text()) + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button),
                button->width()};
        return !button->text().isEmpty();
    }
    if (auto *group = qobject_cast<QGroupBox *>(w)) {
        need = {fm.horizontalAdvance(group->title()) + 16, group->width()}; // the title starts 8 px in
        return !group->title().isEmpty();
    }
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        need = {fm.horizontalAdvance(edit->text()) + 4, edit->width()};
        return !edit->text().isEmpty();
    }
    return false;
}

} // namespace

QList<QWidget *> TextFitTest::windows(Launcher &l) const
{
    return {form1(l), form2(l), form5(l), form6(l), form7(l), form8(l), form9(l), form10(l),
            form11(l), form12(l), form13(l), form15(l), form17(l), form18(l),
            launcherWindow<JoinPromptForm>(l, "JoinPrompt"), launcherWindow<FriendsForm>(l, "FriendsWindow")};
}

void TextFitTest::initTestCase()
{
    QCOMPARE(ApplicationFonts::load(QCoreApplication::applicationDirPath()).size(),
             ApplicationFonts::fileNames().size());
}

void TextFitTest::windowsUseTheLoadedFonts_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("family");
    QTest::newRow("main window") << "TForm1" << "MS Sans Serif";
    QTest::newRow("progress window") << "TForm17" << "Tahoma";
    QTest::newRow("new-version dialog") << "TForm11" << "Tahoma";
    QTest::newRow("no-update dialog") << "TForm12" << "Tahoma";
    QTest::newRow("update-server error dialog") << "TForm13" << "Tahoma";
}

void TextFitTest::windowsUseTheLoadedFonts()
{
    QFETCH(QString, window);
    QFETCH(QString, family);
    LauncherFixture f;
    for (QWidget *w : windows(f.make())) {
        if (w->objectName() == window) {
            QCOMPARE(QFontInfo(w->font()).family(), family);
            QCOMPARE(w->font().pointSize(), 8);
            return;
        }
    }
    QFAIL("no such window");
}

void TextFitTest::everyTextFitsItsControl()
{
    LauncherFixture f;
    QStringList misfits, listed;
    for (const KnownMisfit &known : knownMisfits)
        listed << known.control;
    for (QWidget *window : windows(f.make())) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            Need need;
            if (!measure(control, need))
                continue;
            const QString name = window->objectName() + QLatin1Char(' ') + control->objectName();
            const bool fits = need.needed <= need.available;
            if (listed.removeOne(name) == fits)
                misfits << QStringLiteral("%1 (%2): text %3 px, control %4 px%5")
                               .arg(name, QFontInfo(control->font()).family())
                               .arg(need.needed)
                               .arg(need.available)
                               .arg(fits ? QStringLiteral(", yet listed as a known misfit") : QString());
        }
    }
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
    QVERIFY2(listed.isEmpty(), qPrintable(listed.join(QLatin1Char(' '))));
}

void TextFitTest::liveServerTextsFit_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("czech") << false;
    QTest::newRow("english") << true;
}

// The lamps' counts and the card, in every state a server can be in, with
// the widest counts and the longest "last seen" (another day's). Texts the
// servers send are cut to their line.
void TextFitTest::liveServerTextsFit()
{
    QFETCH(bool, english);
    LauncherFixture f;
    f.presetQuietStart();
    f.start();
    QWidget *main = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        main = w->objectName() == QLatin1String("TForm1") ? w : main;
    QVERIFY(main);
    if (english)
        QTest::mouseClick(main->findChild<QWidget *>(QStringLiteral("Image3")), Qt::LeftButton);
    QStringList players;
    for (int i = 0; i < 88; ++i)
        players << QString(30, QLatin1Char('W')) + QString::number(i);
    const FakeServer widest{QString(80, QLatin1Char('W')), QString(40, QLatin1Char('W')), players, 88, 0, true};
    AnsweredGames games(f);
    QStringList misfits;
    auto check = [&](const char *phase) {
        QWidget *tile = main->findChild<QWidget *>(QStringLiteral("Image39"));
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), tile->mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(tile, &enter);
        for (QWidget *control : main->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^Live")))) {
            Need need;
            if (measure(control, need) && need.needed > need.available)
                misfits << QStringLiteral("%1 %2: text %3 px, control %4 px")
                               .arg(QLatin1String(phase), control->objectName())
                               .arg(need.needed)
                               .arg(need.available);
        }
    };
    check("asking");
    games.answer(widest);
    check("online");
    f.queryClock->advance(24 * 3600 * 1000);
    fire(main->findChild<QTimer *>(QStringLiteral("LiveRefresh")));
    games.silence();
    check("offline");
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
}

void TextFitTest::joinQuestionFits_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("verdict");
    QTest::newRow("czech, full") << false << int(JoinDecision::AskFull);
    QTest::newRow("czech, silent") << false << int(JoinDecision::AskSilent);
    QTest::newRow("english, full") << true << int(JoinDecision::AskFull);
    QTest::newRow("english, silent") << true << int(JoinDecision::AskSilent);
}

// The question's texts come when it is asked, with the longest server line.
void TextFitTest::joinQuestionFits()
{
    QFETCH(bool, english);
    QFETCH(int, verdict);
    LauncherFixture f;
    f.presetQuietStart();
    auto *prompt = launcherWindow<JoinPromptForm>(f.start(), "JoinPrompt");
    QStringList misfits;
    ModalWindow::whenUp(prompt, [prompt, &misfits] {
        for (QWidget *control : prompt->findChildren<QWidget *>()) {
            Need need;
            if (measure(control, need) && need.needed > need.available)
                misfits << QStringLiteral("%1: text %2 px, control %3 px")
                               .arg(control->objectName())
                               .arg(need.needed)
                               .arg(need.available);
        }
        prompt->close();
    });
    prompt->ask(JoinDecision::Verdict(verdict), QStringLiteral("CoD Hurtgen rifle only: 88/88"), english);
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
}

void TextFitTest::boldIsDrawnWhereTheFaceHasNone_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("drawing");
    QTest::addColumn<int>("widening"); // pixels the bold caption is wider than the regular one
    using B = ApplicationFonts::Bold;
    const QString caption = QStringLiteral("Call Of Duty 2 - 1.0");
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << false << int(B::Face) << 0;
    QTest::newRow("MS Sans Serif bold") << "MS Sans Serif" << true << int(B::OverstrikeWidened)
                                        << int(caption.size()) + 1;
    QTest::newRow("Tahoma bold") << "Tahoma" << true << int(B::Overstrike) << -1;
    QTest::newRow("a face with bold strokes") << "DejaVu Sans" << true << int(B::Face) << -1;
}

void TextFitTest::boldIsDrawnWhereTheFaceHasNone()
{
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(int, drawing);
    QFETCH(int, widening);
    QFont font(family, 8);
    font.setBold(bold);
    QCOMPARE(int(ApplicationFonts::bold(font)), drawing);

    auto inkOf = [&](bool heavy, int *width) {
        TextLabel label;
        label.setStyleSheet(QStringLiteral("background: white; color: black;"));
        QFont f = font;
        f.setBold(heavy);
        label.setFont(f);
        label.setCaption(QStringLiteral("Call Of Duty 2 - 1.0"));
        label.resize(label.sizeHint());
        *width = label.sizeHint().width();
        const QImage image = label.grab().toImage();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += qGray(image.pixel(x, y)) < 128;
        return ink;
    };
    int regularWidth = 0, boldWidth = 0;
    const int regular = inkOf(false, &regularWidth);
    const int heavy = inkOf(bold, &boldWidth);
    if (bold)
        QVERIFY2(heavy > regular * 5 / 4, qPrintable(QStringLiteral("%1 / %2").arg(heavy).arg(regular)));
    if (widening >= 0)
        QCOMPARE(boldWidth - regularWidth, widening);
}

QTEST_MAIN(TextFitTest)
#include "tst_textfit.moc"
