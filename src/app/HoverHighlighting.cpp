#include "HoverHighlighting.h"

HoverHighlighting::HoverHighlighting(Launcher &launcher) : m_launcher(launcher) {}
