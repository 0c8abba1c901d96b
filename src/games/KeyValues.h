#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class SearchBound;

// Steam's text key-value format (libraryfolders.vdf, appmanifest_*.acf):
// "key" "value" pairs and "key" { ... } sections, with // comments,
// unquoted tokens and [$CONDITION] tags. Keys are matched without regard to
// case, as Steam does. A byte-order mark before the text is passed over.
class KeyValues
{
public:
    // The top level of 'text' as the children of a nameless section; none
    // when the text is broken (unbalanced braces, a key without a value) or
    // nests or holds more than a real file ever does, or when 'bound' said
    // stop while it was read.
    static std::optional<KeyValues> parse(const QByteArray &text, const SearchBound *bound = nullptr);
    // Reads a file of at most 'limit' bytes and parses it.
    static std::optional<KeyValues> read(const QString &file, const SearchBound &bound, qint64 limit = 4 << 20);

    QString name;
    QString value; // empty for a section
    bool section = false;
    std::vector<KeyValues> children;

    const KeyValues *child(const QString &key) const;
    // The string value of the child 'key', or empty.
    QString valueOf(const QString &key) const;

private:
    class Reader;
};
