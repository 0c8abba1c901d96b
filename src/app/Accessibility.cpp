#include "Accessibility.h"

#include "AccessibleTexts.h"
#include "TForm1.h"
#include "config/TForm5.h"

Accessibility::Accessibility(Launcher &launcher)
{
    launcher.form1()->controls().describe(AccessibleTexts::mainWindow());
    launcher.form5()->controls().describe(AccessibleTexts::settingsWindow());
}
