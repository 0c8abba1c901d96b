#include "TForm5.h"

#include "app/Launcher.h"

#include <QCheckBox>

namespace {
const std::vector<ControlSpec> &settingsControls()
{
    static const std::vector<ControlSpec> rows = {
        {"CheckBox1", ControlKind::CheckBox, 16, 500, 17, 17},
        {"CheckBox2", ControlKind::CheckBox, 160, 500, 17, 17},
    };
    return rows;
}
} // namespace

TForm5::TForm5(Launcher &launcher)
    : Form({"TForm5", "OVCL - Nastavení", {306, 579}, {-1, -1}, Form::toolWindow()}, &launcher.errors(),
           &launcher.browsers()),
      m_launcher(launcher)
{
    controls().build(settingsControls());
}

QCheckBox *TForm5::soundsSwitch() const
{
    return control<QCheckBox>(QStringLiteral("CheckBox1"));
}

QCheckBox *TForm5::transparencySwitch() const
{
    return control<QCheckBox>(QStringLiteral("CheckBox2"));
}
