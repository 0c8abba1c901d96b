#include "LiveServerState.h"

#include "AddressPanels.h"
#include "LiveServerControls.h"
#include "ServerCatalogue.h"
#include "ServerMenu.h"
#include "ServerQueries.h"
#include "ServerStateTexts.h"
#include "app/TForm1.h"
#include "config/LanguageSwitch.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"
#include "query/QueryClock.h"

#include <QEvent>
#include <QLoggingCategory>

using namespace ServerCatalogue;

// "ovcl.lamps.debug=true" in QT_LOGGING_RULES logs each lamp that changes.
Q_LOGGING_CATEGORY(lamps, "ovcl.lamps", QtWarningMsg)

namespace {
// The lamp a state shows, and its name in the log.
struct Lamp {
    const char *picture;
    const char *name;
};

Lamp lampOf(ServerState::Status status)
{
    switch (status) {
    case ServerState::Status::Online:
        return {":/skin/state_up.png", "online"};
    case ServerState::Status::Offline:
        return {":/skin/state_down.png", "offline"};
    case ServerState::Status::Unknown:
        break;
    }
    return {":/skin/state_unknown.png", "unknown"};
}
} // namespace

LiveServerState::LiveServerState(TForm1 &mainWindow, DatagramService &datagrams, QueryClock &clock,
                                 const ServerMenu &menu, const AddressPanels &addressPanels,
                                 LanguageSwitch &language)
    : QObject(&mainWindow), m_mainWindow(mainWindow), m_clock(clock), m_language(language), m_scheduler(datagrams, clock),
      m_cadence(m_scheduler, this), m_card(mainWindow.controls())
{
    setObjectName(QStringLiteral("LiveServerState"));
    ControlHost &host = mainWindow.controls();
    for (const ServerEntry &e : entries()) {
        host.build(LiveServerControls::markRows(e));
        const LiveServerControls::Marks names = LiveServerControls::marks(e);
        m_marks.push_back({host.get<PictureControl>(names.lamp), host.get<TextLabel>(names.players),
                           host.get<TextLabel>(names.maximum)});
        for (QWidget *mark : {static_cast<QWidget *>(m_marks.back().lamp), static_cast<QWidget *>(m_marks.back().players),
                              static_cast<QWidget *>(m_marks.back().maximum)})
            mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        const HoverTables::Pair &tile = menu.tilePair(e.number);
        watchRow(e.number, tile.picture, false);
        watchRow(e.number, tile.twin, false);
        watchRow(e.number, menu.nameLabel(e.number), false);
        QWidget *panel = addressPanels.panel(e.number);
        watchRow(e.number, panel, true);
        for (QWidget *inside : panel->findChildren<QWidget *>())
            watchRow(e.number, inside, true);
    }
    m_scheduler.setServers(ServerQueries::targets());
    m_scheduler.setPlayerListWanted(true);
    m_scheduler.setAskFloor(AskFloorMs);
    connect(&m_scheduler, &QueryScheduler::stateChanged, this, &LiveServerState::show);
    language.addListener([this] {
        for (int i = 0; i < m_scheduler.serverCount(); ++i)
            show(i);
    });
    m_leave.setSingleShot(true);
    m_leave.setInterval(0);
    connect(&m_leave, &QTimer::timeout, this, [this] {
        m_card.hide();
        m_cardEntry = 0;
    });
    mainWindow.installEventFilter(this);
    for (int i = 0; i < m_scheduler.serverCount(); ++i)
        show(i);
}

LiveServerState::~LiveServerState() = default;

void LiveServerState::watchRow(int number, QWidget *control, bool addressPanel)
{
    m_hoverable.insert(control, {number, addressPanel});
    control->installEventFilter(this);
}

QString LiveServerState::caption(int number)
{
    return QString::fromUtf8(entry(number).caption);
}

bool LiveServerState::english() const
{
    return m_language.current() == LanguageSwitch::Language::English;
}

bool LiveServerState::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_mainWindow) {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide
            || event->type() == QEvent::WindowStateChange)
            windowChanged();
        return false;
    }
    const auto hovered = m_hoverable.constFind(watched);
    if (hovered == m_hoverable.constEnd())
        return false;
    if (event->type() == QEvent::Enter) {
        m_leave.stop();
        showCard(*hovered);
    } else if (event->type() == QEvent::Leave) {
        m_leave.start();
    }
    return false;
}

// Shown and not minimised: asked every interval. Minimised or hidden:
// nothing is sent, not even what a running refresh still had to send.
void LiveServerState::windowChanged()
{
    const bool onScreen = m_mainWindow.isVisible() && !m_mainWindow.isMinimized();
    if (onScreen)
        m_cadence.restore();
    else if (m_cadence.isRunning())
        m_cadence.stop();
    emit onScreenChanged(onScreen);
}

void LiveServerState::show(int index)
{
    const ServerState &state = m_scheduler.state(index);
    const ServerStateTexts texts = ServerStateTexts::of(state, english(), m_clock.wallTime(), caption(index + 1));
    const Marks &m = m_marks.at(size_t(index));
    const Lamp lamp = lampOf(state.status);
    if (m.lamp->picture() != QLatin1String(lamp.picture))
        qCDebug(lamps, "entry %d: %s", index + 1, lamp.name);
    m.lamp->setPicture(QString::fromLatin1(lamp.picture));
    const bool known = state.lastSeen.isValid();
    m.players->setCaption(known ? QString::number(state.players) : texts.players);
    m.maximum->setCaption(known ? QString::number(state.maxPlayers) : QString());
    m.players->setEnabled(!texts.greyed);
    m.lamp->setAccessibleName(caption(index + 1) + QStringLiteral(": ") + texts.summary);
    m.players->setAccessibleName(texts.count);
    if (m_cardEntry == index + 1)
        m_card.fill(this->texts(index + 1));
}

void LiveServerState::showCard(const Hovered &hovered)
{
    const ServerEntry &e = entry(hovered.number);
    QPoint at(LiveServerControls::cardLeft, e.tilePlace.y() - 14);
    if (hovered.addressPanel)
        at.setX(std::max(at.x(), e.addressPanelRect.right() + 5));
    m_cardEntry = hovered.number;
    m_card.show(texts(hovered.number), at);
}

ServerStateTexts LiveServerState::texts(int number) const
{
    ServerStateTexts t = ServerStateTexts::of(m_scheduler.state(number - 1), english(), m_clock.wallTime(),
                                              caption(number), ServerCard::playerRows());
    const QString note = m_note ? m_note(number, english()) : QString();
    if (!note.isEmpty())
        t.seen = note;
    for (ServerStateTexts::PlayerLine &line : t.playerLines) {
        if (m_mark && m_mark(line.name))
            line.name.prepend(QString::fromUtf8(friendMark));
    }
    return t;
}
