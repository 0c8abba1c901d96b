#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Where Steam keeps games on Linux: its installation roots in a home folder
// (the Debian package, the Valve installer, Snap and Flatpak), the libraries
// each root lists (secondary drives included) and the apps installed in a
// library, as their appmanifest_<id>.acf files say.
class SteamLibraries
{
public:
    struct App {
        int id;
        QString folder; // steamapps/common/<installdir>, absolute
    };

    // Existing roots under 'home', each once however many links lead to it.
    static QStringList roots(const QString &home);
    // The libraries a root lists in config/libraryfolders.vdf (or
    // steamapps/libraryfolders.vdf), the root itself first; only those
    // holding a steamapps folder.
    static QStringList libraries(const QString &root);
    // Every library of every root under 'home', each once.
    static QStringList allLibraries(const QString &home);
    // The apps installed in 'library'.
    static std::vector<App> apps(const QString &library);
    // The app whose install folder holds 'file' (steamapps/common/<installdir>/...,
    // named by that library's manifest); 0 when the file lies in no library.
    static int appOfFile(const QString &file);
};
