#include "TForm13.h"

#include <QPushButton>

namespace {
constexpr const char *bold = "font-weight: bold;";

const WindowFrame errorFrame = {"TForm13", "Chyba / Error", {381, 98}, {554, 312}, Form::toolWindowWithoutIcons(),
                                true, Qt::white, {}, "Tahoma"};

const std::vector<ControlRow> &errorControls()
{
    static const std::vector<ControlRow> rows = {
        {"Label1", ControlKind::Label, 10, 14, 270, 14, "Chyba připojení k update serveru.", nullptr, Qt::ArrowCursor, true, 0, bold},
        {"Label2", ControlKind::Label, 10, 32, 270, 14, "Error of connection to update server.", nullptr, Qt::ArrowCursor, true, 0, bold},
        {"Image1", ControlKind::Picture, 285, 4, 90, 70, ":/skin/error.jpg"},
        {"Button1", ControlKind::Button, 153, 66, 75, 25, "OK"},
    };
    return rows;
}
} // namespace

TForm13::TForm13(ErrorReporter &errors, BrowserFactory &browsers) : Form(errorFrame, errors, browsers)
{
    controls().build(errorControls());
    controls().onClick(controls().get<QPushButton>("Button1"), [this] { close(); });
}
