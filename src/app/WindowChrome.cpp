#include "WindowChrome.h"

WindowChrome::WindowChrome(Launcher &launcher) : m_launcher(launcher) {}
