#include "TForm13.h"

#include <QPushButton>

namespace {
constexpr const char *bold = "font-weight: bold;";

const WindowFrame errorFrame = {.name = "TForm13", .caption = "Chyba / Error", .client = {381, 98},
                                .position = {554, 312}, .flags = Form::toolWindowWithoutIcons(), .fixedSize = true,
                                .background = Qt::white, .font = "Tahoma"};

const std::vector<ControlRow> &errorControls()
{
    static const std::vector<ControlRow> rows = {
        {.name = "Label1", .kind = ControlKind::Label, .left = 10, .top = 14, .width = 270, .height = 14,
         .content = "Chyba připojení k update serveru.", .style = bold},
        {.name = "Label2", .kind = ControlKind::Label, .left = 10, .top = 32, .width = 270, .height = 14,
         .content = "Error of connection to update server.", .style = bold},
        {.name = "Image1", .kind = ControlKind::Picture, .left = 285, .top = 4, .width = 90, .height = 70,
         .content = ":/skin/error.jpg"},
        {.name = "Button1", .kind = ControlKind::Button, .left = 153, .top = 66, .width = 75, .height = 25,
         .content = "OK"},
    };
    return rows;
}
} // namespace

TForm13::TForm13(ErrorReporter &errors, BrowserFactory &browsers) : Form(errorFrame, errors, browsers)
{
    controls().build(errorControls());
    controls().onClick(controls().get<QPushButton>("Button1"), [this] { close(); });
}
