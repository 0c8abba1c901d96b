#include "TForm5.h"

#include "LocalFiles.h"
#include "SettingsControls.h"
#include "SettingsRows.h"
#include "app/Cue.h"
#include "games/GameSearch.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"
#include "platform/system/FileDialogService.h"
#include "platform/system/SoundService.h"
#include "platform/windows/Transparency.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

const WindowFrame TForm5::frame = {.name = "TForm5", .caption = "OVCL - Nastavení", .client = {306, 579},
                                   .position = {-1, -1}, .flags = Form::toolWindow(), .fixedSize = true,
                                   .background = Qt::black, .text = Qt::white};

TForm5::TForm5(ErrorReporter &errors, BrowserFactory &browsers, FileDialogService &fileDialogs, SoundService &sound,
               LocalFiles &files, Transparency &transparency, const QWidget &mainWindow, GameSearch &games)
    : Form(frame, errors, browsers),
      m_fileDialogs(fileDialogs),
      m_sound(sound),
      m_files(files),
      m_transparency(transparency),
      m_mainWindow(mainWindow),
      m_games(games)
{
    ControlHost &host = controls();
    host.build(settingsControls());
    m_soundsBox = host.get<QCheckBox>("CheckBox1");
    m_transparencyBox = host.get<QCheckBox>("CheckBox2");
    m_czechHeading = host.get("Label2");
    m_englishHeading = host.get("Label4");
    for (const PathRow &row : pathRows()) {
        TextLabel *shown = host.get<TextLabel>(row.display);
        QPalette white = shown->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        shown->setPalette(white);
        shown->setFixedSize(shown->size());
        m_displays[row.program] = shown;
        m_dialogFiles[row.program] = shown->caption();
        host.onClick(host.get<QPushButton>(row.button), [this, &row] { pick(row); });
    }

    const PictureButton save = host.build(saveButton);
    m_saveHover = save.twin;
    host.onClick(save, [this] { Image1Click(); });
    host.events().onMove(save.picture, [this] { Image1MouseMove(); });
    for (const char *surround : {"Label5", "Label6"})
        host.events().onMove(host.get(surround), [this] { Label5MouseMove(); });
    host.describe(settingsTexts());
}

bool TForm5::soundsOn() const
{
    return m_soundsBox->isChecked();
}

TextLabel *TForm5::display(const PathRow &row) const
{
    return m_displays.at(row.program);
}

QString TForm5::programPath(Program program) const
{
    return m_displays.at(program)->caption();
}

void TForm5::setPath(const PathRow &row, const QString &path)
{
    display(row)->setCaption(path);
}

QString TForm5::dialogInitialFile(const PathRow &row) const
{
    return m_dialogFiles.at(row.program);
}

void TForm5::setDialogInitialFile(const PathRow &row, const QString &file)
{
    m_dialogFiles[row.program] = file;
}

void TForm5::showHeading(bool english)
{
    m_englishHeading->setVisible(english);
    m_czechHeading->setVisible(!english);
}

// Before its first showing the main window has not been placed yet; it will
// come up centred on the desktop.
void TForm5::centreOnMainWindow()
{
    QPoint centre;
    if (m_mainWindow.testAttribute(Qt::WA_Moved))
        centre = m_mainWindow.geometry().center();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        centre = screen->availableGeometry().center();
    QRect place(QPoint(), size());
    place.moveCenter(centre);
    move(place.topLeft());
}

void TForm5::showModal()
{
    if (isVisible())
        return;
    centreOnMainWindow();
    m_games.start();
    Form::showModal();
    // Closed before the search ended: it stops now, and the next showing searches anew.
    m_games.cancel();
}

void TForm5::offerFoundPrograms()
{
    m_games.start();
    if (m_games.isDone())
        fillFoundPrograms();
    else
        connect(&m_games, &GameSearch::done, this, [this] {
            if (isVisible())
                fillFoundPrograms();
        }, Qt::SingleShotConnection);
}

void TForm5::fillFoundPrograms()
{
    for (const PathRow &row : pathRows()) {
        const QString found = m_games.found().unambiguous(row.program);
        if (!found.isEmpty() && programPath(row.program) == QLatin1String(LocalFiles::unsetPath))
            display(row)->setCaption(found);
    }
}

void TForm5::pick(const PathRow &row)
{
    setDialogInitialFile(row, display(row)->caption());
    // The dialog offers the folders the row's program was found in, and an
    // unset row opens on the best of them.
    m_games.waitUntilDone();
    const FoundPrograms &found = m_games.found();
    QString initial = dialogInitialFile(row);
    if (initial == QLatin1String(LocalFiles::unsetPath) && !found.best(row.program).isEmpty())
        initial = found.best(row.program);
    QString filter = QString::fromUtf8(row.filter);
    if (row.nativeFilter)
        filter += QLatin1Char('|') + QString::fromUtf8(row.nativeFilter);
    // The dialog is titled with the program the row names.
    const QString chosen =
        m_fileDialogs.openFile(QString::fromUtf8(row.label), initial, filter, found.folders(row.program));
    if (chosen.isEmpty())
        return;
    setDialogInitialFile(row, chosen);
    display(row)->setCaption(chosen);
}

void TForm5::Image1Click()
{
    const QString sounds = LocalFiles::switchValue(soundsOn());
    const bool transparent = m_transparencyBox->isChecked();
    m_transparency.apply(transparent);

    // A failed write ends the save here, with the window still open.
    for (const PathRow *row : pathRowsInStoreOrder())
        m_files.write(*row->key, display(*row)->caption());
    m_files.write(LocalFiles::soundsEnabled, sounds);
    m_files.write(LocalFiles::transparencyEnabled, LocalFiles::switchValue(transparent));
    m_files.write(LocalFiles::first, LocalFiles::flag(false));

    if (soundsOn())
        m_sound.play(QLatin1String(Cue::press), true);
    close();
}

void TForm5::Image1MouseMove()
{
    m_saveHover->show();
}

void TForm5::Label5MouseMove()
{
    m_saveHover->hide();
}
