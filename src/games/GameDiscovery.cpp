#include "GameDiscovery.h"

#include "FileSearch.h"
#include "PeVersion.h"
#include "ProgramFiles.h"
#include "SteamLibraries.h"
#include "WinePrefixes.h"

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
void addFound(FoundPrograms &found, const ProgramFiles &p, const QString &file)
{
    if (!p.versionDecides) {
        found.add(p.program, file);
        return;
    }
    const auto version = PeVersion::of(file);
    const bool v10 = version && *version == PeVersion::Version{1, 0};
    const bool v13 = version && *version == PeVersion::Version{1, 3};
    if (p.program == Program::CallOfDuty2v10 && !v13)
        found.add(p.program, file, v10);
    if (p.program == Program::CallOfDuty2v13 && !v10)
        found.add(p.program, file, v13);
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

FoundPrograms GameDiscovery::run(const std::atomic<bool> &cancelled)
{
    FoundPrograms found;
    const QDeadlineTimer deadline(m_bound);
    FileSearch search(deadline, cancelled);
    const QStringList libraries = SteamLibraries::allLibraries(m_home);

    for (const QString &library : libraries)
        for (const SteamLibraries::App &app : SteamLibraries::apps(library)) {
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
                    addFound(found, *p, file);
            }
        }

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
    for (const QString &prefix : WinePrefixes::of(m_home, libraries)) {
        if (search.stopped())
            break;
        const std::vector<QString> installed = WineRegistry::read(prefix, values);
        for (size_t i = 0; i < installed.size(); ++i) {
            const QString folder = WineRegistry::toLocalPath(prefix, installed[i]);
            if (folder.isEmpty())
                continue;
            // Its own search: the folder may also be one of the program folders below.
            const ProgramFiles &p = *valueOwners[i];
            FileSearch inFolder(deadline, cancelled);
            const QString file = preferred(p, inFolder.find(folder, lowerNames(p), installFolderDepth));
            if (!file.isEmpty())
                addFound(found, p, file);
        }
        QStringList files;
        for (const auto &[folder, depth] : programFolders(prefix))
            files += search.find(folder, allNames, depth);
        for (const ProgramFiles &p : programFiles())
            for (const char *name : p.fileNames)
                for (const QString &file : files)
                    if (QFileInfo(file).fileName().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                        addFound(found, p, file);
    }
    return found;
}
