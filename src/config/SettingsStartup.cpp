#include "SettingsStartup.h"

#include "LocalFiles.h"
#include "SettingsRows.h"
#include "TForm5.h"
#include "app/ChromeTransparency.h"
#include "app/SoundCues.h"
#include "platform/TextLabel.h"
#include "platform/TrayService.h"

#include <QCheckBox>

SettingsStartup::SettingsStartup(Launcher &launcher) : m_launcher(launcher)
{
    StartupHooks &hooks = launcher.hooks();
    hooks.loadFirstPaths = [this] { loadPaths(true); };
    hooks.loadRemainingSettings = [this] {
        loadPaths(false);
        loadSwitches();
    };
    hooks.readFirstRun = [this] { return readFirstRun(); };
    hooks.firstRun = [this] { firstRun(); };
}

void SettingsStartup::loadPaths(bool early)
{
    TForm5 *settings = m_launcher.form5();
    for (const PathRow *row : pathRowsInStoreOrder()) {
        if (row->early != early)
            continue;
        const QString value = m_launcher.files().read(*row->key);
        settings->pathDisplay(*row)->setCaption(value);
        if (early)
            settings->setDialogInitialFile(QLatin1String(row->dialog), value);
    }
}

void SettingsStartup::loadSwitches()
{
    const QString sounds = m_launcher.files().read(LocalFiles::soundsEnabled);
    const QString transparency = m_launcher.files().read(LocalFiles::transparencyEnabled);
    TForm5 *settings = m_launcher.form5();
    settings->soundsSwitch()->setChecked(LocalFiles::switchIsOn(sounds));
    const bool transparent = LocalFiles::switchIsOn(transparency);
    applyTransparency(m_launcher, transparent);
    settings->transparencySwitch()->setChecked(transparent);
}

bool SettingsStartup::readFirstRun()
{
    return LocalFiles::isFirstRun(m_launcher.files().read(LocalFiles::first));
}

void SettingsStartup::firstRun()
{
    m_launcher.tray().showBalloon(
        QStringLiteral("První spuštění / First run"),
        QStringLiteral("Nejdříve je nutné správně nastavit cesty ke hrám a programům. First you must set paths to games "
                       "and programs"));
    // This cue does not ask the sounds switch; the latch follows it.
    m_launcher.cues().play(Cue::firstRun, SoundCues::Guard::Unguarded, SoundCues::Mode::Asynchronous,
                           SoundCues::Latch::Set);
    m_launcher.form5()->showModalSettings();
}
