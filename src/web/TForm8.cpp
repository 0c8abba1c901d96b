#include "TForm8.h"

#include "CommunityUrls.h"
#include "platform/browser/BrowserControl.h"

namespace {
constexpr const char *heading = "color: white; font-weight: bold;";
constexpr const char *bar = "background-color: #d4d0c8;";

const WindowFrame bugReportFrame = {"TForm8", "OVCL BUG REPORT", {426, 312}, {453, 173}, Form::toolWindow(), true,
                                    Qt::black};

const std::vector<ControlRow> &bugReportControls()
{
    static const std::vector<ControlRow> rows = {
        {"Image1", ControlKind::Picture, 4, 4, 32, 32, ":/skin/bugicon.jpg"},
        {"Label1", ControlKind::Label, 42, 5, 380, 14, "If you find bug, type there (don't forget write verison of OVCL).",
         nullptr, Qt::ArrowCursor, true, 0, heading},
        {"Label2", ControlKind::Label, 42, 21, 380, 14, "Našel jsi bug? napiš zde vývojáři, nezapomeň na verzi OVCL.",
         nullptr, Qt::ArrowCursor, true, 0, heading},
        {"WebBrowser1", ControlKind::Browser, 0, 40, 426, 239},
        {"Panel2", ControlKind::Panel, 0, 279, 426, 33, "", nullptr, Qt::ArrowCursor, true, 0, bar},
        {"Button1", ControlKind::Button, 343, 4, 75, 25, "OK", nullptr, Qt::ArrowCursor, true, 0, nullptr, "Panel2"},
    };
    return rows;
}
} // namespace

TForm8::TForm8(ErrorReporter &errors, BrowserFactory &browsers) : Form(bugReportFrame, errors, browsers)
{
    controls().build(bugReportControls());
    m_browser = controls().get<BrowserControl>("WebBrowser1");
    // The bottom bar outside the button closes the window too, without a cue.
    m_links = {
        {controls().get("Button1"), LinkCue::Dialog, LinkAction::CloseWindow},
        {controls().get("Panel2"), LinkCue::None, LinkAction::CloseWindow},
    };
    // Loaded once per run: later openings show the page as the player left it.
    m_browser->navigate(CommunityUrls::bugReport());
}
