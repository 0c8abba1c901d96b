#include "ProgramStart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

ProgramStart ProgramStart::of(const QString &file, const QStringList &arguments,
                              const QProcessEnvironment &environment)
{
    ProgramStart start{file, arguments, environment};
#ifndef Q_OS_WIN
    if (!isWindowsProgram(file))
        return start;
    start.program = wineLoader(environment);
    start.arguments.prepend(file);
    const QString prefix = winePrefix(file);
    if (!prefix.isEmpty())
        start.environment.insert(QStringLiteral("WINEPREFIX"), prefix);
#endif
    return start;
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
    const QStringList path = environment.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return path.isEmpty() ? QString() : QStandardPaths::findExecutable(loader, path);
}
