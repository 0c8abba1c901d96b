#include "GameDiscovery.h"

#include "FileSearch.h"
#include "GamePlaces.h"
#include "PeVersion.h"
#include "ProgramFiles.h"
#include "SteamLibraries.h"
#include "WineRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace {
// How far below a folder the program files are looked for.
constexpr int installFolderDepth = 2; // UT keeps its program in System/
constexpr int programFoldersDepth = 4;
constexpr int topFoldersDepth = 2;

QSet<QString> lowerNames(const ProgramFiles &p)
{
    QSet<QString> names;
    for (const char *name : p.fileNames)
        names.insert(QString::fromLatin1(name).toLower());
    return names;
}

// The first file of 'found' with the most preferred name of 'p'.
QString preferred(const ProgramFiles &p, const QStringList &found)
{
    for (const char *name : p.fileNames)
        for (const QString &file : found)
            if (QFileInfo(file).fileName().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return file;
    return QString();
}

// Call of Duty 2's two rows: the file's version says which one it is.
void addFound(FoundPrograms &found, const ProgramFiles &p, FoundPrograms::Candidate candidate)
{
    if (!p.versionDecides) {
        found.add(p.program, std::move(candidate));
        return;
    }
    const auto version = PeVersion::of(candidate.file);
    const bool v10 = version && *version == PeVersion::Version{1, 0};
    const bool v13 = version && *version == PeVersion::Version{1, 3};
    candidate.certain = p.program == Program::CallOfDuty2v10 ? v10 : v13;
    if ((p.program == Program::CallOfDuty2v10 && !v13) || (p.program == Program::CallOfDuty2v13 && !v10))
        found.add(p.program, std::move(candidate));
}

// The folders of a prefix's drive C where installers put games, searched
// deeper, then its other top folders.
std::vector<std::pair<QString, int>> programFolders(const QString &prefix)
{
    std::vector<std::pair<QString, int>> folders;
    const QDir drive(QDir(prefix).filePath(QStringLiteral("drive_c")));
    const QStringList top = drive.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : top)
        if (name.startsWith(QLatin1String("Program Files"), Qt::CaseInsensitive)
            || name.compare(QLatin1String("Games"), Qt::CaseInsensitive) == 0
            || name.compare(QLatin1String("GOG Games"), Qt::CaseInsensitive) == 0)
            folders.emplace_back(drive.filePath(name), programFoldersDepth);
    for (const QString &name : top) {
        static const QStringList system{"windows", "users", "programdata"};
        if (!system.contains(name.toLower()) && std::none_of(folders.begin(), folders.end(), [&](const auto &f) {
                return f.first == drive.filePath(name);
            }))
            folders.emplace_back(drive.filePath(name), topFoldersDepth);
    }
    return folders;
}
} // namespace

GameDiscovery::GameDiscovery(QString home, std::chrono::milliseconds bound) : m_home(std::move(home)), m_bound(bound)
{
}

// The program files of the apps of a Steam library; 'prefix' is the Wine
// prefix of a Windows Steam's library, empty for the native client's.
static void addSteamApps(FoundPrograms &found, FileSearch &search, const SearchBound &bound, const QString &library,
                         const QString &prefix)
{
    for (const SteamLibraries::App &app : SteamLibraries::apps(library, bound)) {
        // One app may install the program of several rows; its folder is walked once.
        std::vector<const ProgramFiles *> ofApp;
        QSet<QString> names;
        for (const ProgramFiles &p : programFiles())
            if (std::find(p.steamApps.begin(), p.steamApps.end(), app.id) != p.steamApps.end()) {
                ofApp.push_back(&p);
                names += lowerNames(p);
            }
        if (ofApp.empty())
            continue;
        const QStringList files = search.find(app.folder, names, installFolderDepth);
        for (const ProgramFiles *p : ofApp) {
            const QString file = preferred(*p, files);
            if (!file.isEmpty())
                addFound(found, *p, {file, true, FoundPrograms::How::Steam, prefix, app.id});
        }
    }
}

FoundPrograms GameDiscovery::run(const std::atomic<bool> &cancelled)
{
    FoundPrograms found;
    const SearchBound bound(QDeadlineTimer(m_bound), cancelled);
    FileSearch search(bound);
    const GamePlaces places = GamePlaces::of(m_home, bound);
    for (const QString &library : places.steamLibraries)
        addSteamApps(found, search, bound, library, QString());

    QSet<QString> allNames;
    std::vector<WineRegistry::Value> values;
    std::vector<const ProgramFiles *> valueOwners;
    for (const ProgramFiles &p : programFiles()) {
        allNames += lowerNames(p);
        for (const WineRegistry::Value &v : p.registry) {
            values.push_back(v);
            valueOwners.push_back(&p);
        }
    }
    values.push_back(SteamLibraries::windowsInstallPath());
    for (const WinePrefix &prefix : places.prefixes) {
        if (bound.stopped())
            break;
        const std::vector<QString> installed = WineRegistry::read(prefix.path, values, bound);
        // Windows Steam in the prefix (Lutris' and Bottles' way to run Steam games).
        for (const QString &root : SteamLibraries::windowsRoots(prefix, installed.back()))
            for (const QString &library : SteamLibraries::windowsLibraries(prefix, root, bound))
                addSteamApps(found, search, bound, library, prefix.path);
        for (size_t i = 0; i < valueOwners.size(); ++i) {
            const QString folder = WineRegistry::toLocalPath(prefix, installed[i]);
            if (folder.isEmpty())
                continue;
            // Its own search: the folder may also be one of the program folders below.
            const ProgramFiles &p = *valueOwners[i];
            FileSearch inFolder(bound);
            const QString file = preferred(p, inFolder.find(folder, lowerNames(p), installFolderDepth));
            if (!file.isEmpty())
                addFound(found, p, {file, true, FoundPrograms::How::Registry, prefix.path, 0});
        }
        QStringList files;
        for (const auto &[folder, depth] : programFolders(prefix.path))
            files += search.find(folder, allNames, depth);
        for (const ProgramFiles &p : programFiles())
            for (const char *name : p.fileNames)
                for (const QString &file : files)
                    if (QFileInfo(file).fileName().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                        addFound(found, p, {file, true, FoundPrograms::How::Search, prefix.path, 0});
    }
    return found;
}
