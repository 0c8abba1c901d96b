#include "ServerMenu.h"

ServerMenu::ServerMenu(Launcher &launcher) : m_launcher(launcher) {}
