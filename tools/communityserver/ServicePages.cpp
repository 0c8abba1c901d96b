#include "ServicePages.h"

#include "PageKit.h"

namespace {

const char *const formCss = R"css(
body{padding:8px 12px}
label{display:block;color:#ff8c1a;margin:4px 0 1px}
input[type=text]{width:180px}
textarea{width:100%;height:90px;resize:none}
.row{display:flex;gap:12px}
.send{margin-top:6px;text-align:right}
)css";

const char *const speedCss = R"css(
body{padding:16px 20px}
.panel{background:#171717;border:1px solid #2b2b2b;border-top:3px solid #ff8c1a;padding:14px;max-width:520px}
#result{margin-top:12px;font-size:13px;min-height:20px}
#bar{height:8px;background:#222;margin-top:10px}
#fill{height:8px;width:0;background:#ff8c1a}
button{font-size:12px;padding:5px 14px}
)css";

const char *const speedScript = R"js(
function runTest(){
  var out=document.getElementById('result'), fill=document.getElementById('fill');
  out.textContent='Měřím... / Testing...'; fill.style.width='30%';
  var t0=performance.now();
  fetch('%DATA%?t='+Date.now(),{cache:'no-store'}).then(function(r){
    if(!r.ok) throw new Error(r.status); return r.arrayBuffer();
  }).then(function(b){
    var s=Math.max((performance.now()-t0)/1000,0.001), mbit=b.byteLength*8/s/1e6;
    fill.style.width='100%';
    out.innerHTML='Rychlost / Speed: <b class="accent">'+mbit.toFixed(2)+' Mbit/s</b> <span class="dim">('
      +Math.round(b.byteLength/1024)+' kB, '+s.toFixed(2)+' s)</span>';
  }).catch(function(){ fill.style.width='0'; out.textContent='Test selhal / Test failed'; });
}
)js";

const char *const banCss = R"css(
body{padding:14px 20px}
.head{border-bottom:2px solid #ff8c1a;margin-bottom:8px;padding-bottom:3px}
tr:nth-child(even) td{background:#151515}
td.len{white-space:nowrap}
)css";

const char *const chatCss = R"css(
html,body{height:100%}
body{display:flex;flex-direction:column}
.head{background:#171717;border-bottom:2px solid #ff8c1a;padding:6px 10px}
.head h1{margin:0;font-size:13px}
.log{flex:1;overflow-y:auto;padding:6px 10px}
.msg{margin-bottom:3px}
.msg .t{color:#666;margin-right:4px}
.msg .who{color:#ff8c1a;font-weight:bold;margin-right:4px}
form{display:flex;gap:6px;padding:6px 10px;background:#151515;border-top:1px solid #2b2b2b}
form input[name=msg]{flex:1}
form input[name=nick]{width:90px}
)css";

struct Ban
{
    const char *date;
    const char *nick;
    const char *steamId;
    const char *reason;
    const char *length;
    const char *admin;
};

const Ban bans[] = {
    {"12.03.2008", "xXx_Killer", "STEAM_0:1:1784231", "wallhack", "trvale / permanent", "OV^Radek"},
    {"10.03.2008", "noob123", "STEAM_0:0:9912754", "spawn killing", "1 den / 1 day", "OV^Ghost"},
    {"07.03.2008", "Franta_CZ", "STEAM_0:1:4410987", "nadávky / insults", "3 hodiny / 3 hours", "OV^Radek"},
    {"01.03.2008", "aimbot_pro", "STEAM_0:0:2231876", "aimbot", "trvale / permanent", "OV^Admin"},
    {"26.02.2008", "Spammer", "STEAM_0:1:6654120", "reklama / advertising", "1 týden / 1 week", "OV^Ghost"},
    {"19.02.2008", "TeamKiller", "STEAM_0:0:3308841", "team kill", "2 dny / 2 days", "OV^Admin"},
};

} // namespace

QByteArray ServicePages::bugReport()
{
    const QString body = QStringLiteral(
        "<form method=\"post\" action=\"bug.php\">\n"
        "<div class=\"row\"><div><label>Nick</label><input type=\"text\" name=\"nick\"></div>\n"
        "<div><label>Verze OVCL / Version</label><input type=\"text\" name=\"verze\" value=\"1.8.3\"></div></div>\n"
        "<label>Popis chyby / Bug description</label>\n"
        "<textarea name=\"popis\" placeholder=\"Co se stalo a kdy? / What happened and when?\"></textarea>\n"
        "<div class=\"send\"><input type=\"submit\" value=\"Odeslat / Send\"></div>\n"
        "</form>");
    return PageKit::page(QStringLiteral("OVCL bug report"), QStringLiteral("cs"), body,
                         QString::fromUtf8(formCss));
}

QByteArray ServicePages::bugReportThanks(const QString &nick)
{
    const QString who = nick.trimmed().isEmpty() ? QString() : QStringLiteral(", ") + PageKit::escape(nick.trimmed());
    const QString body = QStringLiteral("<h1>Děkujeme%1!</h1>\n<p>Hlášení jsme přijali a vývojář se na něj "
                                        "podívá.</p>\n<p class=\"dim\">Thank you, the report has been "
                                        "received.</p>\n<p><a href=\"bug.php\">Nové hlášení / New report</a></p>")
                             .arg(who);
    return PageKit::page(QStringLiteral("OVCL bug report"), QStringLiteral("cs"), body,
                         QString::fromUtf8(formCss));
}

QByteArray ServicePages::speedTest(const QString &dataPath)
{
    QString script = QString::fromUtf8(speedScript);
    script.replace(QStringLiteral("%DATA%"), dataPath);
    const QString body = QStringLiteral(
        "<div class=\"panel\"><h1>Speedtest of net</h1>\n"
        "<p>Změř rychlost svého připojení k serverům Orvanty.<br>"
        "<span class=\"dim\">Measure the speed of your connection to the Orvanta servers.</span></p>\n"
        "<button onclick=\"runTest()\">Spustit test / Start test</button>\n"
        "<div id=\"bar\"><div id=\"fill\"></div></div>\n<div id=\"result\"></div></div>\n"
        "<script>") + script + QStringLiteral("</script>");
    return PageKit::page(QStringLiteral("Speedtest of net"), QStringLiteral("cs"), body,
                         QString::fromUtf8(speedCss));
}

QByteArray ServicePages::banList()
{
    QString rows;
    for (const Ban &b : bans) {
        rows += QStringLiteral("<tr><td>%1</td><td class=\"accent\">%2</td><td>%3</td><td>%4</td>"
                               "<td class=\"len\">%5</td><td>%6</td></tr>\n")
                    .arg(QString::fromUtf8(b.date), PageKit::escape(QString::fromUtf8(b.nick)),
                         QString::fromUtf8(b.steamId), QString::fromUtf8(b.reason),
                         QString::fromUtf8(b.length), PageKit::escape(QString::fromUtf8(b.admin)));
    }
    const QString body = QStringLiteral(
        "<div class=\"head\"><h1>AMXBans - Seznam banů / Ban list</h1></div>\n"
        "<table><tr><th>Datum</th><th>Nick</th><th>SteamID</th><th>Důvod / Reason</th>"
        "<th>Délka / Length</th><th>Admin</th></tr>\n%1</table>\n"
        "<p class=\"dim\" style=\"margin-top:8px\">Nesouhlasíš s banem? Napiš na fórum. / "
        "Disagree with a ban? Post on the forum.</p>")
        .arg(rows);
    return PageKit::page(QStringLiteral("AMXBans - Orvanta"), QStringLiteral("cs"), body,
                         QString::fromUtf8(banCss));
}

QByteArray ServicePages::chat(const QList<ChatLine> &lines)
{
    QString log;
    for (const ChatLine &l : lines) {
        log += QStringLiteral("<div class=\"msg\"><span class=\"t\">") + PageKit::escape(l.time)
            + QStringLiteral("</span><span class=\"who\">") + PageKit::escape(l.nick)
            + QStringLiteral(":</span>") + PageKit::escape(l.text) + QStringLiteral("</div>\n");
    }
    const QString body = QStringLiteral(
        "<div class=\"head\"><h1>Orvanta chat <span class=\"dim\">- v testování</span></h1></div>\n"
        "<div class=\"log\" id=\"log\">\n") + log + QStringLiteral(
        "</div>\n<form method=\"post\" action=\"/chat/\">"
        "<input type=\"text\" name=\"nick\" placeholder=\"Nick\" maxlength=\"20\">"
        "<input type=\"text\" name=\"msg\" placeholder=\"Zpráva / Message\" maxlength=\"200\" autofocus>"
        "<input type=\"submit\" value=\"Odeslat\"></form>\n"
        "<script>var l=document.getElementById('log');l.scrollTop=l.scrollHeight;</script>");
    return PageKit::page(QStringLiteral("Orvanta chat"), QStringLiteral("cs"), body,
                         QString::fromUtf8(chatCss));
}

QByteArray ServicePages::notFound(const QString &path)
{
    const QString body = QStringLiteral("<div style=\"padding:16px\"><h1>404</h1>"
                                        "<p>Stránka nenalezena / Page not found</p>"
                                        "<p class=\"dim\">") + PageKit::escape(path) + QStringLiteral(
                                        "</p><p><a href=\"/\">Orvanta</a></p></div>");
    return PageKit::page(QStringLiteral("404 - Orvanta"), QStringLiteral("cs"), body);
}
