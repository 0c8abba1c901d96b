#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "app/TForm1.h"
#include "config/TForm5.h"
#include "platform/controls/PictureControl.h"
#include "servers/ServerCatalogue.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QSet>
#include <QTest>

// What a screen reader is told of the controls that show only pictures.
class AccessibilityTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tilesAreToldApart();
    void everyClickablePictureIsNamed_data();
    void everyClickablePictureIsNamed();
    void hintsAreTheNames();
    void settingsButtonsNameTheirProgram();

private:
    static QString said(QWidget *control, QAccessible::Text what);
    QWidget *window(const QString &which) const;
    std::unique_ptr<LauncherFixture> m_f;
};

QString AccessibilityTest::said(QWidget *control, QAccessible::Text what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(what) : QString();
}

QWidget *AccessibilityTest::window(const QString &which) const
{
    if (which == QLatin1String("TForm5"))
        return form5(*m_f->launcher);
    return form1(*m_f->launcher);
}

void AccessibilityTest::init()
{
    m_f = std::make_unique<LauncherFixture>();
    m_f->make();
}

void AccessibilityTest::cleanup()
{
    m_f.reset();
}

void AccessibilityTest::tilesAreToldApart()
{
    TForm1 *main = form1(*m_f->launcher);
    QSet<QString> names;
    for (const ServerCatalogue::ServerEntry &e : ServerCatalogue::entries()) {
        QWidget *tile = main->findChild<QWidget *>(QLatin1String(e.tile));
        const QString name = said(tile, QAccessible::Name);
        QVERIFY2(name.contains(QString::fromUtf8(e.caption)), qPrintable(name));
        QVERIFY2(!said(tile, QAccessible::Description).isEmpty(), e.tile);
        // The twin that takes the click under the pointer says the same.
        QCOMPARE(said(main->findChild<QWidget *>(QLatin1String(e.twin)), QAccessible::Name), name);
        // The address toggle of the row is named after the same server, but not like the tile.
        const QString toggle = said(main->findChild<QWidget *>(QLatin1String(e.toggle)), QAccessible::Name);
        QVERIFY2(toggle.contains(QString::fromUtf8(e.caption)) && toggle != name, qPrintable(toggle));
        names.insert(name);
    }
    QCOMPARE(names.size(), int(ServerCatalogue::entries().size()));
}

void AccessibilityTest::everyClickablePictureIsNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "TForm1";
    QTest::newRow("settings window") << "TForm5";
}

// A picture with the hand pointer is something to click: a screen reader must
// be able to say what it is and what it does.
void AccessibilityTest::everyClickablePictureIsNamed()
{
    QFETCH(QString, window);
    int pictures = 0;
    for (PictureControl *picture : this->window(window)->findChildren<PictureControl *>()) {
        if (picture->cursor().shape() != Qt::PointingHandCursor)
            continue;
        ++pictures;
        QVERIFY2(!said(picture, QAccessible::Name).isEmpty(), qPrintable(picture->objectName()));
        QVERIFY2(!said(picture, QAccessible::Description).isEmpty(), qPrintable(picture->objectName()));
    }
    QVERIFY(pictures >= 2);
    // The switches have no caption of their own.
    for (QAbstractButton *box : this->window(window)->findChildren<QAbstractButton *>())
        QVERIFY2(!said(box, QAccessible::Name).isEmpty(), qPrintable(box->objectName()));
}

void AccessibilityTest::hintsAreTheNames()
{
    for (const QString &which : {QStringLiteral("TForm1"), QStringLiteral("TForm5")}) {
        for (PictureControl *picture : window(which)->findChildren<PictureControl *>()) {
            if (!picture->toolTip().isEmpty())
                QCOMPARE(said(picture, QAccessible::Name), picture->toolTip());
        }
    }
}

void AccessibilityTest::settingsButtonsNameTheirProgram()
{
    TForm5 *settings = form5(*m_f->launcher);
    QSet<QString> names;
    for (int n = 1; n <= 9; ++n)
        names.insert(said(settings->findChild<QWidget *>(QStringLiteral("Button%1").arg(n)), QAccessible::Name));
    QCOMPARE(names.size(), 9);
    QVERIFY(said(settings->findChild<QWidget *>(QStringLiteral("Button6")), QAccessible::Name)
                .endsWith(QLatin1String("Ventrilo")));
    QCOMPARE(said(settings->findChild<QWidget *>(QStringLiteral("CheckBox1")), QAccessible::Name),
             QStringLiteral("Zvuky / Sounds"));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
