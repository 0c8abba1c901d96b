#include "CommunitySite.h"

#include "NewsPages.h"
#include "PageKit.h"
#include "StatusPages.h"

#include <QTime>

#include <random>

namespace {

// The access counter does not start at zero: the site has been around a while.
constexpr qint64 accessBase = 48213;
constexpr int chatKept = 40;
constexpr int speedTestBytes = 512 * 1024;

const QString speedTestData = QStringLiteral("/serverstatus/speedtest/data.bin");

// Players per server for one round of the online counter; rented servers are
// mostly empty.
QList<int> playersForRound(quint32 round)
{
    std::mt19937 rng(0x0f5a1u + round * 7919u);
    QList<int> players;
    const QList<GameServer> &servers = StatusPages::servers();
    for (const GameServer &s : servers) {
        const bool rented = s.name.contains(QLatin1String("RENT"));
        const int cap = rented ? s.maxPlayers / 4 : s.maxPlayers / 2;
        const int n = int(rng() % quint32(cap + 1));
        players.append(rented && rng() % 3 != 0 ? 0 : n);
    }
    return players;
}

int total(const QList<int> &players)
{
    int sum = 0;
    for (int p : players)
        sum += p;
    return sum;
}

const QByteArray &speedTestBlob()
{
    static const QByteArray blob = [] {
        QByteArray data(speedTestBytes, Qt::Uninitialized);
        std::mt19937 rng(4711u);
        for (char &c : data)
            c = char(rng() & 0xff);
        return data;
    }();
    return blob;
}

SiteReply html(const QByteArray &body)
{
    return SiteReply{200, body, QString::fromLatin1(PageKit::htmlType())};
}

SiteReply text(const QByteArray &body)
{
    return SiteReply{200, body, QString::fromLatin1(PageKit::textType())};
}

} // namespace

CommunitySite::CommunitySite() : m_players(playersForRound(0))
{
    m_chat = {
        {QStringLiteral("19:02"), QStringLiteral("OV^Radek"), QStringLiteral("Vítejte v novém chatu, je zatím v testování.")},
        {QStringLiteral("19:05"), QStringLiteral("Kocour"), QStringLiteral("super, jde to :)")},
        {QStringLiteral("19:07"), QStringLiteral("Tonda"), QStringLiteral("kdo jde na CoD2 No fog?")},
        {QStringLiteral("19:08"), QStringLiteral("Medvěd"), QStringLiteral("já, za 5 minut")},
        {QStringLiteral("19:12"), QStringLiteral("sniper.cz"), QStringLiteral("na AWP je dneska plno")},
    };
}

void CommunitySite::countAccess()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_accesses;
}

QByteArray CommunitySite::versionDescriptor()
{
    return QByteArrayLiteral("[Setting]\r\n"
                             "ver=1.9\r\n"
                             "new1=Nový vzhled, rychlejší start\r\n"
                             "new2=New look, faster start-up\r\n");
}

QByteArray CommunitySite::legacyVersionDescriptor()
{
    return QByteArrayLiteral("[Setting]\r\n"
                             "ver=1.9\r\n"
                             "news=Nový vzhled / New look\r\n");
}

QByteArray CommunitySite::nextOnlineCount()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int before = total(m_players);
    // Every fetch sees a new count: players come and go between fetches.
    for (int attempt = 0; attempt < 16; ++attempt) {
        m_players = playersForRound(++m_onlineRound);
        if (total(m_players) != before)
            break;
    }
    return QByteArray::number(total(m_players));
}

QList<int> CommunitySite::playersNow() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_players;
}

std::optional<SiteReply> CommunitySite::reply(const SiteRequest &request)
{
    const QString &path = request.path;
    const bool post = request.method == QLatin1String("POST");

    if (path == QLatin1String("/serverstatus/update/version.inf"))
        return text(versionDescriptor());
    if (path == QLatin1String("/serverstatus/update/version.dat"))
        return text(legacyVersionDescriptor());
    if (path == QLatin1String("/serverstatus/statistic/pocet.inc")) {
        std::lock_guard<std::mutex> lock(m_mutex);
        return text(QByteArray::number(accessBase + m_accesses));
    }
    if (path == QLatin1String("/serverstatus/statistic/online/online.inc"))
        return text(nextOnlineCount());

    if (path == QLatin1String("/serverstatus/index.php"))
        return html(StatusPages::overview(playersNow()));
    if (path == QLatin1String("/serverstatus/ip11.php"))
        return html(StatusPages::serverDetail(10, playersNow().value(10)));
    if (path == QLatin1String("/serverstatus/statistic/")) {
        std::lock_guard<std::mutex> lock(m_mutex);
        return html(StatusPages::accessStatistics(accessBase + m_accesses));
    }
    if (path == QLatin1String("/serverstatus/statistic/online/")) {
        const QList<int> players = playersNow();
        return html(StatusPages::onlineStatistics(total(players), players));
    }
    if (path == QLatin1String("/serverstatus/statistic/1.8.3/")) {
        std::lock_guard<std::mutex> lock(m_mutex);
        return html(StatusPages::versionStatistics(QStringLiteral("1.8.3"), 1520 + ++m_versionReports));
    }

    if (path == QLatin1String("/serverstatus/novinky.php"))
        return html(NewsPages::czechBox());
    if (path == QLatin1String("/serverstatus/news.php"))
        return html(NewsPages::englishBox());
    if (path == QLatin1String("/serverstatus/ov_news.php"))
        return html(NewsPages::newsWindow());
    if (path == QLatin1String("/"))
        return html(NewsPages::home(playersNow()));

    if (path == QLatin1String("/serverstatus/bug.php"))
        return html(post ? ServicePages::bugReportThanks(request.params.value(QStringLiteral("nick")))
                         : ServicePages::bugReport());
    if (path == QLatin1String("/serverstatus/speedtest/"))
        return html(ServicePages::speedTest(QStringLiteral("data.bin")));
    if (path == speedTestData)
        return SiteReply{200, speedTestBlob(), QStringLiteral("application/octet-stream")};
    if (path == QLatin1String("/amxbans/ban_list.php"))
        return html(ServicePages::banList());
    if (path == QLatin1String("/chat/")) {
        std::lock_guard<std::mutex> lock(m_mutex);
        const QString message = request.params.value(QStringLiteral("msg")).trimmed();
        if (post && !message.isEmpty()) {
            QString nick = request.params.value(QStringLiteral("nick")).trimmed().left(20);
            if (nick.isEmpty())
                nick = QStringLiteral("host");
            m_chat.append({QTime::currentTime().toString(QStringLiteral("hh:mm")), nick, message.left(200)});
            while (m_chat.size() > chatKept)
                m_chat.removeFirst();
        }
        return html(ServicePages::chat(m_chat));
    }
    return std::nullopt;
}
