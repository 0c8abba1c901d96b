#include "GamePlaces.h"

#include "SteamLibraries.h"

#include <QDir>
#include <QFileInfo>

GamePlaces GamePlaces::of(const QString &home, const SearchBound &bound)
{
    GamePlaces places;
    places.steamLibraries = SteamLibraries::allLibraries(home, bound);
    places.prefixes = WinePrefixes::of(home, places.steamLibraries, bound);
    return places;
}

// A prefix holds drive_c beside system.reg or dosdevices.
static QString prefixAbove(const QString &folder)
{
    QDir dir(folder);
    do {
        if (dir.dirName() == QLatin1String("drive_c")) {
            QDir prefix = dir;
            if (prefix.cdUp()
                && (prefix.exists(QStringLiteral("system.reg")) || prefix.exists(QStringLiteral("dosdevices"))))
                return prefix.absolutePath();
        }
    } while (dir.cdUp());
    return QString();
}

std::optional<WinePrefix> GamePlaces::prefixOf(const QString &file) const
{
    const QFileInfo info(file);
    const QString canonical = info.canonicalFilePath();
    // A path picked through a drive letter (dosdevices/c:) leads to drive_c only once resolved.
    QString above = prefixAbove(info.absolutePath());
    if (above.isEmpty() && !canonical.isEmpty())
        above = prefixAbove(QFileInfo(canonical).absolutePath());
    if (!above.isEmpty()) {
        const QString canonicalAbove = QFileInfo(above).canonicalFilePath();
        for (const WinePrefix &p : prefixes)
            if (QFileInfo(p.path).canonicalFilePath() == canonicalAbove)
                return p;
        return WinePrefixes::at(above);
    }
    if (canonical.isEmpty())
        return std::nullopt;
    const WinePrefix *best = nullptr;
    qsizetype closest = 0;
    for (const WinePrefix &p : prefixes)
        if (const qsizetype held = p.holds(canonical); held > closest) {
            closest = held;
            best = &p;
        }
    return best ? std::optional<WinePrefix>(*best) : std::nullopt;
}

bool GamePlaces::isNativeLibrary(const QString &library) const
{
    const QString canonical = QFileInfo(library).canonicalFilePath();
    for (const QString &l : steamLibraries)
        if (QFileInfo(l).canonicalFilePath() == canonical)
            return true;
    return false;
}
