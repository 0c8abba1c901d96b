#include "VoiceAndLinkButtons.h"

VoiceAndLinkButtons::VoiceAndLinkButtons(Launcher &launcher) : m_launcher(launcher) {}
