#include "Launcher.h"

#include "TForm1.h"

// Each subsystem adds its controls and handlers to the windows, in the order
// the main window's layers expect, then the main window restacks them.
void Launcher::installSubsystems()
{
    m_form1->controls().restack();
}
