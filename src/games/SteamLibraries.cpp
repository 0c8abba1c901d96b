#include "SteamLibraries.h"

#include "FolderList.h"
#include "KeyValues.h"

#include <QDir>
#include <QFileInfo>

namespace {
const char *const rootsUnderHome[] = {
    ".steam/steam",
    ".steam/root",
    ".steam/debian-installation",
    ".local/share/Steam",
    "snap/steam/common/.local/share/Steam",
    "snap/steam/common/.steam/steam",
    ".var/app/com.valvesoftware.Steam/.local/share/Steam",
    ".var/app/com.valvesoftware.Steam/data/Steam",
};

// A Steam root or library holds a steamapps folder.
class Libraries : public FolderList
{
public:
    void add(const QString &folder) { FolderList::add(folder, QStringLiteral("steamapps")); }
};

int appIdOfManifest(const QString &fileName)
{
    static const QLatin1String head("appmanifest_"), tail(".acf");
    if (!fileName.startsWith(head) || !fileName.endsWith(tail))
        return 0;
    return fileName.mid(head.size(), fileName.size() - head.size() - tail.size()).toInt();
}
} // namespace

QStringList SteamLibraries::roots(const QString &home)
{
    Libraries roots;
    if (home.isEmpty())
        return {};
    for (const char *relative : rootsUnderHome)
        roots.add(QDir(home).filePath(QLatin1String(relative)));
    return roots.list();
}

QStringList SteamLibraries::libraries(const QString &root)
{
    Libraries libraries;
    libraries.add(root);
    for (const char *listing : {"config/libraryfolders.vdf", "steamapps/libraryfolders.vdf"}) {
        const auto vdf = KeyValues::read(QDir(root).filePath(QLatin1String(listing)));
        const KeyValues *folders = vdf ? vdf->child(QStringLiteral("libraryfolders")) : nullptr;
        if (!folders)
            continue;
        for (const KeyValues &entry : folders->children) {
            // Newer files hold a section with "path"; older ones "1" "/path".
            if (entry.section)
                libraries.add(entry.valueOf(QStringLiteral("path")));
            else if (!entry.name.isEmpty() && entry.name.at(0).isDigit())
                libraries.add(entry.value);
        }
    }
    return libraries.list();
}

QStringList SteamLibraries::allLibraries(const QString &home)
{
    Libraries all;
    for (const QString &root : roots(home))
        for (const QString &library : libraries(root))
            all.add(library);
    return all.list();
}

std::vector<SteamLibraries::App> SteamLibraries::apps(const QString &library)
{
    std::vector<App> apps;
    const QDir steamapps(QDir(library).filePath(QStringLiteral("steamapps")));
    const QStringList manifests =
        steamapps.entryList({QStringLiteral("appmanifest_*.acf")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &name : manifests) {
        const int id = appIdOfManifest(name);
        const auto acf = KeyValues::read(steamapps.filePath(name), 1 << 20);
        const KeyValues *state = acf ? acf->child(QStringLiteral("AppState")) : nullptr;
        const QString installDir = state ? state->valueOf(QStringLiteral("installdir")) : QString();
        // An install folder is one name inside common/, never a path out of it.
        if (id <= 0 || installDir.isEmpty() || installDir.contains(QLatin1Char('/')) || installDir == QLatin1String("..")
            || installDir == QLatin1String("."))
            continue;
        apps.push_back({id, steamapps.filePath(QStringLiteral("common/") + installDir)});
    }
    return apps;
}

// Looks for .../steamapps/common/<installdir>/... along the path as given
// and, when that finds nothing, along the path with its links resolved.
int SteamLibraries::appOfFile(const QString &file)
{
    const QFileInfo info(file);
    for (const QString &path : {info.absoluteFilePath(), info.canonicalFilePath()}) {
        if (path.isEmpty())
            continue;
        const QStringList parts = QDir::cleanPath(path).split(QLatin1Char('/'));
        for (int i = parts.size() - 3; i >= 1; --i) {
            if (parts.at(i) != QLatin1String("common") || parts.at(i - 1) != QLatin1String("steamapps"))
                continue;
            const QString library = parts.mid(0, i - 1).join(QLatin1Char('/'));
            const QString installFolder = parts.mid(0, i + 2).join(QLatin1Char('/'));
            for (const App &app : apps(library.isEmpty() ? QStringLiteral("/") : library))
                if (QDir::cleanPath(app.folder) == installFolder)
                    return app.id;
        }
    }
    return 0;
}
