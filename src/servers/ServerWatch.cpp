#include "ServerWatch.h"

#include "Bilingual.h"
#include "JoinGate.h"
#include "LiveServerControls.h"
#include "LiveServerState.h"
#include "ServerCatalogue.h"
#include "app/TForm1.h"
#include "config/LocalFiles.h"
#include "platform/controls/PictureControl.h"
#include "platform/system/TrayService.h"
#include "query/ServerSlots.h"

namespace {
// Over the row's lamp and count: the click area and the ring.
std::vector<ControlRow> watchRows(const ServerCatalogue::ServerEntry &e)
{
    const int top = e.tilePlace.y();
    const QByteArray number = QByteArray::number(e.number);
    return {
        {.name = keptText("WatchRing" + number), .kind = ControlKind::Picture,
         .left = LiveServerControls::columnLeft - 1, .top = top + 6, .width = 9, .height = 9,
         .content = ":/skin/state_watch.png", .visible = false, .layer = 3},
        {.name = keptText("WatchToggle" + number), .kind = ControlKind::Picture,
         .left = LiveServerControls::columnLeft - 1, .top = top, .width = 20, .height = 21,
         .hint = "Hlídat server / Watch the server", .cursor = Qt::PointingHandCursor, .layer = 3},
    };
}
} // namespace

ServerWatch::ServerWatch(TForm1 &mainWindow, LocalFiles &files, LiveServerState &live, TrayService &tray,
                         JoinGate &gate, std::function<bool()> english)
    : QObject(&mainWindow), m_files(files), m_live(live), m_tray(tray), m_gate(gate), m_english(std::move(english)),
      m_watched(ServerCatalogue::entries().size(), false), m_before(ServerCatalogue::entries().size())
{
    setObjectName(QStringLiteral("ServerWatch"));
    ControlHost &host = mainWindow.controls();
    for (const auto &[number, value] : files.readNumbered(LocalFiles::watch, int(m_watched.size()))) {
        if (value == QLatin1String(LocalFiles::onText))
            m_watched.at(size_t(number - 1)) = true;
    }
    for (const ServerCatalogue::ServerEntry &e : ServerCatalogue::entries()) {
        const std::vector<ControlRow> rows = watchRows(e);
        host.build(rows);
        m_rings.push_back(host.get<PictureControl>(rows[0].name));
        m_rings.back()->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_rings.back()->setVisible(isWatched(e.number));
        m_toggles.push_back(host.get<PictureControl>(rows[1].name));
        host.onClick(m_toggles.back(), [this, number = e.number] { toggle(number); });
        host.describe({{QLatin1String(rows[1].name), QString(), QString::fromUtf8(e.caption)}});
    }
    connect(&live.scheduler(), &QueryScheduler::stateChanged, this, &ServerWatch::stateChanged);
    connect(&tray, &TrayService::balloonClicked, this, &ServerWatch::balloonClicked);
}

void ServerWatch::toggle(int number)
{
    std::vector<bool> watched = m_watched;
    watched.at(size_t(number - 1)) = !watched.at(size_t(number - 1));
    QList<QPair<int, QString>> kept;
    for (size_t i = 0; i < watched.size(); ++i) {
        if (watched[i])
            kept.append({int(i) + 1, QLatin1String(LocalFiles::onText)});
    }
    m_files.writeNumbered(LocalFiles::watch, kept);
    m_watched = watched;
    m_rings.at(size_t(number - 1))->setVisible(isWatched(number));
    emit changed();
}

QVector<int> ServerWatch::watchedServers() const
{
    QVector<int> indices;
    for (size_t i = 0; i < m_watched.size(); ++i) {
        if (m_watched[i])
            indices << int(i);
    }
    return indices;
}

void ServerWatch::stateChanged(int index)
{
    const ServerState &now = m_live.scheduler().state(index);
    const ServerState before = m_before.at(size_t(index));
    m_before.at(size_t(index)) = now;
    if (!m_watched.at(size_t(index)) || !now.isOnline())
        return;
    const bool english = m_english();
    const QString server = QString::fromUtf8(ServerCatalogue::entry(index + 1).caption);
    const QString count = QStringLiteral("%1/%2").arg(now.players).arg(now.maxPlayers);
    QString text;
    if (before.status == ServerState::Status::Offline)
        text = bilingual(english, "%1 zase běží (%2)", "%1 is up again (%2)").arg(server, count);
    else if (before.isOnline() && ServerSlots::isFull(before) && ServerSlots::hasFreeSlot(now))
        text = bilingual(english, "Na %1 je volné místo (%2)", "A slot is free on %1 (%2)").arg(server, count);
    if (text.isEmpty())
        return;
    m_tray.showBalloon(QStringLiteral("OVCL"), text);
    m_balloon = m_tray.balloonCount();
    m_balloonEntry = index + 1;
}

void ServerWatch::balloonClicked()
{
    if (m_balloonEntry && m_tray.balloonCount() == m_balloon)
        m_gate.requestEntry(m_balloonEntry);
}
