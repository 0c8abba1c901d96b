#include "LanguageSwitch.h"

LanguageSwitch::LanguageSwitch(Launcher &launcher) : m_launcher(launcher) {}
