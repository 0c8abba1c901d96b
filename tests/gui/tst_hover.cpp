#include "ControlPoints.h"
#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "Pointer.h"
#include "VisibilityLog.h"
#include "app/TForm1.h"
#include "config/TForm5.h"
#include "platform/controls/WindowTimer.h"

#include <QCheckBox>
#include <QTest>

namespace {
const QStringList tileTwins = {"Image23", "Image22", "Image24", "Image25", "Image26", "Image40",
                               "Image41", "Image50", "Image51", "Image42", "Image43"};
const QStringList buttonTwins = {"Image19", "Image28", "Image21"};
const QStringList lateTwins = {"Image119", "Image148", "Image149"};
const QStringList iconTwins = {"Image126", "Image128", "Image113", "Image131", "Image117", "Image135", "Image155"};
const QStringList captionTwins = {"closeact", "Image130"};
const QStringList allTwins = captionTwins + tileTwins + buttonTwins + lateTwins + iconTwins;
} // namespace

class HoverTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyTwinStartsHidden();
    void tileToTileMovesTheLight();
    void lateTileTwinsStayLitUntilAResetArea();
    void buttonsLightTheirTwin_data();
    void buttonsLightTheirTwin();
    void resetAreasPutOutTheirTwins_data();
    void resetAreasPutOutTheirTwins();
    void twinsWithoutHandlerSwallowMovement();
    void closeAndMinimiseSoundOncePerHover();
    void hoverCueSitsBetweenShowAndHide_data();
    void hoverCueSitsBetweenShowAndHide();
    void clickCueSilencesTheNextHover();
    void soundsOffLightsTheSameSilently();

private:
    TForm1 *window() const { return form1(*m_f->launcher); }
    QWidget *control(const QString &name) const { return window()->findChild<QWidget *>(name); }
    bool lit(const QString &twin) const;
    QStringList litTwins() const;
    void move(const QString &name);
    void light(const QStringList &twins);
    void sounds(bool on) { form5(*m_f->launcher)->soundsSwitch()->setChecked(on); }
    int clicks() const { return m_f->sound->played.count(QStringLiteral("click.wav")); }
    std::unique_ptr<LauncherFixture> m_f;
};

void HoverTest::init()
{
    m_f = std::make_unique<LauncherFixture>();
    m_f->make();
    window()->findChild<WindowTimer *>(QStringLiteral("Timer6"))->setEnabled(false);
    sounds(true);
    for (const QString &twin : allTwins)
        QVERIFY2(control(twin), qPrintable(twin));
}

void HoverTest::cleanup()
{
    m_f.reset();
}

bool HoverTest::lit(const QString &twin) const
{
    return !control(twin)->isHidden();
}

QStringList HoverTest::litTwins() const
{
    QStringList shown;
    for (const QString &twin : allTwins)
        if (lit(twin))
            shown << twin;
    return shown;
}

// Moves the pointer to a point of the window where it is over 'name'.
void HoverTest::move(const QString &name)
{
    const QPoint at = ControlPoints::on(window(), name);
    QVERIFY2(at.x() >= 0, qPrintable(name));
    Pointer::moveTo(window(), at);
}

void HoverTest::light(const QStringList &twins)
{
    for (const QString &twin : twins)
        control(twin)->show();
}

void HoverTest::everyTwinStartsHidden()
{
    QCOMPARE(litTwins(), QStringList());
    QCOMPARE(window()->latch(), QStringLiteral("0"));
}

void HoverTest::tileToTileMovesTheLight()
{
    const QPoint first = ControlPoints::centre(window(), QStringLiteral("Image14"));
    const QPoint second = ControlPoints::centre(window(), QStringLiteral("Image15"));
    Pointer::moveTo(window(), first);
    QCOMPARE(litTwins(), QStringList{"Image23"});
    Pointer::slide(window(), first, second);
    QCOMPARE(litTwins(), QStringList{"Image22"});
    // Straight from one tile to another, with nothing in between.
    light({"Image19", "Image21"});
    Pointer::moveTo(window(), ControlPoints::centre(window(), QStringLiteral("Image49")));
    QCOMPARE(litTwins(), QStringList{"Image51"});
    QVERIFY(m_f->sound->played.isEmpty());
}

void HoverTest::lateTileTwinsStayLitUntilAResetArea()
{
    light({"closeact", "Image131"});
    window()->setLatch(QStringLiteral("1"));
    move(QStringLiteral("Image146"));
    move(QStringLiteral("Image118"));
    Pointer::moveTo(window(), ControlPoints::centre(window(), QStringLiteral("Image16")));
    QCOMPARE(litTwins(), (QStringList{"closeact", "Image24", "Image119", "Image148", "Image131"}));
    // Tiles leave the latch alone.
    QCOMPARE(window()->latch(), QStringLiteral("1"));
    move(QStringLiteral("Image110"));
    QCOMPARE(litTwins(), QStringList());
}

void HoverTest::buttonsLightTheirTwin_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("twin");
    QTest::addColumn<QStringList>("putOut");
    QTest::newRow("close") << "Image6" << "closeact" << QStringList{"Image130"};
    QTest::newRow("minimise") << "Image4" << "Image130" << QStringList{"closeact"};
    QTest::newRow("chat") << "Image133" << "Image117" << QStringList{};
    QTest::newRow("ban list") << "Image20" << "Image19" << QStringList{};
    QTest::newRow("forum") << "Image27" << "Image28" << QStringList{};
    QTest::newRow("settings") << "Image13" << "Image21" << QStringList{"closeact"};
    QTest::newRow("settings twin") << "Image21" << "Image21" << QStringList{"closeact"};
    QTest::newRow("about") << "Image125" << "Image126" << QStringList{"closeact"};
    QTest::newRow("about twin") << "Image126" << "Image126" << QStringList{"closeact"};
    QTest::newRow("bug report") << "Image127" << "Image128" << QStringList{"closeact"};
    QTest::newRow("bug report twin") << "Image128" << "Image128" << QStringList{"closeact"};
    QTest::newRow("speed test") << "Image112" << "Image113" << QStringList{"Image131", "closeact"};
    QTest::newRow("ventrilo") << "Image132" << "Image131" << QStringList{"Image113", "closeact"};
    QTest::newRow("teamspeak") << "Image134" << "Image135" << QStringList{"closeact"};
    QTest::newRow("update") << "Image156" << "Image155" << QStringList{};
}

void HoverTest::buttonsLightTheirTwin()
{
    QFETCH(QString, area);
    QFETCH(QString, twin);
    QFETCH(QStringList, putOut);
    sounds(false);
    // Everything else lit; the button's own twin lit only when the pointer is to land on it.
    QStringList others = allTwins;
    others.removeAll(twin);
    light(others);
    if (area == twin)
        light({twin});
    move(area);
    QStringList expected = allTwins;
    for (const QString &out : putOut)
        expected.removeAll(out);
    QCOMPARE(litTwins(), expected);
}

void HoverTest::resetAreasPutOutTheirTwins_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("latch");
    QTest::addColumn<QStringList>("stayLit");
    const QStringList none;
    for (const char *area : {"TForm1", "Image111", "Image157", "Image158", "Image160"})
        QTest::newRow(area) << area << "0" << none;
    for (const char *header : {"Image110", "Image44", "Image52", "Image54", "Image116", "Image115", "Image137"})
        QTest::newRow(header) << header << "0" << QStringList{"Image130", "Image155"};
    QTest::newRow("Image29") << "Image29" << "0" << QStringList{"Image130", "Image148", "Image149"};
    for (const char *area : {"Image1", "Image30", "Image153", "Image154", "Label41"})
        QTest::newRow(area) << area << "0" << QStringList{"Image130", "Image148", "Image149", "Image135", "Image155"};
    QStringList framed = allTwins;
    framed.removeAll("closeact");
    framed.removeAll("Image130");
    QTest::newRow("Image9") << "Image9" << "1" << framed;
    QTest::newRow("Image5") << "Image5" << "1" << framed;
    QStringList bottom = allTwins;
    bottom.removeAll("Image149");
    QTest::newRow("Image8") << "Image8" << "1" << bottom;
    QTest::newRow("closeact") << "closeact" << "0" << allTwins;
}

void HoverTest::resetAreasPutOutTheirTwins()
{
    QFETCH(QString, area);
    QFETCH(QString, latch);
    QFETCH(QStringList, stayLit);
    light(allTwins);
    window()->setLatch(QStringLiteral("1"));
    move(area);
    QStringList expected;
    for (const QString &twin : allTwins)
        if (stayLit.contains(twin))
            expected << twin;
    QCOMPARE(litTwins(), expected);
    QCOMPARE(window()->latch(), latch);
    QVERIFY(m_f->sound->played.isEmpty());
}

void HoverTest::twinsWithoutHandlerSwallowMovement()
{
    // Only four twins answer the pointer; over any other nothing changes.
    for (const QString &twin : allTwins) {
        const bool handled = QStringList{"Image21", "Image126", "Image128", "closeact"}.contains(twin);
        light(allTwins);
        window()->setLatch(QStringLiteral("1"));
        move(twin);
        const bool changed = litTwins() != allTwins || window()->latch() != QStringLiteral("1");
        QVERIFY2(changed == handled, qPrintable(twin));
    }
    for (const QString &twin : allTwins)
        control(twin)->hide();
    // A lit tile twin under the pointer changes nothing, even when a header
    // bar or the bare window lies just beside it.
    light({"Image148", "Image130"});
    move(QStringLiteral("Image14"));
    move(QStringLiteral("Image23"));
    move(QStringLiteral("Image9"));
    QCOMPARE(litTwins(), (QStringList{"Image23", "Image148"}));
}

void HoverTest::closeAndMinimiseSoundOncePerHover()
{
    const QPoint close = ControlPoints::centre(window(), QStringLiteral("Image6"));
    const QPoint minimise = ControlPoints::centre(window(), QStringLiteral("Image4"));
    move(QStringLiteral("TForm1"));
    Pointer::moveTo(window(), close);
    QCOMPARE(clicks(), 1);
    QVERIFY(lit(QStringLiteral("closeact")));
    // Staying on the close button sounds nothing more.
    Pointer::moveTo(window(), close + QPoint(1, 1));
    Pointer::moveTo(window(), close);
    QCOMPARE(clicks(), 1);
    // Close straight to minimise: the close twin has re-armed the latch.
    Pointer::slide(window(), close, minimise);
    QCOMPARE(clicks(), 2);
    QCOMPARE(litTwins(), QStringList{"Image130"});
    // Minimise straight back to close: no reset area crossed.
    Pointer::slide(window(), minimise, close);
    QCOMPARE(clicks(), 2);
    QCOMPARE(litTwins(), QStringList{"closeact"});
    // Out onto the bare window and back.
    move(QStringLiteral("TForm1"));
    Pointer::moveTo(window(), close);
    QCOMPARE(clicks(), 3);
    QCOMPARE(m_f->sound->modes.last(), QStringLiteral("async"));
}

void HoverTest::hoverCueSitsBetweenShowAndHide_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QStringList>("litBefore");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("close") << "Image6" << QStringList{"Image130"}
                           << QStringList{"show closeact", "sound click.wav async", "hide Image130"};
    QTest::newRow("minimise") << "Image4" << QStringList{"closeact"}
                              << QStringList{"hide closeact", "show Image130", "sound click.wav async"};
    QTest::newRow("chat") << "Image133" << QStringList{} << QStringList{"sound click.wav async", "show Image117"};
    QTest::newRow("ban list") << "Image20" << QStringList{} << QStringList{"sound click.wav async", "show Image19"};
    QTest::newRow("forum") << "Image27" << QStringList{} << QStringList{"sound click.wav async", "show Image28"};
}

void HoverTest::hoverCueSitsBetweenShowAndHide()
{
    QFETCH(QString, area);
    QFETCH(QStringList, litBefore);
    QFETCH(QStringList, events);
    light(litBefore);
    VisibilityLog visibility(&m_f->log);
    for (const QString &twin : allTwins)
        visibility.watch(control(twin));
    m_f->log.events.clear();
    const QPoint at = ControlPoints::on(window(), area);
    Pointer::moveTo(window(), at);
    QCOMPARE(m_f->log.events, events);
    QCOMPARE(window()->latch(), QStringLiteral("1"));
}

void HoverTest::clickCueSilencesTheNextHover()
{
    // The minimise click plays its cue and sets the latch.
    Pointer::click(window(), ControlPoints::centre(window(), QStringLiteral("Image4")));
    QCOMPARE(m_f->sound->played, (QStringList{"click.wav", "press.wav"}));
    QCOMPARE(window()->latch(), QStringLiteral("1"));
    move(QStringLiteral("Image20"));
    QCOMPARE(clicks(), 1);
    QVERIFY(lit(QStringLiteral("Image19")));
    // The frame strip puts the minimise twin out but does not re-arm.
    move(QStringLiteral("Image9"));
    move(QStringLiteral("Image27"));
    QCOMPARE(clicks(), 1);
    move(QStringLiteral("Image116"));
    move(QStringLiteral("Image27"));
    QCOMPARE(clicks(), 2);
}

void HoverTest::soundsOffLightsTheSameSilently()
{
    sounds(false);
    move(QStringLiteral("Image6"));
    QCOMPARE(litTwins(), QStringList{"closeact"});
    QCOMPARE(window()->latch(), QStringLiteral("0"));
    Pointer::slide(window(), ControlPoints::centre(window(), QStringLiteral("Image6")),
                   ControlPoints::centre(window(), QStringLiteral("Image4")));
    QCOMPARE(litTwins(), QStringList{"Image130"});
    move(QStringLiteral("Image133"));
    move(QStringLiteral("Image27"));
    QCOMPARE(litTwins(), (QStringList{"Image130", "Image28", "Image117"}));
    QCOMPARE(window()->latch(), QStringLiteral("0"));
    // The latch keeps whatever it holds.
    window()->setLatch(QStringLiteral("1"));
    move(QStringLiteral("Image20"));
    QCOMPARE(window()->latch(), QStringLiteral("1"));
    move(QStringLiteral("TForm1"));
    QCOMPARE(litTwins(), QStringList());
    QVERIFY(m_f->sound->played.isEmpty());
}

QTEST_MAIN(HoverTest)
#include "tst_hover.moc"
