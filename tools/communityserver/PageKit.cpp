#include "PageKit.h"

namespace {

const char *const sharedCss = R"css(
*{box-sizing:border-box}
html,body{margin:0;padding:0}
body{background:#0d0d0d;color:#d6d6d6;font:11px/1.35 Tahoma,Verdana,Arial,sans-serif}
a{color:#ff8c1a;text-decoration:none}
a:hover{color:#ffb04d;text-decoration:underline}
h1{margin:0 0 6px;font-size:14px;color:#ff8c1a;letter-spacing:1px}
h2{margin:8px 0 4px;font-size:12px;color:#ff8c1a;border-bottom:1px solid #2e2e2e;padding-bottom:2px}
p{margin:0 0 6px}
table{border-collapse:collapse;width:100%}
th{color:#ff8c1a;text-align:left;font-weight:bold;border-bottom:1px solid #a85a0c;padding:2px 3px}
td{padding:2px 3px;border-bottom:1px solid #1f1f1f}
.box{background:#1a1a1a;border:1px solid #2b2b2b;padding:6px;margin-bottom:6px}
.dim{color:#8a8a8a}
.accent{color:#ff8c1a}
.up{color:#ff9f3a}
.empty{color:#777}
.date{color:#ff8c1a;font-weight:bold}
input,textarea,button{background:#1e1e1e;color:#e6e6e6;border:1px solid #444;font:11px Tahoma,Verdana,Arial,sans-serif;padding:3px}
button,input[type=submit]{background:#2a1a08;border-color:#ff8c1a;color:#ffb04d;cursor:pointer}
button:hover,input[type=submit]:hover{background:#3a240b}
)css";

} // namespace

QByteArray PageKit::page(const QString &title, const QString &lang, const QString &body,
                         const QString &css)
{
    QString html;
    html.reserve(4096 + body.size());
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"") + lang + QStringLiteral("\">\n<head>\n");
    html += QStringLiteral("<meta charset=\"utf-8\">\n");
    html += QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n");
    html += QStringLiteral("<title>") + escape(title) + QStringLiteral("</title>\n<style>");
    html += QString::fromUtf8(sharedCss);
    html += css;
    html += QStringLiteral("</style>\n</head>\n<body>\n");
    html += body;
    html += QStringLiteral("\n</body>\n</html>\n");
    return html.toUtf8();
}
