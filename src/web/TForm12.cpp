#include "TForm12.h"

#include "ClickBinding.h"
#include "TForm11.h"
#include "app/Launcher.h"
#include "platform/HandlerGuard.h"
#include "platform/WindowTimer.h"

namespace {
constexpr const char *text = "color: white; font-weight: bold;";

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

TForm12::TForm12(Launcher &launcher)
    : Form({"TForm12", "OVCL: Aktualizace / Update", {394, 74}, {462, 339}, Form::toolWindow()}, &launcher.errors(),
           &launcher.browsers()),
      m_launcher(launcher),
      m_shownew(new WindowTimer(QStringLiteral("shownew"), 200, false, this))
{
    setFixedSize(394, 74);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    controls().build(noUpdateControls());
    bindClick(controls(), &launcher.errors(), QStringLiteral("Button1"), [this] { close(); });
    connect(m_shownew, &WindowTimer::tick, this, [this] { runGuarded(&m_launcher.errors(), [this] { shownewTimer(); }); });
}

void TForm12::shownewTimer()
{
    m_shownew->setEnabled(false);
    m_launcher.form11()->showModal();
}
