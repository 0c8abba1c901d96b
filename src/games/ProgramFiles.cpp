#include "ProgramFiles.h"

namespace {
WineRegistry::Value installPath(const char *key, const char *name = "InstallPath")
{
    return {QString::fromLatin1(key), QString::fromLatin1(name)};
}
} // namespace

const std::vector<ProgramFiles> &programFiles()
{
    // Steam: Counter-Strike 10, Call of Duty 2620, Call of Duty 2 2630,
    // Unreal Tournament 13240, Unreal Tournament 2004 13230. The native
    // Counter-Strike build (hl_linux) comes before the Windows one.
    static const std::vector<ProgramFiles> table = {
        {Program::CounterStrike, {"hl_linux", "hl.exe", "cstrike.exe"}, {10},
         {installPath("Software\\Valve\\Half-Life")}},
        {Program::CallOfDuty, {"CoDMP.exe"}, {2620}, {installPath("Software\\Activision\\Call of Duty")}},
        {Program::CallOfDuty2v10, {"CoD2MP_s.exe"}, {2630}, {installPath("Software\\Activision\\Call of Duty 2")}, true},
        {Program::CallOfDuty2v13, {"CoD2MP_s.exe"}, {2630}, {installPath("Software\\Activision\\Call of Duty 2")}, true},
        {Program::AlienVsPredator2, {"lithtech.exe", "AVP2.exe"}, {},
         {installPath("Software\\Monolith Productions\\Aliens vs. Predator 2\\1.0", "InstallDir")}},
        {Program::UnrealTournament, {"UnrealTournament.exe"}, {13240},
         {installPath("Software\\Unreal Technology\\Installed Apps\\UnrealTournament", "Folder")}},
        {Program::UnrealTournament2004, {"UT2004.exe"}, {13230},
         {installPath("Software\\Unreal Technology\\Installed Apps\\UT2004", "Folder")}},
        {Program::Ventrilo, {"Ventrilo.exe"}, {}, {}},
        {Program::TeamSpeak, {"TeamSpeak.exe", "ts3client_win64.exe", "ts3client_win32.exe"}, {}, {}},
    };
    return table;
}
