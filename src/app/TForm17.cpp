#include "TForm17.h"


#include <QCloseEvent>
#include <QProgressBar>

namespace {
const std::vector<ControlRow> &progressControls()
{
    static const std::vector<ControlRow> rows = {
        {.name = "stav", .kind = ControlKind::ProgressBar, .left = 8, .top = 16, .width = 233, .height = 25},
    };
    return rows;
}
} // namespace

TForm17::TForm17(ErrorReporter &errors, BrowserFactory &browsers)
    : Form({.name = "TForm17", .caption = "OVCL: Inicializace / initialization ", .client = {252, 63},
            .position = {488, 298}, .flags = Form::toolWindowWithoutIcons(), .fixedSize = true,
            .background = Qt::white, .font = "Tahoma"},
           errors, browsers)
{
    controls().build(progressControls());
    m_stav = controls().get<QProgressBar>("stav");
}

void TForm17::setProgress(int value)
{
    m_stav->setValue(value);
    m_stav->repaint();
}

void TForm17::finish()
{
    m_finishing = true;
    accept();
    m_finishing = false;
}

// The player cannot close this window: it has no close box.
void TForm17::closeEvent(QCloseEvent *event)
{
    if (!m_finishing)
        event->ignore();
}
