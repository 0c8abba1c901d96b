#include "TForm9.h"

#include "app/Launcher.h"
#include "platform/BrowserControl.h"

namespace {
const std::vector<ControlRow> &speedTestControls()
{
    static const std::vector<ControlRow> rows = {
        {"WebBrowser1", ControlKind::Browser, 0, 0, 596, 345},
        {"Button1", ControlKind::Button, 513, 349, 75, 25, "OK"},
    };
    return rows;
}
} // namespace

TForm9::TForm9(Launcher &launcher, const char *name, const char *caption)
    : Form({name, caption, {596, 378}, {0, 0},
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint},
           &launcher.errors(), &launcher.browsers())
{
    setFixedSize(596, 378);
    controls().build(speedTestControls());
    setTransparent(true);
}

void TForm9::setTransparent(bool on)
{
    setWindowOpacity(on ? transparentAlpha / 255.0 : 1.0);
}

BrowserControl *TForm9::browser() const
{
    return control<BrowserControl>(QStringLiteral("WebBrowser1"));
}
