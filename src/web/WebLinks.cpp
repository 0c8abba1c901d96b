#include "WebLinks.h"

WebLinks::WebLinks(Launcher &launcher) : m_launcher(launcher) {}
