#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class SearchBound;

// The settings files of the game managers: YAML (Lutris' game files,
// Bottles' bottle.yml and data.yml) and JSON (Heroic's game settings, read
// as the YAML it also is). Only the scalars wanted are kept, no tree is
// built; the reading ends when the bound says stop, and a broken, too deep
// or too large file gives nothing.
class StructuredFile
{
public:
    struct Scalar {
        QStringList keys; // the mapping keys from the top down to it
        QString value;
    };

    // Every scalar whose keys match one of 'patterns' ("game/prefix",
    // "*/winePrefix": keys separated by '/', '*' any one key), in the file's order.
    static std::vector<Scalar> read(const QString &file, const QStringList &patterns, const SearchBound &bound,
                                    qint64 maxSize = 1 << 20);
    // The first value at 'pattern', or empty.
    static QString first(const std::vector<Scalar> &scalars, const QString &pattern);
    static bool matches(const QStringList &keys, const QString &pattern);
};
