#pragma once

#include "ShellService.h"

// Programs start detached (a Windows program through Wine, see
// ProgramStart); addresses go to the desktop's default browser.
class QtShellService : public ShellService
{
public:
    void startProgram(const QString &file, const QString &arguments, const QString &directory) override;
    void openAddress(const QString &url) override;

    // The program that startProgram() would start for 'file' in 'directory'.
    static QString resolveProgram(const QString &file, const QString &directory);
};
