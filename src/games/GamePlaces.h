#pragma once

#include "WinePrefixes.h"

#include <QString>
#include <QStringList>
#include <vector>

class SearchBound;

// Where a home keeps its games: the libraries of its native Steam and its
// Wine prefixes (with their drive letters). The search walks them; a start
// plan asks them which prefix a file belongs to.
struct GamePlaces {
    QStringList steamLibraries; // native
    std::vector<WinePrefix> prefixes;

    static GamePlaces of(const QString &home, const SearchBound &bound);

    // The prefix 'file' lies in: the nearest one whose drive_c holds it, else
    // the one with the closest drive letter leading to a folder above it (a
    // D: mapped outside the prefix), the first in the search's order on a
    // tie; none for a file of no prefix.
    std::optional<WinePrefix> prefixOf(const QString &file) const;
    // 'library' is a library of the native Steam client.
    bool isNativeLibrary(const QString &library) const;
};
