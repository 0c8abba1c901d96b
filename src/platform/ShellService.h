#pragma once

#include <QString>

// Starts the player's programs and hands web addresses to the desktop.
// Whether either worked is never examined, so nothing is returned and
// nothing is thrown.
class ShellService
{
public:
    virtual ~ShellService() = default;

    // Starts the program 'file' with the argument string 'arguments' in
    // 'directory' (empty: wherever the launcher runs).
    virtual void startProgram(const QString &file, const QString &arguments, const QString &directory) = 0;
    // Opens a web address in the default browser.
    virtual void openAddress(const QString &url) = 0;
};
