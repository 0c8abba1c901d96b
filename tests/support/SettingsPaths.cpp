#include "SettingsPaths.h"

#include "LauncherWindows.h"
#include "config/TForm5.h"
#include "launcher/Launcher.h"
#include "platform/controls/TextLabel.h"

namespace SettingsPaths {

void set(Launcher &launcher, const QString &display, const QString &path)
{
    form5(launcher)->findChild<TextLabel *>(display)->setCaption(path);
}

} // namespace SettingsPaths
