#include "AddressPanels.h"

#include "AddressPanelControls.h"
#include "SelectionKeeper.h"
#include "ServerCatalogue.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "platform/BrowserControl.h"
#include "web/CommunityUrls.h"

#include <QFrame>
#include <QLineEdit>

using namespace ServerCatalogue;

AddressPanels::AddressPanels(Launcher &launcher) : m_launcher(launcher)
{
    TForm1 *window = launcher.form1();
    window->controls().build(addressPanelControls());
    ControlEvents &events = window->controls().events();
    for (const ServerEntry &e : entries()) {
        // Black, with a lowered bevel inside a spaced outer one.
        auto *panel = window->control<QFrame>(QLatin1String(e.addressPanel));
        QPalette black = panel->palette();
        black.setColor(QPalette::Window, Qt::black);
        panel->setPalette(black);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(1);
        panel->setContentsMargins(1, 1, 1, 1);

        auto *edit = window->control<QLineEdit>(QLatin1String(e.addressEdit));
        edit->setText(address(e));
        edit->setReadOnly(true);
        edit->setCursorPosition(0);
        SelectionKeeper::keep(edit);

        events.onClick(QLatin1String(e.toggle), [this, &e] { open(e); });
        events.onClick(QLatin1String(e.openTwin), [this, &e] { close(e); });
        events.onClick(QLatin1String(e.closePicture), [this, &e] { close(e); });
    }
    events.onClick(QStringLiteral("Label31"), [this] { Label31Click(); });
}

void AddressPanels::open(const ServerEntry &e)
{
    m_launcher.cues().play(Cue::press);
    setOpen(e, true);
}

void AddressPanels::close(const ServerEntry &e)
{
    m_launcher.cues().play(Cue::press);
    setOpen(e, false);
}

void AddressPanels::setOpen(const ServerEntry &e, bool open)
{
    TForm1 *window = m_launcher.form1();
    window->control(QLatin1String(e.addressPanel))->setVisible(open);
    window->control(QLatin1String(e.openTwin))->setVisible(open);
}

void AddressPanels::Label31Click()
{
    m_launcher.cues().play(Cue::click, SoundCues::Guard::Unguarded);
    if (auto *status = m_launcher.form1()->control<BrowserControl>(QStringLiteral("WebBrowser1")))
        status->navigate(CommunityUrls::statusOfServer11());
}
