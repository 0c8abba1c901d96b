#include "ServerCard.h"

#include "LiveServerControls.h"
#include "ServerStateTexts.h"
#include "platform/controls/ControlHost.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"

#include <algorithm>

using namespace LiveServerControls;

ServerCard::ServerCard(ControlHost &host)
{
    host.build(cardRows());
    const Card &c = card();
    m_panel = host.get<TextLabel>(c.panel);
    m_name = host.get<TextLabel>(c.name);
    m_lock = host.get<PictureControl>(c.lock);
    m_map = host.get<TextLabel>(c.map);
    m_count = host.get<TextLabel>(c.count);
    m_ping = host.get<TextLabel>(c.ping);
    m_seen = host.get<TextLabel>(c.seen);
    // What a server calls itself and its map is cut where its line ends, and
    // so is a long list of friends in the last line.
    for (TextLabel *line : {m_name, m_map, m_count, m_ping, m_seen})
        line->keepWithin(line->geometry());
    // Only the window's pointer handling sees the pointer over the card.
    m_panel->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ServerCard::show(const ServerStateTexts &texts, QPoint at)
{
    fill(texts);
    const QWidget *window = m_panel->parentWidget();
    at.setX(std::clamp(at.x(), 0, window->width() - m_panel->width()));
    at.setY(std::clamp(at.y(), 0, window->height() - m_panel->height()));
    m_panel->move(at);
    m_panel->show();
    m_panel->raise();
}

void ServerCard::setLine(TextLabel *label, const QString &text, bool greyed)
{
    label->setCaption(text);
    label->setEnabled(!greyed);
}

void ServerCard::fill(const ServerStateTexts &texts)
{
    setLine(m_name, texts.name, texts.greyed);
    setLine(m_map, texts.map, texts.greyed);
    setLine(m_count, texts.count, texts.greyed);
    setLine(m_ping, texts.ping, texts.greyed);
    m_seen->setCaption(texts.seen);
    m_seen->setVisible(!texts.seen.isEmpty());
    m_lock->setVisible(texts.locked);
    m_panel->resize(cardWidth, texts.seen.isEmpty() ? cardHeightOnline : cardHeight);
}

void ServerCard::hide()
{
    m_panel->hide();
}

bool ServerCard::isShown() const
{
    return m_panel->isVisible();
}
