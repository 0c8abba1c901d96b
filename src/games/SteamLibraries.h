#pragma once

#include "WineRegistry.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class SearchBound;
struct WinePrefix;

// Where Steam keeps games: its installation roots in a home folder (the
// Debian package, the Valve installer, Snap and Flatpak) or, for Windows
// Steam, inside a Wine prefix; the libraries each root lists (secondary
// drives included) and the apps installed in a library, as their
// appmanifest_<id>.acf files say.
class SteamLibraries
{
public:
    struct App {
        int id;          // the manifest's appid
        QString library; // the folder holding steamapps
        QString folder;  // steamapps/common/<installdir> as it is on disk, absolute
    };

    // Existing roots under 'home', each once however many links lead to it.
    static QStringList roots(const QString &home);
    // The libraries a root lists in config/libraryfolders.vdf (or
    // steamapps/libraryfolders.vdf), the root itself first; only those
    // holding a steamapps folder. 'local' turns a listed path into one of
    // this system (Windows Steam lists D:\SteamLibrary).
    static QStringList libraries(const QString &root, const SearchBound &bound,
                                 const std::function<QString(const QString &)> &local = {});
    // Every library of every root under 'home', each once.
    static QStringList allLibraries(const QString &home, const SearchBound &bound);
    // The apps installed in 'library'; a manifest that cannot be read is passed over.
    static std::vector<App> apps(const QString &library, const SearchBound &bound);
    // The app whose install folder holds 'file' (steamapps/common/<installdir>/...,
    // named by that library's manifest); none when the file lies in no library.
    static std::optional<App> appOfFile(const QString &file, const SearchBound &bound);

    // Where Windows Steam writes its folder into a prefix's registry.
    static WineRegistry::Value windowsInstallPath();
    // Windows Steam in a Wine prefix: the folders holding its steam.exe, from
    // 'installPath' (what the prefix's registry says, a Windows path) and
    // its usual folders in Program Files.
    static QStringList windowsRoots(const WinePrefix &prefix, const QString &installPath);
    // The libraries of a Windows Steam root, its own first.
    static QStringList windowsLibraries(const WinePrefix &prefix, const QString &root, const SearchBound &bound);
    // The steam.exe of a Windows Steam root (its name in any case), or empty.
    static QString steamExe(const QString &root);
};
