#include "TForm12.h"

#include "platform/controls/WindowTimer.h"

#include <QPushButton>

namespace {
constexpr const char *text = "color: white; font-weight: bold;";

const WindowFrame noUpdateFrame = {.name = "TForm12", .caption = "OVCL: Aktualizace / Update", .client = {394, 74},
                                   .position = {462, 339}, .flags = Form::toolWindow(), .fixedSize = true,
                                   .background = Qt::black, .font = "Tahoma"};

const std::vector<ControlRow> &noUpdateControls()
{
    static const std::vector<ControlRow> rows = {
        {.name = "Label1", .kind = ControlKind::Label, .left = 8, .top = 8, .width = 300, .height = 14,
         .content = "Aktualizace není k dispozici.", .style = text},
        {.name = "Label2", .kind = ControlKind::Label, .left = 8, .top = 24, .width = 300, .height = 14,
         .content = "No update is available at this time.", .style = text},
        {.name = "Button1", .kind = ControlKind::Button, .left = 311, .top = 43, .width = 75, .height = 25,
         .content = "OK"},
    };
    return rows;
}
} // namespace

TForm12::TForm12(ErrorReporter &errors, BrowserFactory &browsers)
    : Form(noUpdateFrame, errors, browsers), m_shownew(new WindowTimer(QStringLiteral("shownew"), 200, false, this))
{
    controls().build(noUpdateControls());
    controls().onClick(controls().get<QPushButton>("Button1"), [this] { close(); });
}
