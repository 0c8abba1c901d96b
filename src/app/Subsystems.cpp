#include "Launcher.h"

#include "Accessibility.h"
#include "HoverHighlighting.h"
#include "TForm1.h"
#include "WindowChrome.h"
#include "config/LanguageSwitch.h"
#include "config/SettingsStartup.h"
#include "servers/AddressPanels.h"
#include "servers/ServerMenu.h"
#include "servers/VoiceAndLinkButtons.h"
#include "web/CounterRefresh.h"
#include "web/UpdateCheck.h"
#include "web/WebLinks.h"

// Each subsystem adds its controls and handlers to the windows; then the
// main window stacks its controls by layer.
// Accessibility comes last: it names controls the others have built.
void Launcher::installSubsystems()
{
    m_subsystems.push_back(std::make_unique<WindowChrome>(*this));
    m_subsystems.push_back(std::make_unique<ServerMenu>(*this));
    m_subsystems.push_back(std::make_unique<AddressPanels>(*this));
    m_subsystems.push_back(std::make_unique<VoiceAndLinkButtons>(*this));
    m_subsystems.push_back(std::make_unique<WebLinks>(*this));
    m_subsystems.push_back(std::make_unique<CounterRefresh>(*this));
    m_subsystems.push_back(std::make_unique<UpdateCheck>(*this));
    m_subsystems.push_back(std::make_unique<LanguageSwitch>(*this));
    m_subsystems.push_back(std::make_unique<SettingsStartup>(*this));
    m_subsystems.push_back(std::make_unique<HoverHighlighting>(*this));
    m_subsystems.push_back(std::make_unique<Accessibility>(*this));
    m_form1->controls().restack();
}
