#include "FriendWatch.h"

#include "Bilingual.h"
#include "CentreOnScreen.h"
#include "FriendsForm.h"
#include "JoinGate.h"
#include "LiveServerState.h"
#include "ServerCatalogue.h"
#include "app/TForm1.h"
#include "platform/controls/PictureControl.h"
#include "platform/system/TrayService.h"

namespace {
// In the top bar, between the news title and the right-hand bar pieces,
// where no other control lies.
const std::vector<ControlRow> &buttonRows()
{
    static const std::vector<ControlRow> rows = {
        {.name = "FriendsButton", .kind = ControlKind::Picture, .left = 396, .top = 2, .width = 22, .height = 15,
         .content = ":/skin/friends.jpg", .hint = "Přátelé / Friends", .cursor = Qt::PointingHandCursor, .layer = 3},
    };
    return rows;
}
} // namespace

FriendWatch::FriendWatch(TForm1 &mainWindow, FriendsForm &window, LocalFiles &files, LiveServerState &live,
                         TrayService &tray, JoinGate &gate, std::function<bool()> english)
    : QObject(&mainWindow), m_window(window), m_files(files), m_live(live), m_tray(tray), m_gate(gate),
      m_english(std::move(english)), m_list(FriendList::load(files)), m_sightings(live.scheduler().serverCount())
{
    setObjectName(QStringLiteral("FriendWatch"));
    ControlHost &host = mainWindow.controls();
    host.build(buttonRows());
    m_button = host.get<PictureControl>("FriendsButton");
    host.onClick(m_button, [this] { openWindow(); });
    host.describe({{QStringLiteral("FriendsButton"), QString(), QStringLiteral("Otevře seznam přátel / Opens the friends list")}});
    window.bind([this](const QString &name) { return add(name); }, [this](int index) { return remove(index); });
    connect(&live.scheduler(), &QueryScheduler::stateChanged, this, &FriendWatch::stateChanged);
    connect(&tray, &TrayService::balloonClicked, this, &FriendWatch::balloonClicked);
}

void FriendWatch::openWindow()
{
    m_window.showNames(m_list.names());
    centreOnScreen(m_window);
    m_window.showModal();
}

std::optional<QStringList> FriendWatch::add(const QString &name)
{
    FriendList changed = m_list;
    if (!changed.add(name))
        return std::nullopt;
    keep(changed);
    return m_list.names();
}

QStringList FriendWatch::remove(int index)
{
    FriendList changed = m_list;
    if (changed.remove(index))
        keep(changed);
    return m_list.names();
}

// The list changes only once it is written.
void FriendWatch::keep(const FriendList &list)
{
    list.save(m_files);
    m_list = list;
    emit changed();
}

void FriendWatch::stateChanged(int index)
{
    const ServerState &state = m_live.scheduler().state(index);
    const QStringList appeared = m_sightings.update(index, state, m_list);
    // The card was filled before the sightings were.
    m_live.refreshRow(index + 1);
    if (appeared.isEmpty())
        return;
    const bool english = m_english();
    const QString server = QString::fromUtf8(ServerCatalogue::entry(index + 1).caption);
    for (const QString &name : appeared) {
        m_tray.showBalloon(QStringLiteral("OVCL"),
                           bilingual(english, "%1 hraje na %2 (%3/%4)", "%1 is playing on %2 (%3/%4)")
                               .arg(name, server, QString::number(state.players), QString::number(state.maxPlayers)));
    }
    m_balloon = m_tray.balloonCount();
    m_balloonEntry = index + 1;
}

void FriendWatch::balloonClicked()
{
    if (m_balloonEntry && m_tray.balloonCount() == m_balloon)
        m_gate.requestEntry(m_balloonEntry);
}

QString FriendWatch::cardNote(int number, bool english) const
{
    const QStringList present = m_sightings.present(number - 1);
    if (present.isEmpty())
        return QString();
    return bilingual(english, "Přátelé: %1", "Friends: %1").arg(present.join(QStringLiteral(", ")));
}
