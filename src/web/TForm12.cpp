#include "TForm12.h"

#include "platform/controls/WindowTimer.h"

#include <QPushButton>

namespace {
constexpr const char *text = "color: white; font-weight: bold;";

const WindowFrame noUpdateFrame = {"TForm12", "OVCL: Aktualizace / Update", {394, 74}, {462, 339},
                                   Form::toolWindow(), true, Qt::black, {}, "Tahoma"};

const std::vector<ControlRow> &noUpdateControls()
{
    static const std::vector<ControlRow> rows = {
        {"Label1", ControlKind::Label, 8, 8, 300, 14, "Aktualizace není k dispozici.", nullptr, Qt::ArrowCursor, true, 0, text},
        {"Label2", ControlKind::Label, 8, 24, 300, 14, "No update is available at this time.", nullptr, Qt::ArrowCursor, true, 0, text},
        {"Button1", ControlKind::Button, 311, 43, 75, 25, "OK"},
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
