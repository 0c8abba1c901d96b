#include "TForm6.h"

#include "platform/browser/BrowserControl.h"

#include <QResizeEvent>

namespace {
const WindowFrame chatFrame = {"TForm6", "Chat - v testování", {623, 431}, {411, 216}, Qt::Window};

const std::vector<ControlRow> &chatControls()
{
    static const std::vector<ControlRow> rows = {
        {"WebBrowser1", ControlKind::Browser, 0, 0, 623, 431},
    };
    return rows;
}
} // namespace

TForm6::TForm6(ErrorReporter &errors, BrowserFactory &browsers) : Form(chatFrame, errors, browsers)
{
    controls().build(chatControls());
    m_browser = controls().get<BrowserControl>("WebBrowser1");
}

// The page keeps filling the window whatever size the player gives it.
void TForm6::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    if (m_browser)
        m_browser->setGeometry(rect());
}
