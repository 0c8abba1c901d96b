#include "TForm6.h"

#include "app/Launcher.h"
#include "platform/BrowserControl.h"

#include <QResizeEvent>

namespace {
const std::vector<ControlRow> &chatControls()
{
    static const std::vector<ControlRow> rows = {
        {"WebBrowser1", ControlKind::Browser, 0, 0, 623, 431},
    };
    return rows;
}
} // namespace

TForm6::TForm6(Launcher &launcher)
    : Form({"TForm6", "Chat - v testování", {623, 431}, {411, 216}, Qt::Window}, &launcher.errors(), &launcher.browsers())
{
    controls().build(chatControls());
}

BrowserControl *TForm6::browser() const
{
    return control<BrowserControl>(QStringLiteral("WebBrowser1"));
}

// The page keeps filling the window whatever size the player gives it.
void TForm6::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    if (BrowserControl *page = browser())
        page->setGeometry(rect());
}
