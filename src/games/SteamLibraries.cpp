#include "SteamLibraries.h"

#include "FolderList.h"
#include "KeyValues.h"
#include "SearchBound.h"
#include "WinePrefixes.h"

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

QStringList SteamLibraries::libraries(const QString &root, const SearchBound &bound,
                                     const std::function<QString(const QString &)> &local)
{
    Libraries libraries;
    libraries.add(root);
    const auto add = [&](const QString &listed) { libraries.add(local ? local(listed) : listed); };
    for (const char *listing : {"config/libraryfolders.vdf", "steamapps/libraryfolders.vdf"}) {
        const auto vdf = KeyValues::read(QDir(root).filePath(QLatin1String(listing)), bound);
        const KeyValues *folders = vdf ? vdf->child(QStringLiteral("libraryfolders")) : nullptr;
        if (!folders)
            continue;
        for (const KeyValues &entry : folders->children) {
            // Newer files hold a section with "path"; older ones "1" "/path".
            if (entry.section)
                add(entry.valueOf(QStringLiteral("path")));
            else if (!entry.name.isEmpty() && entry.name.at(0).isDigit())
                add(entry.value);
        }
    }
    return libraries.list();
}

QStringList SteamLibraries::allLibraries(const QString &home, const SearchBound &bound)
{
    Libraries all;
    for (const QString &root : roots(home))
        for (const QString &library : libraries(root, bound))
            all.add(library);
    return all.list();
}

std::vector<SteamLibraries::App> SteamLibraries::apps(const QString &library, const SearchBound &bound)
{
    std::vector<App> apps;
    const QDir steamapps(QDir(library).filePath(QStringLiteral("steamapps")));
    const QStringList manifests =
        steamapps.entryList({QStringLiteral("appmanifest_*.acf")}, QDir::Files | QDir::Readable, QDir::Name);
    QStringList common; // the folders of common/, listed once when a name differs in case
    bool listed = false;
    for (const QString &name : manifests) {
        if (bound.stopped())
            break;
        const auto acf = KeyValues::read(steamapps.filePath(name), bound, 1 << 20);
        const KeyValues *state = acf ? acf->child(QStringLiteral("AppState")) : nullptr;
        if (!state)
            continue;
        bool isNumber = false;
        int id = state->valueOf(QStringLiteral("appid")).toInt(&isNumber);
        if (!isNumber)
            id = appIdOfManifest(name);
        const QString installDir = state->valueOf(QStringLiteral("installdir"));
        // An install folder is one name inside common/, never a path out of it.
        if (id <= 0 || installDir.isEmpty() || installDir.contains(QLatin1Char('/')) || installDir.contains(QLatin1Char('\\'))
            || installDir == QLatin1String("..") || installDir == QLatin1String("."))
            continue;
        // Copies moved between file systems may differ in case from the manifest.
        QString folder = installDir;
        if (!QFileInfo(steamapps.filePath(QStringLiteral("common/") + folder)).isDir()) {
            if (!listed) {
                common = QDir(steamapps.filePath(QStringLiteral("common"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
                listed = true;
            }
            for (const QString &entry : common)
                if (entry.compare(installDir, Qt::CaseInsensitive) == 0) {
                    folder = entry;
                    break;
                }
        }
        apps.push_back({id, QDir::cleanPath(QDir(library).absolutePath()),
                        QDir::cleanPath(steamapps.absoluteFilePath(QStringLiteral("common/") + folder))});
    }
    return apps;
}

// Looks for .../steamapps/common/<installdir>/... along the path as given
// and, when that finds nothing, along the path with its links resolved.
std::optional<SteamLibraries::App> SteamLibraries::appOfFile(const QString &file, const SearchBound &bound)
{
    const QFileInfo info(file);
    for (const QString &path : {info.absoluteFilePath(), info.canonicalFilePath()}) {
        if (path.isEmpty())
            continue;
        const QStringList parts = QDir::cleanPath(path).split(QLatin1Char('/'));
        for (int i = parts.size() - 3; i >= 1; --i) {
            if (parts.at(i).compare(QLatin1String("common"), Qt::CaseInsensitive) != 0
                || parts.at(i - 1).compare(QLatin1String("steamapps"), Qt::CaseInsensitive) != 0)
                continue;
            const QString library = parts.mid(0, i - 1).join(QLatin1Char('/'));
            const QString installFolder = parts.mid(0, i + 2).join(QLatin1Char('/'));
            for (const App &app : apps(library.isEmpty() ? QStringLiteral("/") : library, bound))
                if (app.folder.compare(installFolder, Qt::CaseInsensitive) == 0)
                    return app;
        }
    }
    return std::nullopt;
}

QString SteamLibraries::steamExe(const QString &root)
{
    const QDir dir(root);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Readable, QDir::Name))
        if (name.compare(QLatin1String("steam.exe"), Qt::CaseInsensitive) == 0)
            return dir.absoluteFilePath(name);
    return QString();
}

WineRegistry::Value SteamLibraries::windowsInstallPath()
{
    return {QStringLiteral("Software\\Valve\\Steam"), QStringLiteral("InstallPath")};
}

QStringList SteamLibraries::windowsRoots(const WinePrefix &prefix, const QString &installPath)
{
    FolderList roots;
    QStringList candidates;
    if (!installPath.isEmpty())
        candidates << WineRegistry::toLocalPath(prefix, installPath);
    for (const char *usual : {"C:\\Program Files (x86)\\Steam", "C:\\Program Files\\Steam"})
        candidates << WineRegistry::toLocalPath(prefix, QLatin1String(usual));
    for (const QString &folder : candidates)
        if (!folder.isEmpty() && !steamExe(folder).isEmpty())
            roots.add(folder, QStringLiteral("steamapps"));
    return roots.list();
}

QStringList SteamLibraries::windowsLibraries(const WinePrefix &prefix, const QString &root, const SearchBound &bound)
{
    return libraries(root, bound, [&prefix](const QString &listed) { return WineRegistry::toLocalPath(prefix, listed); });
}
