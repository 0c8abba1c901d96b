#include "BrowserWindows.h"

#include "CommunityUrls.h"
#include "platform/windows/Form.h"

namespace {
constexpr const char *heading = "color: white; font-weight: bold;";
constexpr const char *bar = "background-color: #d4d0c8;";

BrowserWindowRow speedTestNamed(const char *name, const char *caption)
{
    return {
        .frame = {.name = name, .caption = caption, .client = {596, 378}, .position = {0, 0},
                  .flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint,
                  .fixedSize = true, .alpha = 230},
        .controls = {
            {.name = "WebBrowser1", .kind = ControlKind::Browser, .left = 0, .top = 0, .width = 596, .height = 345},
            {.name = "Button1", .kind = ControlKind::Button, .left = 513, .top = 349, .width = 75, .height = 25,
             .content = "OK"},
        },
        .links = {{.control = "Button1", .cue = LinkCue::None, .action = LinkAction::CloseWindow}},
        .blendsAtStart = true,
    };
}
} // namespace

namespace BrowserWindows {

const BrowserWindowRow &news()
{
    static const BrowserWindowRow row = {
        .frame = {.name = "TForm15", .caption = "Orvanta - Novinky / News", .client = {512, 309},
                  .position = {119, 176}, .flags = Form::toolWindow(), .fixedSize = true, .background = Qt::black},
        .controls = {
            {.name = "WebBrowser1", .kind = ControlKind::Browser, .left = 0, .top = 0, .width = 512, .height = 276},
            {.name = "Button3", .kind = ControlKind::Button, .left = 8, .top = 280, .width = 90, .height = 25,
             .content = "Visit Orvanta"},
            {.name = "Button2", .kind = ControlKind::Button, .left = 104, .top = 280, .width = 75, .height = 25,
             .content = "Home"},
            {.name = "Button1", .kind = ControlKind::Button, .left = 429, .top = 280, .width = 75, .height = 25,
             .content = "OK"},
        },
        // No button of this window plays a cue.
        .links = {
            {.control = "Button1", .cue = LinkCue::None, .action = LinkAction::CloseWindow},
            {.control = "Button2", .cue = LinkCue::None, .action = LinkAction::NewsHome},
            {.control = "Button3", .cue = LinkCue::None, .action = LinkAction::NewsVisitOrvanta},
        },
    };
    return row;
}

const BrowserWindowRow &chat()
{
    static const BrowserWindowRow row = {
        .frame = {.name = "TForm6", .caption = "Chat - v testování", .client = {623, 431}, .position = {411, 216},
                  .flags = Qt::Window},
        .controls = {
            {.name = "WebBrowser1", .kind = ControlKind::Browser, .left = 0, .top = 0, .width = 623, .height = 431},
        },
        .browserFillsWindow = true,
    };
    return row;
}

const BrowserWindowRow &bugReport()
{
    static const BrowserWindowRow row = {
        .frame = {.name = "TForm8", .caption = "OVCL BUG REPORT", .client = {426, 312}, .position = {453, 173},
                  .flags = Form::toolWindow(), .fixedSize = true, .background = Qt::black},
        .controls = {
            {.name = "Image1", .kind = ControlKind::Picture, .left = 4, .top = 4, .width = 32, .height = 32,
             .content = ":/skin/bugicon.jpg"},
            {.name = "Label1", .kind = ControlKind::Label, .left = 42, .top = 5, .width = 380, .height = 14,
             .content = "If you find bug, type there (don't forget write verison of OVCL).", .style = heading},
            {.name = "Label2", .kind = ControlKind::Label, .left = 42, .top = 21, .width = 380, .height = 14,
             .content = "Našel jsi bug? napiš zde vývojáři, nezapomeň na verzi OVCL.", .style = heading},
            {.name = "WebBrowser1", .kind = ControlKind::Browser, .left = 0, .top = 40, .width = 426, .height = 239},
            {.name = "Panel2", .kind = ControlKind::Panel, .left = 0, .top = 279, .width = 426, .height = 33,
             .content = "", .style = bar},
            {.name = "Button1", .kind = ControlKind::Button, .left = 343, .top = 4, .width = 75, .height = 25,
             .content = "OK", .parent = "Panel2"},
        },
        // The bottom bar outside the button closes the window too, without a cue.
        .links = {
            {.control = "Button1", .cue = LinkCue::Dialog, .action = LinkAction::CloseWindow},
            {.control = "Panel2", .cue = LinkCue::None, .action = LinkAction::CloseWindow},
        },
        // Loaded once per run: later openings show the page as the player left it.
        .pageAtStart = &CommunityUrls::bugReport,
    };
    return row;
}

const BrowserWindowRow &speedTest()
{
    static const BrowserWindowRow row = speedTestNamed("TForm9", "Speedtest of net");
    return row;
}

const BrowserWindowRow &speedTest2()
{
    static const BrowserWindowRow row = speedTestNamed("TForm10", "Form10");
    return row;
}

} // namespace BrowserWindows
