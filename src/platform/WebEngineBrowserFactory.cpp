#include "WebEngineBrowserFactory.h"

#include "WebEngineBrowser.h"

BrowserControl *WebEngineBrowserFactory::create(QWidget *parent, bool onScreen)
{
    return new WebEngineBrowser(parent, onScreen);
}
