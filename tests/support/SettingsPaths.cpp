#include "SettingsPaths.h"

#include "config/TForm5.h"
#include "launcher/Launcher.h"
#include "platform/TextLabel.h"

namespace SettingsPaths {

void set(Launcher &launcher, const QString &display, const QString &path)
{
    launcher.form5()->control<TextLabel>(display)->setCaption(path);
}

} // namespace SettingsPaths
