#include "TrayServers.h"

#include "Bilingual.h"
#include "JoinGate.h"
#include "LiveServerState.h"
#include "ServerCatalogue.h"
#include "SlotWait.h"
#include "app/WindowChrome.h"
#include "config/LanguageSwitch.h"
#include "platform/system/TrayService.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

using namespace ServerCatalogue;

namespace {
// A menu shows '&' only doubled.
QString menuText(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString caption(int number)
{
    return QString::fromUtf8(entry(number).caption);
}
} // namespace

TrayServers::TrayServers(WindowChrome &chrome, TrayService &tray, LiveServerState &live, SlotWait &wait,
                         JoinGate &gate, LanguageSwitch &language)
    : QObject(&chrome.trayMenu()), m_tray(tray), m_live(live), m_wait(wait), m_language(language),
      m_popup(&chrome.trayMenu()), m_before(&chrome.about())
{
    setObjectName(QStringLiteral("TrayServers"));
    QMenu &popup = chrome.trayMenu();
    m_menu = new QMenu(&popup);
    m_menu->setObjectName(QStringLiteral("ServersMenu"));
    Group last{};
    bool first = true;
    for (const ServerEntry &e : entries()) {
        if (first || e.group != last)
            m_sections.push_back(m_menu->addSection(QString::fromUtf8(groupOf(e).headerCaption).trimmed()));
        first = false;
        last = e.group;
        QAction *item = m_menu->addAction(QString());
        item->setObjectName(QStringLiteral("ServerItem%1").arg(e.number));
        connect(item, &QAction::triggered, this, [&gate, number = e.number] { gate.requestEntry(number); });
        m_items.push_back(item);
    }
    m_menuAction = popup.insertMenu(m_before, m_menu);
    m_menuAction->setObjectName(QStringLiteral("Servers1"));
    m_stop = new QAction(&popup);
    m_stop->setObjectName(QStringLiteral("StopWaiting1"));
    popup.insertAction(m_before, m_stop);
    connect(m_stop, &QAction::triggered, &wait, &SlotWait::stop);
    popup.insertSeparator(m_before);

    connect(&live.scheduler(), &QueryScheduler::stateChanged, this, &TrayServers::update);
    connect(&wait, &SlotWait::changed, this, &TrayServers::update);
    language.addListener([this] { update(); });
    update();
}

QAction &TrayServers::addEntry(const char *name, const char *czech, const char *english,
                               std::function<void()> click)
{
    auto *action = new QAction(m_popup);
    action->setObjectName(QLatin1String(name));
    m_popup->insertAction(m_stop, action);
    connect(action, &QAction::triggered, this, std::move(click));
    m_entries.push_back({action, czech, english});
    update();
    return *action;
}

bool TrayServers::english() const
{
    return m_language.current() == LanguageSwitch::Language::English;
}

void TrayServers::update()
{
    const bool english = this->english();
    m_menuAction->setText(bilingual(english, "Servery", "Servers"));
    for (const Entry &entry : m_entries)
        entry.action->setText(bilingual(english, entry.czech, entry.english));
    for (const ServerEntry &e : entries()) {
        const ServerState &state = m_live.scheduler().state(e.number - 1);
        QString text = menuText(caption(e.number));
        if (state.lastSeen.isValid())
            text += QStringLiteral(" %1/%2").arg(state.players).arg(state.maxPlayers);
        QAction *item = m_items.at(size_t(e.number - 1));
        item->setText(text);
        item->setEnabled(state.status != ServerState::Status::Offline);
    }
    m_stop->setText(m_wait.isWaiting()
                        ? bilingual(english, "Přestat čekat", "Stop waiting") + QStringLiteral(" (")
                              + menuText(caption(m_wait.entry())) + QLatin1Char(')')
                        : QString());
    m_stop->setVisible(m_wait.isWaiting());
    m_tray.setToolTip(toolTip());
}

QString TrayServers::toolTip() const
{
    const bool english = this->english();
    QStringList lines{QStringLiteral("OV Game Client")};
    int online = 0;
    bool anyOnline = false;
    std::vector<int> busy;
    for (const ServerEntry &e : entries()) {
        const ServerState &state = m_live.scheduler().state(e.number - 1);
        if (!state.isOnline())
            continue;
        anyOnline = true;
        online += state.players;
        if (state.players > 0)
            busy.push_back(e.number);
    }
    std::stable_sort(busy.begin(), busy.end(), [this](int a, int b) {
        return m_live.scheduler().state(a - 1).players > m_live.scheduler().state(b - 1).players;
    });
    // Before any server has answered, the tooltip only names the launcher.
    if (anyOnline)
        lines << bilingual(english, "Hráčů online: %1", "Players online: %1").arg(online);
    for (size_t i = 0; i < busy.size() && i < size_t(BusiestShown); ++i) {
        const ServerState &state = m_live.scheduler().state(busy[i] - 1);
        lines << QStringLiteral("%1 %2/%3").arg(caption(busy[i])).arg(state.players).arg(state.maxPlayers);
    }
    if (m_wait.isWaiting())
        lines << bilingual(english, "Čekám na místo: %1", "Waiting for a slot: %1").arg(caption(m_wait.entry()));
    return lines.join(QLatin1Char('\n'));
}
