#pragma once

#include "ShellService.h"

// Shell execute on top of Qt: "Open" starts a program detached (a Windows
// program through Wine, see ProgramStart), "open" hands an address to the
// desktop's default browser.
class QtShellService : public ShellService
{
public:
    void execute(const QString &verb, const QString &file, const QString &parameters,
                 const QString &directory, int showCommand) override;

    // The program that "Open" would start for 'file' in 'directory'.
    static QString resolveProgram(const QString &file, const QString &directory);
};
