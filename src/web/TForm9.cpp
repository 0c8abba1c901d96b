#include "TForm9.h"

#include "platform/browser/BrowserControl.h"

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

// Minimise and maximise buttons only, no system menu; blended at 230.
WindowFrame TForm9::speedTestFrame(const char *name, const char *caption)
{
    return {name, caption, {596, 378}, {0, 0},
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint,
            true, {}, {}, "MS Sans Serif", 230};
}

TForm9::TForm9(ErrorReporter &errors, BrowserFactory &browsers)
    : TForm9(speedTestFrame("TForm9", "Speedtest of net"), errors, browsers)
{
}

TForm9::TForm9(const WindowFrame &frame, ErrorReporter &errors, BrowserFactory &browsers)
    : Form(frame, errors, browsers)
{
    controls().build(speedTestControls());
    m_browser = controls().get<BrowserControl>("WebBrowser1");
    m_links = {{controls().get("Button1"), LinkCue::None, LinkAction::CloseWindow}};
    setTransparent(true);
}
