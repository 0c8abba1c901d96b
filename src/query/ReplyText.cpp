#include "ReplyText.h"

#include "ReplyLimits.h"

#include <algorithm>

namespace ReplyText {

QString fromLatin1(const QByteArray &bytes)
{
    QByteArray plain;
    plain.reserve(std::min<qsizetype>(bytes.size(), 4 * ReplyLimits::MaxText));
    for (qsizetype i = 0; i < bytes.size() && plain.size() < 4 * ReplyLimits::MaxText; ++i) {
        if (bytes.at(i) == '^' && i + 1 < bytes.size() && bytes.at(i + 1) >= '0' && bytes.at(i + 1) <= '9') {
            ++i;
            continue;
        }
        plain += bytes.at(i);
    }
    return tidy(QString::fromLatin1(plain));
}

QString fromUtf8(const QByteArray &bytes)
{
    return tidy(QString::fromUtf8(bytes.left(4 * ReplyLimits::MaxText)));
}

QString tidy(QString text)
{
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format; });
    text = text.trimmed();
    if (text.size() > ReplyLimits::MaxText) {
        int cut = ReplyLimits::MaxText;
        if (text.at(cut - 1).isHighSurrogate())
            --cut;
        text.truncate(cut);
    }
    return text;
}

int count(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().left(12).toLongLong(&ok);
    if (!ok)
        return 0;
    return int(std::clamp<qlonglong>(value, 0, ReplyLimits::MaxCount));
}

bool flag(const QString &text)
{
    const QString t = text.trimmed().toLower();
    return t == QLatin1String("1") || t == QLatin1String("true") || t == QLatin1String("yes");
}

QHash<QByteArray, QByteArray> backslashPairs(const QByteArray &text)
{
    QHash<QByteArray, QByteArray> pairs;
    qsizetype pos = text.startsWith('\\') ? 1 : 0;
    int read = 0;
    while (pos < text.size() && read < ReplyLimits::MaxPairs) {
        qsizetype end = text.indexOf('\\', pos);
        if (end < 0)
            end = text.size();
        const QByteArray key = text.mid(pos, end - pos);
        pos = end + 1;
        end = pos < text.size() ? text.indexOf('\\', pos) : -1;
        if (end < 0)
            end = std::max(pos, text.size());
        const QByteArray value = pos < text.size() ? text.mid(pos, end - pos) : QByteArray();
        pos = end + 1;
        ++read;
        if (!key.isEmpty() && !pairs.contains(key))
            pairs.insert(key, value);
    }
    return pairs;
}

} // namespace ReplyText
