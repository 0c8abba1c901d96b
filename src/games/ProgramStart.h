#pragma once

#include "platform/system/ShellService.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// How a program file is started on Linux:
// - a file inside the install folder of a Steam app (named by its library's
//   appmanifest_<id>.acf) starts through that library's Steam: a native
//   library's through the native client, as "steam -applaunch <id>" with
//   the same arguments, native or Proton alike; a library inside a Wine
//   prefix through that prefix's Windows Steam, as
//   "wine <its steam.exe> -applaunch <id> ..." with that WINEPREFIX, in
//   Steam's folder;
// - else a Windows program (a file that begins with "MZ") runs under Wine:
//   the Wine of the prefix's game manager, else the loader named by WINE,
//   else "wine" found on PATH, gets the file as its first argument, and a
//   file of a Wine prefix (inside its drive_c, or on one of its drive
//   letters mapped elsewhere) gets that prefix as WINEPREFIX;
// - anything else (an ELF binary, a script) starts directly.
// Nothing here goes through a shell: the arguments stay a list.
class ProgramStart
{
public:
    enum class Via { Direct, Wine, Steam };

    // 'directory': the folder the start was asked to run in; 'environment'
    // is the player's: PATH, HOME and WINE are read from it, and the places
    // of HOME (Steam libraries, Wine prefixes) are looked at when needed.
    static ProgramStart of(const QString &file, const QStringList &arguments, const QString &directory,
                           const QProcessEnvironment &environment);

    // The file a start of 'file' in 'directory' means: a relative one in
    // that folder, and a native build's bare name when only that exists.
    static QString resolve(const QString &file, const QString &directory);
    static bool isWindowsProgram(const QString &file);
    // The Wine loader to run; empty when there is none.
    static QString wineLoader(const QProcessEnvironment &environment);
    // The Steam client to hand an app to: "steam" on PATH, else the Flatpak
    // one when it is installed (program first, then its own arguments);
    // empty when there is neither.
    static QStringList steamClient(const QProcessEnvironment &environment);

    QString program; // empty: nothing can start the file
    QStringList arguments;
    QString workingDirectory; // empty: wherever the launcher runs
    QProcessEnvironment environment;
    Via via = Via::Direct;
    StartFailure failure = StartFailure::None;
};
