#include "TForm17.h"

#include "Launcher.h"

#include <QCloseEvent>
#include <QProgressBar>

namespace {
const std::vector<ControlRow> &progressControls()
{
    static const std::vector<ControlRow> rows = {
        {"stav", ControlKind::ProgressBar, 8, 16, 233, 25},
    };
    return rows;
}
} // namespace

TForm17::TForm17(Launcher &launcher)
    : Form({"TForm17", "OVCL: Inicializace / initialization ", {252, 63}, {488, 298},
            Form::toolWindowWithoutIcons()},
           &launcher.errors(), &launcher.browsers())
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(252, 63);
    controls().build(progressControls());
    m_stav = control<QProgressBar>(QStringLiteral("stav"));
}

void TForm17::setProgress(int value)
{
    m_stav->setValue(value);
    m_stav->repaint();
}

int TForm17::progress() const
{
    return m_stav->value();
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
