#include "ProgramStart.h"

#include "GamePlaces.h"
#include "SearchBound.h"
#include "SteamLibraries.h"
#include "WineRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace {
// How long a start may look at the home's places.
constexpr std::chrono::milliseconds lookBound(1000);

QString onPath(const QString &name, const QProcessEnvironment &environment)
{
    const QStringList path = environment.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return path.isEmpty() ? QString() : QStandardPaths::findExecutable(name, path);
}

// The steam.exe of the Windows Steam a library inside 'prefix' belongs to:
// the library's own when it is Steam's folder, else that of the Steam root
// listing it, else the prefix's first Steam.
QString windowsSteamOf(const QString &library, const WinePrefix &prefix, const SearchBound &bound)
{
    if (const QString own = SteamLibraries::steamExe(library); !own.isEmpty())
        return own;
    const QString installPath = WineRegistry::read(prefix.path, {SteamLibraries::windowsInstallPath()}, bound).front();
    const QStringList roots = SteamLibraries::windowsRoots(prefix, installPath);
    const QString canonical = QFileInfo(library).canonicalFilePath();
    for (const QString &root : roots)
        for (const QString &listed : SteamLibraries::windowsLibraries(prefix, root, bound))
            if (QFileInfo(listed).canonicalFilePath() == canonical)
                return SteamLibraries::steamExe(root);
    return roots.isEmpty() ? QString() : SteamLibraries::steamExe(roots.first());
}
} // namespace

ProgramStart ProgramStart::of(const QString &file, const QStringList &arguments, const QString &directory,
                              const QProcessEnvironment &environment)
{
    ProgramStart start{file, arguments, QFileInfo(directory).isDir() ? QDir::cleanPath(directory) : QString(), environment};
#ifndef Q_OS_WIN
    const SearchBound bound(lookBound);
    // The places of the home are looked at only once the start needs them.
    std::optional<GamePlaces> known;
    const auto places = [&]() -> const GamePlaces & {
        if (!known)
            known = GamePlaces::of(environment.value(QStringLiteral("HOME")), bound);
        return *known;
    };
    const auto wine = [&](const std::optional<WinePrefix> &prefix) {
        start.via = Via::Wine;
        start.program = prefix && !prefix->wine.isEmpty() ? prefix->wine : wineLoader(environment);
        if (start.program.isEmpty())
            start.failure = StartFailure::NoWine;
        if (prefix)
            start.environment.insert(QStringLiteral("WINEPREFIX"), prefix->path);
    };
    if (const auto app = SteamLibraries::appOfFile(file, bound)) {
        const std::optional<WinePrefix> prefix =
            places().isNativeLibrary(app->library) ? std::nullopt : places().prefixOf(app->library + QLatin1String("/steamapps"));
        const QStringList applaunch{QStringLiteral("-applaunch"), QString::number(app->id)};
        if (prefix) {
            // A library of Windows Steam in a prefix: that Steam starts it, never the native client.
            if (const QString steamExe = windowsSteamOf(app->library, *prefix, bound); !steamExe.isEmpty()) {
                wine(prefix);
                start.via = Via::Steam;
                start.arguments = QStringList{steamExe} + applaunch + arguments;
                start.workingDirectory = QFileInfo(steamExe).absolutePath();
                return start;
            }
        } else if (const QStringList steam = steamClient(environment); !steam.isEmpty()) {
            start.via = Via::Steam;
            start.program = steam.first();
            start.arguments = steam.mid(1) + applaunch + arguments;
            return start;
        }
    }
    if (!QFileInfo::exists(file)) {
        start.failure = StartFailure::MissingFile;
        return start;
    }
    if (!isWindowsProgram(file))
        return start;
    start.arguments.prepend(file);
    wine(places().prefixOf(file));
#endif
    return start;
}

QString ProgramStart::resolve(const QString &file, const QString &directory)
{
    QString program = file;
    if (QFileInfo(program).isRelative() && !directory.isEmpty())
        program = QDir(directory).filePath(file);
#ifndef Q_OS_WIN
    // A native build may carry no ".exe" suffix; take the bare name when only that exists.
    if (!QFileInfo::exists(program) && program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        const QString bare = program.left(program.size() - 4);
        if (QFileInfo::exists(bare))
            program = bare;
    }
#endif
    return program;
}

QStringList ProgramStart::steamClient(const QProcessEnvironment &environment)
{
    const QString steam = onPath(QStringLiteral("steam"), environment);
    if (!steam.isEmpty())
        return {steam};
    static const QLatin1String flatpakApp("com.valvesoftware.Steam");
    const QString flatpak = onPath(QStringLiteral("flatpak"), environment);
    const QString home = environment.value(QStringLiteral("HOME"));
    const bool installed = QFileInfo::exists(QStringLiteral("/var/lib/flatpak/app/") + flatpakApp)
                           || (!home.isEmpty() && QFileInfo::exists(home + QLatin1String("/.local/share/flatpak/app/") + flatpakApp));
    if (flatpak.isEmpty() || !installed)
        return {};
    return {flatpak, QStringLiteral("run"), flatpakApp};
}

bool ProgramStart::isWindowsProgram(const QString &file)
{
    QFile f(file);
    if (!QFileInfo(file).isFile() || !f.open(QIODevice::ReadOnly))
        return false;
    return f.read(2) == "MZ";
}

QString ProgramStart::wineLoader(const QProcessEnvironment &environment)
{
    const QString named = environment.value(QStringLiteral("WINE"));
    const QString loader = named.isEmpty() ? QStringLiteral("wine") : named;
    if (loader.contains(QLatin1Char('/'))) {
        const QFileInfo info(loader);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return onPath(loader, environment);
}
