#include "ChromeTransparency.h"

#include "Launcher.h"
#include "TForm1.h"
#include "web/TForm9.h"

void applyTransparency(Launcher &launcher, bool on)
{
    launcher.form1()->setTransparent(on);
    launcher.form9()->setTransparent(on);
}
