#include "AddressPanels.h"

AddressPanels::AddressPanels(Launcher &launcher) : m_launcher(launcher) {}
