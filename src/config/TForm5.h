#pragma once

#include "platform/Form.h"

class Launcher;
class QCheckBox;

// The settings window: the live store of the program paths and switches.
class TForm5 : public Form
{
    Q_OBJECT
public:
    explicit TForm5(Launcher &launcher);

    QCheckBox *soundsSwitch() const;
    QCheckBox *transparencySwitch() const;

private:
    Launcher &m_launcher;
};
