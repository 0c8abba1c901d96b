#include "TForm5.h"

#include "LocalFiles.h"
#include "SettingsControls.h"
#include "SettingsRows.h"
#include "app/ChromeTransparency.h"
#include "app/Launcher.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "platform/HandlerGuard.h"
#include "platform/TextLabel.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

TForm5::TForm5(Launcher &launcher)
    : Form({"TForm5", "OVCL - Nastavení", {clientWidth, clientHeight}, {-1, -1}, Form::toolWindow()},
           &launcher.errors(), &launcher.browsers()),
      m_launcher(launcher)
{
    setFixedSize(clientWidth, clientHeight);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    setPalette(black);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    controls().build(settingsControls());

    for (const PathRow &row : pathRows()) {
        TextLabel *display = pathDisplay(row);
        QPalette white = display->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        display->setPalette(white);
        display->setFixedSize(display->size());
        m_dialogFiles.insert(QLatin1String(row.dialog), display->caption());
        connect(control<QPushButton>(QLatin1String(row.button)), &QPushButton::clicked, this,
                [this, &row] { runGuarded(&m_launcher.errors(), [this, &row] { pick(row); }); });
    }

    ControlEvents &events = controls().events();
    events.onClick(QStringLiteral("Image1"), [this] { Image1Click(); });
    events.onClick(QStringLiteral("Image3"), [this] { Image1Click(); });
    events.onMove(QStringLiteral("Image1"), [this] { Image1MouseMove(); });
    events.onMove(QStringLiteral("Label5"), [this] { Label5MouseMove(); });
    events.onMove(QStringLiteral("Label6"), [this] { Label5MouseMove(); });
}

QCheckBox *TForm5::soundsSwitch() const
{
    return control<QCheckBox>(QStringLiteral("CheckBox1"));
}

QCheckBox *TForm5::transparencySwitch() const
{
    return control<QCheckBox>(QStringLiteral("CheckBox2"));
}

TextLabel *TForm5::pathDisplay(const PathRow &row) const
{
    return control<TextLabel>(QLatin1String(row.display));
}

TextLabel *TForm5::pathDisplay(const QString &key) const
{
    const PathRow *row = pathRowForKey(key);
    return row ? pathDisplay(*row) : nullptr;
}

QString TForm5::path(const QString &key) const
{
    const TextLabel *display = pathDisplay(key);
    return display ? display->caption() : QString();
}

QString TForm5::path(const ProfileKey &key) const
{
    return path(QLatin1String(key.key));
}

QString TForm5::dialogInitialFile(const QString &dialog) const
{
    return m_dialogFiles.value(dialog);
}

void TForm5::setDialogInitialFile(const QString &dialog, const QString &file)
{
    m_dialogFiles.insert(dialog, file);
}

void TForm5::centreOnMainWindow()
{
    // Before its first showing the main window has not been placed yet; it
    // will come up centred on the desktop.
    const TForm1 *main = m_launcher.form1();
    QPoint centre;
    if (main->testAttribute(Qt::WA_Moved))
        centre = main->geometry().center();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        centre = screen->availableGeometry().center();
    QRect frame(QPoint(), size());
    frame.moveCenter(centre);
    move(frame.topLeft());
}

void TForm5::showModalSettings()
{
    if (isVisible())
        return;
    centreOnMainWindow();
    showModal();
}

void TForm5::pick(const PathRow &row)
{
    TextLabel *display = pathDisplay(row);
    const QString dialog = QLatin1String(row.dialog);
    setDialogInitialFile(dialog, display->caption());
    // The dialog is titled with the program the row names.
    const QString chosen = m_launcher.fileDialogs().openFile(QString::fromUtf8(row.label), dialogInitialFile(dialog),
                                                             QString::fromUtf8(row.filter));
    if (chosen.isEmpty())
        return;
    setDialogInitialFile(dialog, chosen);
    display->setCaption(chosen);
}

void TForm5::Image1Click()
{
    const QString sounds = LocalFiles::switchValue(soundsSwitch()->isChecked());
    const bool transparent = transparencySwitch()->isChecked();
    applyTransparency(m_launcher, transparent);

    // A failed write ends the save here, with the window still open.
    LocalFiles &files = m_launcher.files();
    for (const PathRow *row : pathRowsInStoreOrder())
        files.write(*row->key, pathDisplay(*row)->caption());
    files.write(LocalFiles::soundsEnabled, sounds);
    files.write(LocalFiles::transparencyEnabled, LocalFiles::switchValue(transparent));
    files.write(LocalFiles::first, LocalFiles::flag(false));

    m_launcher.cues().play(Cue::press);
    close();
}

void TForm5::Image1MouseMove()
{
    control(QStringLiteral("Image3"))->show();
}

void TForm5::Label5MouseMove()
{
    control(QStringLiteral("Image3"))->hide();
}
