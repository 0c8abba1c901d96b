#pragma once

#include "platform/windows/Form.h"

class LocalFiles;
class QCheckBox;
class ShellService;
class TForm1;
class TextLabel;

// The new-version dialog: what the web server offers, the updater start and
// the player's wish not to see this dialog by itself.
class TForm11 : public Form
{
    Q_OBJECT
public:
    TForm11(ErrorReporter &errors, BrowserFactory &browsers, TForm1 &mainWindow, ShellService &shell, LocalFiles &files,
            const QString &applicationDirectory);

    QCheckBox *notShowBox() const { return m_notShow; }
    // The version and the two lines of news about it.
    void showOffer(const QString &version, const QString &news1, const QString &news2);
    // The older check's version and its one line of news; the second line stays.
    void showOlderOffer(const QString &version, const QString &news);

    // Handlers.
    void Button1Click(); // "Ano / Yes": the launcher ends and the updater starts
    void Button2Click(); // "Nyní ne / No now"
    void CheckBox1Click();

private:
    TForm1 &m_mainWindow;
    ShellService &m_shell;
    LocalFiles &m_files;
    const QString m_applicationDirectory;
    TextLabel *m_version;
    TextLabel *m_news1;
    TextLabel *m_news2;
    QCheckBox *m_notShow;
};
