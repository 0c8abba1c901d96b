#include "TextFit.h"

#include <QFontMetrics>

namespace {
bool endsLine(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Where the line holding 'from' ends: its line break, or the end of the text.
qsizetype lineEnd(const QString &text, qsizetype from)
{
    while (from < text.size() && !endsLine(text.at(from)))
        ++from;
    return from;
}

// How long the line break at 'at' is: CR LF, a lone CR or LF, or none at the end.
qsizetype breakLength(const QString &text, qsizetype at)
{
    if (at >= text.size())
        return 0;
    const bool crlf = text.at(at) == QLatin1Char('\r') && at + 1 < text.size() && text.at(at + 1) == QLatin1Char('\n');
    return crlf ? 2 : 1;
}

// Where the next line starts after the one holding 'from', or -1 for none.
qsizetype nextLine(const QString &text, qsizetype from)
{
    const qsizetype end = lineEnd(text, from);
    return end < text.size() ? end + breakLength(text, end) : -1;
}

// 'length' or one less, so that a character of two code units is not split.
qsizetype whole(const QString &text, qsizetype from, qsizetype length)
{
    return length > 0 && text.at(from + length - 1).isHighSurrogate() ? length - 1 : length;
}
} // namespace

qsizetype TextFit::fittingLength(const QString &text, qsizetype from, const QFontMetrics &metrics, int width)
{
    // Characters that draw nothing still count, so that a line of them ends too.
    const qsizetype most = 2 * qsizetype(qMax(width, 0)) + 8;
    qsizetype end = from;
    int advance = 0;
    while (end < text.size() && end - from < most && !endsLine(text.at(end))) {
        const qsizetype step = text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
        advance += metrics.horizontalAdvance(text.mid(end, step));
        if (advance > width)
            break;
        end += step;
    }
    // Kerning and shaping make the whole a little different from its parts.
    while (end > from && metrics.horizontalAdvance(text.mid(from, end - from)) > width)
        end = from + whole(text, from, end - from - 1);
    return end - from;
}

QString TextFit::fit(const QString &text, const QFontMetrics &metrics, int width, int maxLines)
{
    QString shown;
    qsizetype from = 0;
    for (int line = 0; line < qMax(maxLines, 1) && from >= 0; ++line) {
        if (line > 0)
            shown += QLatin1Char('\n');
        shown += QStringView(text).mid(from, fittingLength(text, from, metrics, width));
        from = nextLine(text, from);
    }
    return shown;
}
