#pragma once

#include "platform/Form.h"

#include <QHash>
#include <QString>

class Launcher;
class QCheckBox;
class TextLabel;
struct PathRow;
struct ProfileKey;

// The settings window: for the whole run the one live store of the nine
// program paths (the captions of its displays) and of the sounds and
// transparency switches. Readers ask its controls, never the file.
class TForm5 : public Form
{
    Q_OBJECT
public:
    static constexpr int clientWidth = 306;
    static constexpr int clientHeight = 579;

    explicit TForm5(Launcher &launcher);

    QCheckBox *soundsSwitch() const;
    QCheckBox *transparencySwitch() const;

    // The display of a program path, by its data.dat key name ("csloc",
    // "codloc", "cod210loc", "cod213loc", "avploc", "ut", "ut2004", "vnt", "ts").
    TextLabel *pathDisplay(const QString &key) const;
    TextLabel *pathDisplay(const PathRow &row) const;
    // The path as shown: a full path, or "cesta" while none was picked.
    QString path(const QString &key) const;
    QString path(const ProfileKey &key) const;

    // The file name a row's dialog opens with.
    QString dialogInitialFile(const QString &dialog) const;
    void setDialogInitialFile(const QString &dialog, const QString &file);

    // Centres the window on the main window and shows it modally; returns
    // when it has been closed.
    void showModalSettings();

    // Handlers.
    void pick(const PathRow &row); // Button1Click to Button9Click
    void Image1Click();            // save, also for Image3
    void Image1MouseMove();
    void Label5MouseMove();        // also for Label6

private:
    void centreOnMainWindow();

    Launcher &m_launcher;
    QHash<QString, QString> m_dialogFiles;
};
