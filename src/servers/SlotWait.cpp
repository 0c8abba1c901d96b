#include "SlotWait.h"

#include "Bilingual.h"
#include "LiveServerControls.h"
#include "LiveServerState.h"
#include "ServerCatalogue.h"
#include "ServerMenu.h"
#include "app/TForm1.h"
#include "platform/controls/PictureControl.h"
#include "platform/system/TrayService.h"
#include "query/ServerSlots.h"

namespace {
// The mark lies over the row's lamp, above it.
std::vector<ControlRow> markRow(const ServerCatalogue::ServerEntry &e)
{
    const char *name = keptText(QByteArray("WaitMark") + QByteArray::number(e.number));
    return {{.name = name, .kind = ControlKind::Picture, .left = LiveServerControls::columnLeft - 1,
             .top = e.tilePlace.y() + 6, .width = 9, .height = 9, .content = ":/skin/state_wait.png",
             .visible = false, .layer = 4}};
}
} // namespace

SlotWait::SlotWait(TForm1 &mainWindow, LiveServerState &live, ServerMenu &menu, TrayService &tray,
                   std::function<bool()> english)
    : QObject(&mainWindow), m_live(live), m_menu(menu), m_tray(tray), m_english(std::move(english))
{
    setObjectName(QStringLiteral("SlotWait"));
    ControlHost &host = mainWindow.controls();
    for (const ServerCatalogue::ServerEntry &e : ServerCatalogue::entries()) {
        const std::vector<ControlRow> rows = markRow(e);
        host.build(rows);
        m_marks.push_back(host.get<PictureControl>(rows.front().name));
        m_marks.back()->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_ask.setInterval(AskIntervalMs);
    m_timeout.setInterval(TimeoutMs);
    m_timeout.setSingleShot(true);
    connect(&m_ask, &QTimer::timeout, this, &SlotWait::ask);
    connect(&m_timeout, &QTimer::timeout, this, &SlotWait::timedOut);
    connect(&live.scheduler(), &QueryScheduler::stateChanged, this, &SlotWait::stateChanged);
}

void SlotWait::begin(const JoinAction &action)
{
    const int before = m_entry;
    m_action = &action;
    m_entry = action.entry;
    if (before && before != m_entry) {
        m_marks.at(size_t(before - 1))->hide();
        m_live.refreshRow(before);
    }
    m_marks.at(size_t(m_entry - 1))->show();
    m_live.refreshRow(m_entry);
    m_ask.start();
    m_timeout.start();
    ask();
    emit changed();
}

void SlotWait::stop()
{
    if (isWaiting())
        end();
}

QString SlotWait::cardNote(int number, bool english) const
{
    return number == m_entry ? bilingual(english, "Čekám na místo…", "Waiting for a slot…") : QString();
}

void SlotWait::ask()
{
    m_live.scheduler().ask(m_entry - 1);
}

void SlotWait::stateChanged(int index)
{
    if (!isWaiting() || index != m_entry - 1 || !ServerSlots::hasFreeSlot(m_live.scheduler().state(index)))
        return;
    const JoinAction &action = *m_action;
    end();
    const bool english = m_english();
    m_tray.showBalloon(QStringLiteral("OVCL"), bilingual(english, "Místo je volné, připojuji", "A slot is free, joining"));
    m_menu.join(action);
}

void SlotWait::timedOut()
{
    const QString server = QString::fromUtf8(ServerCatalogue::entry(m_entry).caption);
    end();
    const bool english = m_english();
    m_tray.showBalloon(QStringLiteral("OVCL"), bilingual(english, "Na %1 se místo neuvolnilo, už nečekám",
                                                  "No slot came free on %1, stopped waiting")
                                                   .arg(server));
}

void SlotWait::end()
{
    const int was = m_entry;
    m_entry = 0;
    m_action = nullptr;
    m_ask.stop();
    m_timeout.stop();
    m_marks.at(size_t(was - 1))->hide();
    m_live.refreshRow(was);
    emit changed();
}
