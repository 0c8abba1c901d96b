#include "StatusPages.h"

#include "PageKit.h"

namespace {

const char *const overviewCss = R"css(
body{padding:5px 6px;font-size:10px;line-height:12px;overflow-x:hidden}
.head{display:flex;justify-content:space-between;align-items:baseline;border-bottom:2px solid #ff8c1a;padding-bottom:2px;margin-bottom:2px}
.head h1{margin:0;font-size:13px}
th,td{padding:1px 3px}
tr.group td{color:#ff8c1a;font-weight:bold;background:#181818;border-bottom:1px solid #2e2e2e;padding-top:2px}
td.n{white-space:nowrap}
td.p{text-align:right;white-space:nowrap}
td.m{color:#9a9a9a}
.dot{display:inline-block;width:6px;height:6px;border-radius:3px;margin-right:4px;background:#ff8c1a}
.dot.idle{background:#555}
.foot{margin-top:4px;color:#777;text-align:right}
)css";

const char *const detailCss = R"css(
body{padding:7px}
.head{border-bottom:2px solid #ff8c1a;padding-bottom:3px;margin-bottom:6px}
.head h1{margin:0}
dl{display:grid;grid-template-columns:90px 1fr;gap:2px 6px;margin:0 0 8px}
dt{color:#9a9a9a}
dd{margin:0;color:#eee}
td.r{text-align:right}
)css";

const char *const tinyCss = R"css(
body{padding:2px 4px;font-size:10px;white-space:nowrap;overflow:hidden}
)css";

const QStringList nicknames = {
    QStringLiteral("Kocour"), QStringLiteral("[OV]Mates"), QStringLiteral("Pepa_z_Brna"),
    QStringLiteral("sniper.cz"), QStringLiteral("Tonda"), QStringLiteral("OV^Ghost"),
    QStringLiteral("Hromotluk"), QStringLiteral("xXx_Killer"), QStringLiteral("Jirka"),
    QStringLiteral("Medvěd"), QStringLiteral("Kulomet"), QStringLiteral("Lukas.CZ"),
    QStringLiteral("Vrana"), QStringLiteral("OV^Radek"), QStringLiteral("Šnek"),
    QStringLiteral("Kapitán"),
};

QString playersText(int players, int maxPlayers)
{
    return QString::number(players) + QLatin1Char('/') + QString::number(maxPlayers);
}

} // namespace

const QList<GameServer> &StatusPages::servers()
{
    static const QList<GameServer> list = {
        {QStringLiteral("OV^AIM/AWP"), QStringLiteral("Counter-Strike 1.6"), QStringLiteral("cs.orvanta.cz:27016"), QStringLiteral("awp_india"), 20},
        {QStringLiteral("OV^CLASSIC"), QStringLiteral("Counter-Strike 1.6"), QStringLiteral("cs.orvanta.cz:27015"), QStringLiteral("de_dust2"), 22},
        {QStringLiteral("OV^FUN"), QStringLiteral("Counter-Strike 1.6"), QStringLiteral("cs.orvanta.cz:27018"), QStringLiteral("fy_iceworld"), 20},
        {QStringLiteral("OV^GunGame"), QStringLiteral("Counter-Strike 1.6"), QStringLiteral("cs2.orvanta.cz:27112"), QStringLiteral("gg_simpsons"), 24},
        {QStringLiteral("OV^RENT"), QStringLiteral("Counter-Strike 1.6"), QStringLiteral("cs2.orvanta.cz:27101"), QStringLiteral("de_inferno"), 12},
        {QStringLiteral("CoD Hurtgen rifle only"), QStringLiteral("Call of Duty"), QStringLiteral("cod.orvanta.cz:28963"), QStringLiteral("mp_hurtgen"), 24},
        {QStringLiteral("CoD RENT"), QStringLiteral("Call of Duty"), QStringLiteral("cod.orvanta.cz:28965"), QStringLiteral("mp_carentan"), 16},
        {QStringLiteral("CoD2 1.0 Public server"), QStringLiteral("Call of Duty 2 - 1.0"), QStringLiteral("cod2.orvanta.cz:28971"), QStringLiteral("mp_toujane"), 24},
        {QStringLiteral("COD2 v1.0 RENT"), QStringLiteral("Call of Duty 2 - 1.0"), QStringLiteral("cod2.orvanta.cz:28981"), QStringLiteral("mp_burgundy"), 16},
        {QStringLiteral("CoD2 1.3 No fog"), QStringLiteral("Call of Duty 2 - 1.3"), QStringLiteral("cod2.orvanta.cz:28970"), QStringLiteral("mp_carentan"), 32},
        {QStringLiteral("COD2 v1.3 RENT"), QStringLiteral("Call of Duty 2 - 1.3"), QStringLiteral("cod2.orvanta.cz:28980"), QStringLiteral("mp_matmata"), 16},
        {QStringLiteral("AVP2"), QStringLiteral("Alien vs Predator 2"), QStringLiteral("avp.orvanta.cz:27888"), QStringLiteral("Leadworks"), 16},
        {QStringLiteral("UT"), QStringLiteral("Unreal Tournament"), QStringLiteral("ut.orvanta.cz:7777"), QStringLiteral("DM-Deck16]["), 16},
        {QStringLiteral("UT2004"), QStringLiteral("Unreal Tournament 2004"), QStringLiteral("ut.orvanta.cz:8778"), QStringLiteral("DM-Rankin"), 16},
    };
    return list;
}

QByteArray StatusPages::overview(const QList<int> &players)
{
    int total = 0;
    for (int p : players)
        total += p;

    QString rows;
    QString group;
    const QList<GameServer> &list = servers();
    for (int i = 0; i < list.size(); ++i) {
        const GameServer &s = list.at(i);
        const int n = i < players.size() ? players.at(i) : 0;
        if (s.game != group) {
            group = s.game;
            rows += QStringLiteral("<tr class=\"group\"><td colspan=\"3\">%1</td></tr>\n")
                        .arg(PageKit::escape(group));
        }
        rows += QStringLiteral("<tr><td class=\"n\"><span class=\"dot%1\"></span>%2</td>"
                               "<td class=\"m\">%3</td><td class=\"p\">%4</td></tr>\n")
                    .arg(n > 0 ? QString() : QStringLiteral(" idle"), PageKit::escape(s.name),
                         PageKit::escape(s.map), playersText(n, s.maxPlayers));
    }

    const QString body = QStringLiteral(
        "<div class=\"head\"><h1>ORVANTA servery</h1>"
        "<span>Online: <b class=\"accent\">%1</b> hráčů</span></div>\n"
        "<table>\n<tr><th>Server</th><th>Mapa</th><th style=\"text-align:right\">Hráči</th></tr>\n"
        "%2</table>\n"
        "<div class=\"foot\">Stav serverů / server status</div>")
        .arg(total)
        .arg(rows);
    return PageKit::page(QStringLiteral("Orvanta - stav serverů"), QStringLiteral("cs"), body,
                         QString::fromUtf8(overviewCss));
}

QByteArray StatusPages::serverDetail(int index, int players)
{
    const GameServer &s = servers().at(qBound(0, index, int(servers().size()) - 1));
    players = qBound(0, players, s.maxPlayers);

    QString rows;
    for (int i = 0; i < players; ++i) {
        const QString nick = nicknames.at((index * 5 + i * 3) % nicknames.size());
        const int score = (i * 37 + index * 11) % 45 + (players - i);
        const int ping = 18 + (i * 29 + index * 7) % 90;
        rows += QStringLiteral("<tr><td>%1</td><td class=\"r\">%2</td><td class=\"r\">%3</td></tr>\n")
                    .arg(PageKit::escape(nick))
                    .arg(score)
                    .arg(ping);
    }
    if (rows.isEmpty())
        rows = QStringLiteral("<tr><td colspan=\"3\" class=\"dim\">Server je prázdný / no players</td></tr>\n");

    const QString body = QStringLiteral(
        "<div class=\"head\"><h1>%1</h1><span class=\"dim\">%2</span></div>\n"
        "<dl><dt>Adresa</dt><dd>%3</dd>"
        "<dt>Stav</dt><dd class=\"up\">online</dd>"
        "<dt>Mapa</dt><dd>%4</dd>"
        "<dt>Hráči</dt><dd>%5</dd></dl>\n"
        "<h2>Hráči / Players</h2>\n"
        "<table><tr><th>Nick</th><th style=\"text-align:right\">Skóre</th>"
        "<th style=\"text-align:right\">Ping</th></tr>\n%6</table>")
        .arg(PageKit::escape(s.name), PageKit::escape(s.game), PageKit::escape(s.address),
             PageKit::escape(s.map), playersText(players, s.maxPlayers), rows);
    return PageKit::page(s.name + QStringLiteral(" - stav serveru"), QStringLiteral("cs"), body,
                         QString::fromUtf8(detailCss));
}

QByteArray StatusPages::accessStatistics(qint64 accesses)
{
    return PageKit::page(QStringLiteral("Statistika"), QStringLiteral("cs"),
                         QStringLiteral("Přístupů: <b class=\"accent\">%1</b>").arg(accesses),
                         QString::fromUtf8(tinyCss));
}

QByteArray StatusPages::onlineStatistics(int online, const QList<int> &players)
{
    int busy = 0;
    for (int p : players)
        busy += p > 0 ? 1 : 0;
    return PageKit::page(QStringLiteral("Online"), QStringLiteral("cs"),
                         QStringLiteral("Online: <b class=\"accent\">%1</b> hráčů na %2 serverech")
                             .arg(online)
                             .arg(busy),
                         QString::fromUtf8(tinyCss));
}

QByteArray StatusPages::versionStatistics(const QString &version, qint64 reports)
{
    return PageKit::page(QStringLiteral("OVCL ") + version, QStringLiteral("cs"),
                         QStringLiteral("OVCL %1: <b class=\"accent\">%2</b> spuštění")
                             .arg(PageKit::escape(version))
                             .arg(reports),
                         QString::fromUtf8(tinyCss));
}
