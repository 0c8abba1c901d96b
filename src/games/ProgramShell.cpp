#include "ProgramShell.h"

#include "ProgramStart.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

ProgramShell::ProgramShell(QProcessEnvironment playerEnvironment) : m_environment(std::move(playerEnvironment))
{
}

QString ProgramShell::resolveProgram(const QString &file, const QString &directory)
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

void ProgramShell::openAddress(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

StartFailure ProgramShell::startProgram(const QString &file, const QString &parameters, const QString &directory)
{
    const QString program = resolveProgram(file, directory);
    const QString workDir = directory.isEmpty() || !QFileInfo(directory).isDir() ? QString() : directory;
    const ProgramStart start = ProgramStart::of(program, QProcess::splitCommand(parameters), m_environment);
    if (start.failure != StartFailure::None)
        return start.failure;
    QProcess process;
    process.setProgram(start.program);
    process.setArguments(start.arguments);
    process.setWorkingDirectory(workDir);
    process.setProcessEnvironment(start.environment);
    return process.startDetached() ? StartFailure::None : StartFailure::Refused;
}
