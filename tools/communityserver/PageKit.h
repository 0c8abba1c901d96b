#pragma once

#include <QByteArray>
#include <QString>

// The look shared by every page of the community site: black and dark grey
// ground, light text, orange accents, Tahoma at small sizes. Pages are whole
// documents without any outside resource.
class PageKit
{
public:
    // A complete UTF-8 HTML document. 'body' is HTML; 'css' is added after
    // the shared style sheet.
    static QByteArray page(const QString &title, const QString &lang, const QString &body,
                           const QString &css = QString());

    static QString escape(const QString &text) { return text.toHtmlEscaped(); }

    static const char *htmlType() { return "text/html; charset=utf-8"; }
    static const char *textType() { return "text/plain; charset=utf-8"; }
};
