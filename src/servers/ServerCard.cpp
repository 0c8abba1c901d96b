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
    for (int row = 1; row <= cardPlayerRows; ++row) {
        const PlayerLine names = playerLine(row);
        const PlayerRowLabels labels{host.get<TextLabel>(names.name), host.get<TextLabel>(names.score),
                                     host.get<TextLabel>(names.ping)};
        labels.score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        labels.ping->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_players.push_back(labels);
    }
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
    const bool seen = !texts.seen.isEmpty();
    int rows = 0;
    for (const PlayerRowLabels &labels : m_players) {
        const bool player = rows < texts.playerLines.size();
        const bool more = !player && rows == texts.playerLines.size() && !texts.more.isEmpty();
        const ServerStateTexts::PlayerLine line = player ? texts.playerLines.at(rows) : ServerStateTexts::PlayerLine{};
        setLine(labels.name, more ? texts.more : line.name, texts.greyed);
        setLine(labels.score, line.score, texts.greyed);
        setLine(labels.ping, line.ping, texts.greyed);
        const int top = playersTop(seen) + rows * playerRowHeight;
        for (TextLabel *label : {labels.name, labels.score, labels.ping}) {
            label->move(label->x(), top);
            label->setVisible(player || more);
        }
        labels.name->keepWithin(labels.name->geometry());
        if (player || more)
            ++rows;
    }
    const int height = seen ? cardHeight : cardHeightOnline;
    m_panel->resize(cardWidth, rows ? playersTop(seen) + rows * playerRowHeight + 4 : height);
}

int ServerCard::playerRows()
{
    return cardPlayerRows;
}

void ServerCard::hide()
{
    m_panel->hide();
}

bool ServerCard::isShown() const
{
    return m_panel->isVisible();
}
