#pragma once

#include "platform/system/ShellService.h"

#include <QProcessEnvironment>

// The real shell: a program starts detached as ProgramStart says (through
// Steam, Wine or directly), with the environment the player started the
// launcher in; addresses go to the desktop's default browser.
class ProgramShell : public ShellService
{
public:
    // 'playerEnvironment': the launcher's environment as it found it, before
    // it set anything for itself.
    explicit ProgramShell(QProcessEnvironment playerEnvironment);

    StartFailure startProgram(const QString &file, const QString &arguments, const QString &directory) override;
    void openAddress(const QString &url) override;

private:
    QProcessEnvironment m_environment;
};
