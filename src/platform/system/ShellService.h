#pragma once

#include <QString>

// Why a program did not start.
enum class StartFailure {
    None,        // it started
    NoWine,      // a Windows program, and no Wine to run it
    MissingFile, // the file does not exist
    Refused,     // the system would not run it
};

// Starts the player's programs and hands web addresses to the desktop.
// Nothing is thrown; whether an address opened is never examined.
class ShellService
{
public:
    virtual ~ShellService() = default;

    // Starts the program 'file' with the argument string 'arguments' in
    // 'directory' (empty: wherever the launcher runs).
    virtual StartFailure startProgram(const QString &file, const QString &arguments, const QString &directory) = 0;
    // Opens a web address in the default browser.
    virtual void openAddress(const QString &url) = 0;
};
