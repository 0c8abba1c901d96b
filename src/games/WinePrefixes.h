#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class SearchBound;

// One Wine prefix: a folder holding drive_c.
struct WinePrefix {
    QString path;
    // The Wine of the game manager that keeps the prefix (a Bottles runner,
    // Lutris' wine version, Heroic's wine), when it names one that exists;
    // empty: the player's own.
    QString wine;
    // Its drive letters (lower case) and the folders they lead to, canonical;
    // C: is drive_c also when dosdevices lacks it.
    std::vector<std::pair<QChar, QString>> drives;

    // The folder of a drive letter, or empty.
    QString driveTarget(QChar letter) const;
    // How closely the prefix holds 'canonicalFile': the length of the longest
    // drive target above it (a drive of the whole system, "/", counts for
    // none); 0 when it holds it not.
    qsizetype holds(const QString &canonicalFile) const;
};

// The Wine prefixes a Linux player may keep games in: ~/.wine, the prefixes
// of ~/.local/share/wineprefixes, Bottles' bottles (as their bottle.yml
// places them), the prefixes named by Lutris' game files and Heroic's game
// settings (and Heroic's default folders), and the Proton prefixes of
// Steam's libraries.
class WinePrefixes
{
public:
    // Every prefix found, each once, within 'bound'.
    static std::vector<WinePrefix> of(const QString &home, const QStringList &steamLibraries, const SearchBound &bound);
    // The prefix of 'path' with its drive letters read; none when it holds no drive_c.
    static std::optional<WinePrefix> at(const QString &path, const QString &wine = QString());
};
