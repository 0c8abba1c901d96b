#pragma once

#include <QString>
#include <QStringList>

// The Wine prefixes a Linux player may keep games in: ~/.wine, the prefixes
// of ~/.local/share/wineprefixes, Bottles' bottles, the prefixes named by
// Lutris' game files and Heroic's game settings (and Heroic's default
// folder), and the Proton prefixes of Steam's libraries.
class WinePrefixes
{
public:
    // Every prefix found, each once; a prefix is a folder holding drive_c.
    static QStringList of(const QString &home, const QStringList &steamLibraries);

    // The prefix a Lutris game file (YAML) names, with "~" expanded; empty
    // when it names none or cannot be read.
    static QString lutrisPrefix(const QString &gameFile, const QString &home);
    // The prefixes a Heroic game settings file (JSON) names.
    static QStringList heroicPrefixes(const QString &settingsFile);
};
