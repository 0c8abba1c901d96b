#include "AddressPanels.h"

#include "AddressPanelControls.h"
#include "SelectionKeeper.h"
#include "ServerCatalogue.h"
#include "ServerMenu.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "platform/browser/BrowserControl.h"
#include "web/CommunityUrls.h"

#include <QFrame>
#include <QLineEdit>

using namespace ServerCatalogue;

namespace {
// A screen reader tells the rows apart by the server's name.
std::vector<AccessibleText> addressTexts(const ServerEntry &e)
{
    const QString server = QString::fromUtf8(e.caption);
    const QString address = QStringLiteral("Adresa / Address: ") + server;
    const QString hide = QStringLiteral("Skryje adresu serveru / Hides the server's address");
    return {
        {QLatin1String(e.toggle), address, QStringLiteral("Ukáže adresu serveru / Shows the server's address")},
        {QLatin1String(e.openTwin), address, hide},
        {QLatin1String(e.closePicture), QStringLiteral("Zavřít adresu / Close address: ") + server, hide},
        {QLatin1String(e.addressEdit), QStringLiteral("IP: ") + server,
         QStringLiteral("Adresa ke zkopírování / Address to copy")},
    };
}
} // namespace

AddressPanels::AddressPanels(TForm1 &mainWindow, SoundCues &cues, BrowserControl &statusPage, const ServerMenu &menu)
    : m_cues(cues), m_statusPage(statusPage)
{
    ControlHost &host = mainWindow.controls();
    host.build(addressPanelControls());
    for (const ServerEntry &e : entries()) {
        // Black, with a lowered bevel inside a spaced outer one.
        auto *panel = host.get<QFrame>(e.addressPanel);
        QPalette black = panel->palette();
        black.setColor(QPalette::Window, Qt::black);
        panel->setPalette(black);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(1);
        panel->setContentsMargins(1, 1, 1, 1);

        auto *edit = host.get<QLineEdit>(e.addressEdit);
        edit->setText(address(e));
        edit->setReadOnly(true);
        edit->setCursorPosition(0);
        SelectionKeeper::keep(edit);

        QWidget *openTwin = host.get(e.openTwin);
        m_panels[e.number] = {panel, openTwin};
        host.onClick(host.get(e.toggle), [this, &e] { open(e); });
        host.onClick(openTwin, [this, &e] { close(e); });
        host.onClick(host.get(e.closePicture), [this, &e] { close(e); });
        host.describe(addressTexts(e));
    }
    for (const ServerEntry &e : entries())
        if (e.nameShowsStatusPage)
            host.onClick(menu.nameLabel(e.number), [this, &e] { showStatusPage(e); });
}

void AddressPanels::open(const ServerEntry &e)
{
    m_cues.play(Cue::press);
    setOpen(e, true);
}

void AddressPanels::close(const ServerEntry &e)
{
    m_cues.play(Cue::press);
    setOpen(e, false);
}

void AddressPanels::setOpen(const ServerEntry &e, bool open)
{
    const auto &[panel, openTwin] = m_panels.at(e.number);
    panel->setVisible(open);
    openTwin->setVisible(open);
}

void AddressPanels::showStatusPage(const ServerEntry &e)
{
    m_cues.play(Cue::click, SoundCues::Guard::Unguarded);
    m_statusPage.navigate(CommunityUrls::statusOfServer(e.number));
}
