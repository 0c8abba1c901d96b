#include "SettingsStartup.h"

SettingsStartup::SettingsStartup(Launcher &launcher) : m_launcher(launcher) {}
