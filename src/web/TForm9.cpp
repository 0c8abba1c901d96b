#include "TForm9.h"

#include "app/Launcher.h"

TForm9::TForm9(Launcher &launcher, const char *name, const char *caption)
    : Form({name, caption, {596, 378}, {0, 0},
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint},
           &launcher.errors(), &launcher.browsers())
{
    setTransparent(true);
}

void TForm9::setTransparent(bool on)
{
    setWindowOpacity(on ? transparentAlpha / 255.0 : 1.0);
}
