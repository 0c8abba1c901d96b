#pragma once

#include "platform/system/ShellService.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// How a program file is started on Linux:
// - a file inside a Steam library's install folder of an app (named by the
//   library's appmanifest_<id>.acf) starts through the Steam client, as
//   "steam -applaunch <id>" with the same arguments, native or Proton alike;
// - else a Windows program (a file that begins with "MZ") runs under Wine:
//   the loader named by WINE, or else "wine" found on PATH, gets the file as
//   its first argument, and a file inside a Wine prefix gets that prefix as
//   WINEPREFIX;
// - anything else (an ELF binary, a script) starts directly.
// Nothing here goes through a shell: the arguments stay a list.
class ProgramStart
{
public:
    // 'environment' is the player's; PATH, HOME and WINE are read from it.
    static ProgramStart of(const QString &file, const QStringList &arguments,
                           const QProcessEnvironment &environment);

    static bool isWindowsProgram(const QString &file);
    // The folder above the nearest "drive_c" that holds "system.reg" or
    // "dosdevices"; empty when the file lies in no Wine prefix.
    static QString winePrefix(const QString &file);
    // The Wine loader to run; empty when there is none.
    static QString wineLoader(const QProcessEnvironment &environment);
    // The Steam client to hand an app to: "steam" on PATH, else the Flatpak
    // one when it is installed (program first, then its own arguments);
    // empty when there is neither.
    static QStringList steamClient(const QProcessEnvironment &environment);

    QString program; // empty: nothing can start the file
    QStringList arguments;
    QProcessEnvironment environment;
    StartFailure failure = StartFailure::None;
};
