#include "WinePrefixes.h"

#include "FolderList.h"
#include "SearchBound.h"
#include "StructuredFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
// A prefix holds drive_c.
class PrefixList : public FolderList
{
public:
    void add(const QString &folder, const QString &wine = QString())
    {
        if (!FolderList::add(folder, QStringLiteral("drive_c")))
            return;
        if (auto prefix = WinePrefixes::at(folder, wine))
            prefixes.push_back(std::move(*prefix));
    }
    // Every folder directly inside 'parent' that is a prefix.
    void addChildren(const QString &parent)
    {
        const QDir dir(parent);
        for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
            add(dir.filePath(name));
    }
    std::vector<WinePrefix> prefixes;
};

QString expandHome(const QString &path, const QString &home)
{
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        return home + path.mid(1);
    return path;
}

// The first of 'programs' that is an executable file.
QString program(const QStringList &programs)
{
    for (const QString &p : programs) {
        const QFileInfo info(p);
        if (info.isFile() && info.isExecutable())
            return info.absoluteFilePath();
    }
    return QString();
}

// The Wine of a runner folder: Wine builds keep it in bin/, Proton builds in files/bin or dist/bin.
QString runnerWine(const QString &runner)
{
    if (runner.isEmpty())
        return QString();
    return program({runner + QLatin1String("/bin/wine"), runner + QLatin1String("/files/bin/wine"),
                    runner + QLatin1String("/dist/bin/wine")});
}

bool yes(const QString &value)
{
    return value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || value == QLatin1String("yes");
}

// The prefix a Lutris game file names, with "~" expanded, and the program of
// its wine version in 'lutrisData' when that exists; empty when it names none.
std::pair<QString, QString> lutrisPrefix(const QString &gameFile, const QString &home, const QString &lutrisData,
                                         const SearchBound &bound)
{
    // game: { prefix: ~/Games/x }, wine: { version: lutris-7.2-x86_64 }
    const auto scalars = StructuredFile::read(gameFile, {QStringLiteral("game/prefix"), QStringLiteral("wine/version")}, bound);
    const QString prefix = StructuredFile::first(scalars, QStringLiteral("game/prefix"));
    if (prefix.isEmpty())
        return {};
    const QString version = StructuredFile::first(scalars, QStringLiteral("wine/version"));
    const bool own = !version.isEmpty() && !version.contains(QLatin1Char('/')) && version != QLatin1String("..");
    return {expandHome(prefix, home), own ? runnerWine(lutrisData + QLatin1String("/runners/wine/") + version) : QString()};
}

// The prefixes a Heroic game settings file names, each with the wine it names.
std::vector<std::pair<QString, QString>> heroicPrefixes(const QString &settingsFile, const SearchBound &bound)
{
    // One object per game: { "<app name>": { "winePrefix": "...", "wineVersion": { "bin": "...", "type": "wine" } } }.
    const auto scalars = StructuredFile::read(
        settingsFile, {QStringLiteral("*/winePrefix"), QStringLiteral("*/wineVersion/bin"), QStringLiteral("*/wineVersion/type")},
        bound);
    std::vector<std::pair<QString, QString>> prefixes;
    for (const StructuredFile::Scalar &s : scalars) {
        if (s.keys.last() != QLatin1String("winePrefix") || s.value.isEmpty())
            continue;
        const QString game = s.keys.first();
        const bool wine = StructuredFile::first(scalars, game + QLatin1String("/wineVersion/type")) == QLatin1String("wine");
        prefixes.emplace_back(s.value, wine ? program({StructuredFile::first(scalars, game + QLatin1String("/wineVersion/bin"))})
                                            : QString());
    }
    return prefixes;
}

// The prefix a Bottles bottle.yml places its bottle in, and its runner's wine.
std::pair<QString, QString> bottlePrefix(const QString &bottleFolder, const QString &bottlesData, const SearchBound &bound)
{
    // Path: the bottle's folder name under bottles/, or with Custom_Path: true its full path; Runner: a folder of runners/.
    const auto scalars = StructuredFile::read(QDir(bottleFolder).filePath(QStringLiteral("bottle.yml")),
                                              {QStringLiteral("Path"), QStringLiteral("Custom_Path"), QStringLiteral("Runner")},
                                              bound);
    const QString path = StructuredFile::first(scalars, QStringLiteral("Path"));
    const bool custom = yes(StructuredFile::first(scalars, QStringLiteral("Custom_Path")));
    const QString runner = StructuredFile::first(scalars, QStringLiteral("Runner"));
    QString prefix = bottleFolder;
    if (custom && QDir::isAbsolutePath(path))
        prefix = path;
    else if (!path.isEmpty() && !path.contains(QLatin1Char('/')) && path != QLatin1String(".."))
        prefix = QFileInfo(bottleFolder).absolutePath() + QLatin1Char('/') + path;
    // "sys-wine-9.0" is the system's Wine.
    const bool own = !runner.isEmpty() && !runner.startsWith(QLatin1String("sys-")) && !runner.contains(QLatin1Char('/'));
    return {prefix, own ? runnerWine(bottlesData + QLatin1String("/runners/") + runner) : QString()};
}
} // namespace

QString WinePrefix::driveTarget(QChar letter) const
{
    const QChar lower = letter.toLower();
    for (const auto &[drive, target] : drives)
        if (drive == lower)
            return target;
    return QString();
}

qsizetype WinePrefix::holds(const QString &canonicalFile) const
{
    qsizetype best = 0;
    for (const auto &drive : drives) {
        const QString &target = drive.second;
        if (target.size() > 1 && target.size() > best && canonicalFile.startsWith(target)
            && canonicalFile.size() > target.size() && canonicalFile.at(target.size()) == QLatin1Char('/'))
            best = target.size();
    }
    return best;
}

std::optional<WinePrefix> WinePrefixes::at(const QString &path, const QString &wine)
{
    const QDir dir(path);
    const QString driveC = QFileInfo(dir.filePath(QStringLiteral("drive_c"))).canonicalFilePath();
    if (driveC.isEmpty())
        return std::nullopt;
    WinePrefix prefix{QDir::cleanPath(dir.absolutePath()), wine, {}};
    const QDir devices(dir.filePath(QStringLiteral("dosdevices")));
    // Letters as Wine names them ("d:"), in any case; "d::" is the raw device.
    for (const QString &name : devices.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (name.size() != 2 || name.at(1) != QLatin1Char(':') || !name.at(0).isLetter() || name.at(0).unicode() > 'z')
            continue;
        const QString target = QFileInfo(devices.filePath(name)).canonicalFilePath();
        if (!target.isEmpty() && QFileInfo(target).isDir() && prefix.driveTarget(name.at(0)).isEmpty())
            prefix.drives.emplace_back(name.at(0).toLower(), target);
    }
    if (prefix.driveTarget(QLatin1Char('c')).isEmpty())
        prefix.drives.emplace_back(QLatin1Char('c'), driveC);
    return prefix;
}

std::vector<WinePrefix> WinePrefixes::of(const QString &home, const QStringList &steamLibraries, const SearchBound &bound)
{
    PrefixList prefixes;
    if (!home.isEmpty()) {
        const QDir h(home);
        prefixes.add(h.filePath(QStringLiteral(".wine")));
        prefixes.addChildren(h.filePath(QStringLiteral(".local/share/wineprefixes")));
        for (const char *data : {".local/share/bottles", ".var/app/com.usebottles.bottles/data/bottles"}) {
            const QString bottlesData = h.filePath(QLatin1String(data));
            QStringList places{bottlesData + QLatin1String("/bottles")};
            // A bottles folder of the player's choosing (Bottles' preferences).
            const QString custom = StructuredFile::first(
                StructuredFile::read(bottlesData + QLatin1String("/data.yml"), {QStringLiteral("custom_bottles_path")}, bound),
                QStringLiteral("custom_bottles_path"));
            if (QDir::isAbsolutePath(custom))
                places << custom;
            for (const QString &place : places) {
                const QDir dir(place);
                for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
                    if (bound.stopped())
                        return prefixes.prefixes;
                    const auto [prefix, wine] = bottlePrefix(dir.filePath(name), bottlesData, bound);
                    prefixes.add(prefix, wine);
                    prefixes.add(dir.filePath(name));
                }
            }
        }
        // Lutris' game files, older ones among its settings, and the folder of its wine versions.
        static const std::pair<const char *, const char *> lutris[] = {
            {".config/lutris/games", ".local/share/lutris"},
            {".local/share/lutris/games", ".local/share/lutris"},
            {".var/app/net.lutris.Lutris/config/lutris/games", ".var/app/net.lutris.Lutris/data/lutris"},
            {".var/app/net.lutris.Lutris/data/lutris/games", ".var/app/net.lutris.Lutris/data/lutris"},
        };
        for (const auto &[games, data] : lutris) {
            const QDir dir(h.filePath(QLatin1String(games)));
            for (const QString &file : dir.entryList({QStringLiteral("*.yml")}, QDir::Files, QDir::Name)) {
                if (bound.stopped())
                    return prefixes.prefixes;
                const auto [prefix, wine] = lutrisPrefix(dir.filePath(file), home, h.filePath(QLatin1String(data)), bound);
                prefixes.add(prefix, wine);
            }
        }
        for (const char *config : {".config/heroic/GamesConfig",
                                   ".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig"}) {
            const QDir dir(h.filePath(QLatin1String(config)));
            for (const QString &file : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
                if (bound.stopped())
                    return prefixes.prefixes;
                for (const auto &[prefix, wine] : heroicPrefixes(dir.filePath(file), bound))
                    prefixes.add(expandHome(prefix, home), wine);
            }
        }
        prefixes.addChildren(h.filePath(QStringLiteral("Games/Heroic/Prefixes/default")));
        prefixes.addChildren(h.filePath(QStringLiteral("Games/Heroic/Prefixes")));
    }
    for (const QString &library : steamLibraries) {
        const QDir compat(QDir(library).filePath(QStringLiteral("steamapps/compatdata")));
        for (const QString &app : compat.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            prefixes.add(compat.filePath(app + QLatin1String("/pfx")));
        if (bound.stopped())
            break;
    }
    return prefixes.prefixes;
}
