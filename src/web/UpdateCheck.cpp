#include "UpdateCheck.h"

UpdateCheck::UpdateCheck(Launcher &launcher) : m_launcher(launcher) {}
