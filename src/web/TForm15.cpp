#include "TForm15.h"

#include "platform/browser/BrowserControl.h"

namespace {
const WindowFrame newsFrame = {"TForm15", "Orvanta - Novinky / News", {512, 309}, {119, 176}, Form::toolWindow(),
                               true, Qt::black};

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

TForm15::TForm15(ErrorReporter &errors, BrowserFactory &browsers) : Form(newsFrame, errors, browsers)
{
    controls().build(newsControls());
    m_browser = controls().get<BrowserControl>("WebBrowser1");
    // No button of this window plays a cue.
    m_links = {
        {controls().get("Button1"), LinkCue::None, LinkAction::CloseWindow},
        {controls().get("Button2"), LinkCue::None, LinkAction::NewsHome},
        {controls().get("Button3"), LinkCue::None, LinkAction::NewsVisitOrvanta},
    };
}
