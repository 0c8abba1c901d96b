// Feeds arbitrary bytes to the profile-file reader and writer.
// Invariants: parsing never crashes; a value written reads back as written
// (trimmed, line breaks as blanks, at most 2047 characters); writing one key
// keeps every other key's value.
#include "platform/IniDocument.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

static QString expected(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    // Only blanks and tabs around a value are trimmed.
    int from = 0, to = text.size();
    while (from < to && (text.at(from) == QLatin1Char(' ') || text.at(from) == QLatin1Char('\t')))
        ++from;
    while (to > from && (text.at(to - 1) == QLatin1Char(' ') || text.at(to - 1) == QLatin1Char('\t')))
        --to;
    text = text.mid(from, to - from);
    if (text.size() > IniDocument::MaxValueLength) {
        int cut = IniDocument::MaxValueLength;
        if (text.at(cut - 1).isHighSurrogate())
            --cut;
        text.truncate(cut);
    }
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    IniDocument doc = IniDocument::parse(bytes);
    const QString before = doc.value(QStringLiteral("Setting"), QStringLiteral("csloc"), QStringLiteral("cesta"));
    (void)doc.value(QStringLiteral("Sounds"), QStringLiteral("enabled"), QStringLiteral("1"));

    // The last third of the input becomes a value written under another key.
    const QString text = IniDocument::decodeText(bytes.right(int(size / 3)));
    doc.setValue(QStringLiteral("Setting"), QStringLiteral("ut2004"), text);
    const IniDocument again = IniDocument::parse(doc.serialize());
    const QString got = again.value(QStringLiteral("Setting"), QStringLiteral("ut2004"));
    if (got != expected(text))
        abort();
    if (again.value(QStringLiteral("Setting"), QStringLiteral("csloc"), QStringLiteral("cesta")) != before)
        abort();
    return 0;
}
