#include "SettingsStartup.h"

#include "LocalFiles.h"
#include "SettingsRows.h"
#include "TForm5.h"
#include "app/SoundCues.h"
#include "platform/system/TrayService.h"
#include "platform/windows/Transparency.h"

#include <QCheckBox>

SettingsStartup::SettingsStartup(TForm5 &settings, LocalFiles &files, Transparency &transparency, TrayService &tray,
                                 SoundCues &cues)
    : m_settings(settings), m_files(files), m_transparency(transparency), m_tray(tray), m_cues(cues)
{
}

void SettingsStartup::loadPaths(bool early)
{
    for (const PathRow *row : pathRowsInStoreOrder()) {
        if (row->early != early)
            continue;
        const QString value = m_files.read(*row->key);
        m_settings.setPath(*row, value);
        if (early)
            m_settings.setDialogInitialFile(*row, value);
    }
}

void SettingsStartup::loadSwitches()
{
    const QString sounds = m_files.read(LocalFiles::soundsEnabled);
    const QString transparency = m_files.read(LocalFiles::transparencyEnabled);
    m_settings.soundsSwitch()->setChecked(LocalFiles::switchIsOn(sounds));
    const bool transparent = LocalFiles::switchIsOn(transparency);
    m_transparency.apply(transparent);
    m_settings.transparencySwitch()->setChecked(transparent);
}

bool SettingsStartup::readFirstRun()
{
    return LocalFiles::isFirstRun(m_files.read(LocalFiles::first));
}

void SettingsStartup::firstRun()
{
    m_tray.showBalloon(
        QStringLiteral("První spuštění / First run"),
        QStringLiteral("Nejdříve je nutné správně nastavit cesty ke hrám a programům. First you must set paths to games "
                       "and programs"));
    // This cue does not ask the sounds switch; the latch follows it.
    m_cues.play(Cue::firstRun, SoundCues::Guard::Unguarded, SoundCues::Mode::Asynchronous, SoundCues::Latch::Set);
    // What was found on this machine is offered at once.
    m_settings.offerFoundPrograms();
    m_settings.showModal();
}
