#pragma once

#include <QString>

class Launcher;

// The program paths that the settings window holds for the run.
namespace SettingsPaths {
// Puts 'path' into the settings window's display 'display' (StaticText1..9),
// as choosing a file there would.
void set(Launcher &launcher, const QString &display, const QString &path);
} // namespace SettingsPaths
