#pragma once

class LocalFiles;
class SoundCues;
class TForm5;
class TrayService;
class Transparency;

// Loads the settings window at start-up and runs the first-run rule.
class SettingsStartup
{
public:
    SettingsStartup(TForm5 &settings, LocalFiles &files, Transparency &transparency, TrayService &tray,
                    SoundCues &cues);

    // Fills the path displays of one group from data.dat: the first four
    // games (which also become their dialogs' initial files), or the rest.
    void loadPaths(bool early);
    // The sounds and transparency switches; transparency is applied at once.
    void loadSwitches();
    bool readFirstRun();
    void firstRun();

private:
    TForm5 &m_settings;
    LocalFiles &m_files;
    Transparency &m_transparency;
    TrayService &m_tray;
    SoundCues &m_cues;
};
