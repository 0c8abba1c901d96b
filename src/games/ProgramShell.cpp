#include "ProgramShell.h"

#include "ProgramStart.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

ProgramShell::ProgramShell(QProcessEnvironment playerEnvironment) : m_environment(std::move(playerEnvironment))
{
}

void ProgramShell::openAddress(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

StartFailure ProgramShell::startProgram(const QString &file, const QString &parameters, const QString &directory)
{
    const QString program = ProgramStart::resolve(file, directory);
    const ProgramStart start = ProgramStart::of(program, QProcess::splitCommand(parameters), directory, m_environment);
    if (start.failure != StartFailure::None)
        return start.failure;
    QProcess process;
    process.setProgram(start.program);
    process.setArguments(start.arguments);
    process.setWorkingDirectory(start.workingDirectory);
    process.setProcessEnvironment(start.environment);
    return process.startDetached() ? StartFailure::None : StartFailure::Refused;
}
