#include "ProgramStart.h"

#include "SteamLibraries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

ProgramStart ProgramStart::of(const QString &file, const QStringList &arguments,
                              const QProcessEnvironment &environment)
{
    ProgramStart start{file, arguments, environment};
#ifndef Q_OS_WIN
    if (const int app = SteamLibraries::appOfFile(file)) {
        const QStringList steam = steamClient(environment);
        if (!steam.isEmpty()) {
            start.program = steam.first();
            start.arguments = steam.mid(1) + QStringList{QStringLiteral("-applaunch"), QString::number(app)} + arguments;
            return start;
        }
    }
    if (!QFileInfo::exists(file)) {
        start.failure = StartFailure::MissingFile;
        return start;
    }
    if (!isWindowsProgram(file))
        return start;
    start.program = wineLoader(environment);
    start.arguments.prepend(file);
    if (start.program.isEmpty()) {
        start.failure = StartFailure::NoWine;
        return start;
    }
    const QString prefix = winePrefix(file);
    if (!prefix.isEmpty())
        start.environment.insert(QStringLiteral("WINEPREFIX"), prefix);
#endif
    return start;
}

static QString onPath(const QString &name, const QProcessEnvironment &environment)
{
    const QStringList path = environment.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return path.isEmpty() ? QString() : QStandardPaths::findExecutable(name, path);
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

static QString prefixAbove(const QString &folder)
{
    QDir dir(folder);
    do {
        if (dir.dirName() == QLatin1String("drive_c")) {
            QDir prefix = dir;
            if (prefix.cdUp()
                && (prefix.exists(QStringLiteral("system.reg")) || prefix.exists(QStringLiteral("dosdevices"))))
                return prefix.absolutePath();
        }
    } while (dir.cdUp());
    return QString();
}

QString ProgramStart::winePrefix(const QString &file)
{
    const QFileInfo info(file);
    const QString prefix = prefixAbove(info.absolutePath());
    // A path picked through a drive letter (dosdevices/c:) leads to drive_c only once resolved.
    if (!prefix.isEmpty() || info.canonicalFilePath().isEmpty())
        return prefix;
    return prefixAbove(QFileInfo(info.canonicalFilePath()).absolutePath());
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
