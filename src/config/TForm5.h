#pragma once

#include "games/Program.h"
#include "platform/windows/Form.h"

#include <QString>
#include <map>

class FileDialogService;
class GameSearch;
class LocalFiles;
class QCheckBox;
class SoundService;
class TextLabel;
class Transparency;
struct PathRow;

// The settings window: for the whole run the one live store of the nine
// program paths (the captions of its displays) and of the sounds and
// transparency switches. Readers ask it, never the file.
class TForm5 : public Form
{
    Q_OBJECT
public:
    static const WindowFrame frame;

    TForm5(ErrorReporter &errors, BrowserFactory &browsers, FileDialogService &fileDialogs, SoundService &sound,
           LocalFiles &files, Transparency &transparency, const QWidget &mainWindow, GameSearch &games);

    QCheckBox *soundsSwitch() const { return m_soundsBox; }
    QCheckBox *transparencySwitch() const { return m_transparencyBox; }
    bool soundsOn() const;

    // The path as shown: a full path, or "cesta" while none was picked.
    QString programPath(Program program) const;
    // Shows 'path' in the row's display, as the settings load does.
    void setPath(const PathRow &row, const QString &path);

    // The file name a row's dialog opens with.
    void setDialogInitialFile(const PathRow &row, const QString &file);

    // The heading in Czech or in English.
    void showHeading(bool english);

    // Centred on the main window, modally; returns when it has been closed.
    // The search for the player's programs starts now unless it has already;
    // closing the window cancels it while it is still running.
    void showModal() override;
    // Every row still unset whose program was found beyond doubt shows it,
    // now or as soon as the search ends while the window is shown. Nothing
    // is written until a save.
    void offerFoundPrograms();

    // Handlers.
    void pick(const PathRow &row); // Button1Click to Button9Click
    void Image1Click();            // save, also for Image3
    void Image1MouseMove();
    void Label5MouseMove();        // also for Label6

private:
    QString dialogInitialFile(const PathRow &row) const;
    TextLabel *display(const PathRow &row) const;
    void centreOnMainWindow();
    void fillFoundPrograms();

    FileDialogService &m_fileDialogs;
    SoundService &m_sound;
    LocalFiles &m_files;
    Transparency &m_transparency;
    const QWidget &m_mainWindow;
    GameSearch &m_games;
    QCheckBox *m_soundsBox;
    QCheckBox *m_transparencyBox;
    QWidget *m_saveHover;
    QWidget *m_czechHeading;
    QWidget *m_englishHeading;
    std::map<Program, TextLabel *> m_displays;
    std::map<Program, QString> m_dialogFiles;
};
