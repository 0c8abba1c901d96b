#include "SettingsPaths.h"

#include "app/Launcher.h"
#include "config/TForm5.h"
#include "platform/TextLabel.h"

namespace SettingsPaths {

void set(Launcher &launcher, const QString &display, const QString &path)
{
    TForm5 *settings = launcher.form5();
    auto *label = settings->control<TextLabel>(display);
    if (!label) {
        // A settings window without its path displays yet: stand one in.
        label = new TextLabel(settings);
        label->setObjectName(display);
    }
    label->setCaption(path);
}

} // namespace SettingsPaths
