// Feeds arbitrary bytes to the profile-file reader and writer.
// Invariants: parsing never crashes; a value written reads back as the
// reader's rules make it (up to a NUL, line breaks as blanks, trimmed, one
// pair of quotes removed, at most 2047 characters); writing one key keeps
// every other key's value; a file with a byte-order mark keeps it.
#include "platform/profiles/IniDocument.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

static bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x1A);
}

static QString expected(QString text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    int from = 0, to = text.size();
    while (from < to && isBlank(text.at(from)))
        ++from;
    while (to > from && isBlank(text.at(to - 1)))
        --to;
    text = text.mid(from, to - from);
    if (text.size() >= 2 && (text.front() == QLatin1Char('"') || text.front() == QLatin1Char('\''))
        && text.back() == text.front())
        text = text.mid(1, text.size() - 2);
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
    // Lone surrogates, which no one can type, become U+FFFD as UTF-8 makes them.
    // It is read as a whole file would be, its byte-order mark left out.
    const QByteArray tail = bytes.right(int(size / 3));
    const ProfileEncoding tailEncoding = ProfileEncoding::detect(tail);
    QString text = tailEncoding.decode(tail.mid(tailEncoding.mark().size()));
    if (!text.isValidUtf16())
        text = QString::fromUtf8(text.toUtf8());
    doc.setValue(QStringLiteral("Setting"), QStringLiteral("ut2004"), text);
    const IniDocument again = IniDocument::parse(doc.serialize());
    if (again.value(QStringLiteral("Setting"), QStringLiteral("ut2004")) != expected(text))
        abort();
    if (again.value(QStringLiteral("Setting"), QStringLiteral("csloc"), QStringLiteral("cesta")) != before)
        abort();
    const ProfileEncoding::Kind kind = ProfileEncoding::detect(bytes).kind();
    if (kind != ProfileEncoding::Ansi && kind != ProfileEncoding::Utf8
        && ProfileEncoding::detect(doc.serialize()).kind() != kind)
        abort();
    return 0;
}
