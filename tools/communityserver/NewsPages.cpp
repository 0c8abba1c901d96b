#include "NewsPages.h"

#include "PageKit.h"
#include "StatusPages.h"

namespace {

struct NewsItem
{
    const char *date;
    const char *czech;
    const char *english;
    const char *czechShort;   // one line of the small news box
    const char *englishShort;
};

// Newest first.
const NewsItem newsItems[] = {
    {"14.03.2008", "Vyšla nová verze OVCL 1.9 - rychlejší start a nový vzhled.",
     "OVCL 1.9 is out - faster start-up and a new look.",
     "OVCL 1.9 ke stažení", "OVCL 1.9 released"},
    {"02.03.2008", "Nový server OV^GunGame běží nonstop, přijďte si zahrát!",
     "The new OV^GunGame server runs around the clock, come and play!",
     "Server OV^GunGame", "OV^GunGame server"},
    {"20.02.2008", "Na CoD2 1.3 No fog přibyly mapy mp_toujane a mp_burgundy.",
     "CoD2 1.3 No fog got the maps mp_toujane and mp_burgundy.",
     "CoD2: nové mapy", "CoD2: new maps"},
    {"05.02.2008", "Turnaj UT2004 o ceny proběhne v sobotu od 18:00.",
     "The UT2004 prize tournament starts on Saturday at 6 pm.",
     "Turnaj UT2004", "UT2004 cup"},
};

const char *const boxCss = R"css(
body{padding:3px 4px;font-size:10px;line-height:13px;background:#0d0d0d;overflow:hidden}
ul{list-style:none;margin:0;padding:0}
li{margin:0 0 2px;padding-left:7px;position:relative;white-space:nowrap;overflow:hidden;text-overflow:ellipsis}
li:before{content:"";position:absolute;left:0;top:4px;width:3px;height:3px;background:#ff8c1a}
)css";

const char *const windowCss = R"css(
body{padding:10px 14px;background:#0d0d0d}
.head{border-bottom:2px solid #ff8c1a;padding-bottom:4px;margin-bottom:8px;display:flex;justify-content:space-between;align-items:baseline}
.head h1{margin:0;font-size:16px}
.item{background:#171717;border-left:3px solid #ff8c1a;padding:5px 8px;margin-bottom:6px}
.item .en{color:#9a9a9a}
)css";

const char *const homeCss = R"css(
body{background:#0a0a0a}
header{background:linear-gradient(#1f1f1f,#0f0f0f);border-bottom:3px solid #ff8c1a;padding:14px 24px}
header .logo{font-size:28px;font-weight:bold;color:#ff8c1a;letter-spacing:4px}
header .tag{color:#9a9a9a;margin-left:8px}
nav{background:#161616;border-bottom:1px solid #262626;padding:6px 24px}
nav a{margin-right:18px;font-weight:bold}
main{display:flex;gap:16px;padding:14px 24px;max-width:960px}
.news{flex:2}
.side{flex:1}
.item{background:#171717;border-left:3px solid #ff8c1a;padding:6px 10px;margin-bottom:8px}
footer{color:#666;padding:10px 24px;border-top:1px solid #222}
td.p{text-align:right}
)css";

QString boxBody(bool czech)
{
    QString list = QStringLiteral("<ul>\n");
    // Four one-line items fill the box.
    for (int i = 0; i < 4; ++i) {
        const NewsItem &n = newsItems[i];
        list += QStringLiteral("<li><span class=\"date\">%1</span> %2</li>\n")
                    .arg(QString::fromUtf8(n.date).left(6),
                         PageKit::escape(QString::fromUtf8(czech ? n.czechShort : n.englishShort)));
    }
    return list + QStringLiteral("</ul>");
}

QString itemBlock(const NewsItem &n)
{
    return QStringLiteral("<div class=\"item\"><span class=\"date\">%1</span> %2<br>"
                          "<span class=\"en\">%3</span></div>\n")
        .arg(QString::fromUtf8(n.date), PageKit::escape(QString::fromUtf8(n.czech)),
             PageKit::escape(QString::fromUtf8(n.english)));
}

} // namespace

QByteArray NewsPages::czechBox()
{
    return PageKit::page(QStringLiteral("Novinky"), QStringLiteral("cs"), boxBody(true),
                         QString::fromUtf8(boxCss));
}

QByteArray NewsPages::englishBox()
{
    return PageKit::page(QStringLiteral("News"), QStringLiteral("en"), boxBody(false),
                         QString::fromUtf8(boxCss));
}

QByteArray NewsPages::newsWindow()
{
    QString body = QStringLiteral("<div class=\"head\"><h1>Novinky / News</h1>"
                                  "<span class=\"dim\">Orvanta Game Client</span></div>\n");
    for (const NewsItem &n : newsItems)
        body += itemBlock(n);
    body += QStringLiteral("<p class=\"dim\">Více na webu komunity / more on the community site: "
                           "<a href=\"/\">Orvanta</a></p>");
    return PageKit::page(QStringLiteral("Orvanta - Novinky / News"), QStringLiteral("cs"), body,
                         QString::fromUtf8(windowCss));
}

QByteArray NewsPages::home(const QList<int> &players)
{
    QString news;
    for (const NewsItem &n : newsItems)
        news += itemBlock(n);

    QString rows;
    const QList<GameServer> &list = StatusPages::servers();
    for (int i = 0; i < list.size(); ++i) {
        const int n = i < players.size() ? players.at(i) : 0;
        rows += QStringLiteral("<tr><td>%1</td><td class=\"p\">%2/%3</td></tr>\n")
                    .arg(PageKit::escape(list.at(i).name))
                    .arg(n)
                    .arg(list.at(i).maxPlayers);
    }

    const QString body = QStringLiteral(
        "<header><span class=\"logo\">ORVANTA</span>"
        "<span class=\"tag\">herní komunita / gaming community</span></header>\n"
        "<nav><a href=\"/\">Úvod</a><a href=\"/serverstatus/index.php\">Servery</a>"
        "<a href=\"/amxbans/ban_list.php\">Banlist</a><a href=\"/chat/\">Chat</a>"
        "<a href=\"/serverstatus/speedtest/\">Speedtest</a>"
        "<a href=\"/serverstatus/bug.php\">Bug report</a></nav>\n"
        "<main><section class=\"news\"><h2>Novinky / News</h2>\n%1</section>\n"
        "<aside class=\"side\"><h2>Servery / Servers</h2>\n<table>%2</table>\n"
        "<h2>OVCL</h2><p>Orvanta Game Client spojí tvou hru s našimi servery jedním kliknutím. "
        "Aktuální verze je 1.9.</p></aside></main>\n"
        "<footer>&copy; 2008 Orvanta &middot; Counter-Strike, Call of Duty, AvP2, "
        "Unreal Tournament</footer>")
        .arg(news, rows);
    return PageKit::page(QStringLiteral("Orvanta - herní komunita"), QStringLiteral("cs"), body,
                         QString::fromUtf8(homeCss));
}
