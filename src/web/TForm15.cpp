#include "TForm15.h"

#include "app/Launcher.h"
#include "platform/BrowserControl.h"

namespace {
const std::vector<ControlRow> &newsControls()
{
    static const std::vector<ControlRow> rows = {
        {"WebBrowser1", ControlKind::Browser, 0, 0, 512, 276},
        {"Button3", ControlKind::Button, 8, 280, 90, 25, "Visit Orvanta"},
        {"Button2", ControlKind::Button, 104, 280, 75, 25, "Home"},
        {"Button1", ControlKind::Button, 429, 280, 75, 25, "OK"},
    };
    return rows;
}
} // namespace

TForm15::TForm15(Launcher &launcher)
    : Form({"TForm15", "Orvanta - Novinky / News", {512, 309}, {119, 176}, Form::toolWindow()}, &launcher.errors(), &launcher.browsers())
{
    setFixedSize(512, 309);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    controls().build(newsControls());
}

BrowserControl *TForm15::browser() const
{
    return control<BrowserControl>(QStringLiteral("WebBrowser1"));
}
