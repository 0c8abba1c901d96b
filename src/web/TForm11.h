#pragma once

#include "platform/Form.h"

class Launcher;
class QCheckBox;

// The new-version dialog: what the web server offers, the updater start and
// the player's wish not to see this dialog by itself.
class TForm11 : public Form
{
    Q_OBJECT
public:
    explicit TForm11(Launcher &launcher);

    QCheckBox *notShowBox() const;
    // Label6, Label8 and Label9: the version and the two lines of news about it.
    void showOffer(const QString &version, const QString &news1, const QString &news2);

    // Handlers.
    void Button1Click(); // "Ano / Yes": the launcher ends and the updater starts
    void Button2Click(); // "Nyní ne / No now"
    void CheckBox1Click();

private:
    Launcher &m_launcher;
};
