#include "UpdateCheck.h"

#include "CommunityUrls.h"
#include "TForm11.h"
#include "TForm12.h"
#include "TForm13.h"
#include "BrowserWindow.h"
#include "UpdateControls.h"
#include "VersionDecision.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "config/LocalFiles.h"
#include "platform/browser/BrowserControl.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/WindowTimer.h"
#include "platform/network/DownloadService.h"
#include "platform/system/BeepService.h"
#include "platform/system/TrayService.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

UpdateCheck::UpdateCheck(TForm1 &mainWindow, SoundCues &cues, LocalFiles &files, DownloadService &downloads,
                         BeepService &beep, TrayService &tray, QAction &updateTo, BrowserControl &versionStatistics,
                         UpdateWindows windows)
    : m_mainWindow(mainWindow),
      m_cues(cues),
      m_files(files),
      m_downloads(downloads),
      m_beep(beep),
      m_tray(tray),
      m_updateTo(updateTo),
      m_versionStatistics(versionStatistics),
      m_windows(windows)
{
    ControlHost &main = mainWindow.controls();
    const PictureButton button = main.build(updateButton());
    m_button = {button.picture, button.twin};
    main.onClick(button, [this] { Image156Click(); });
    main.build(olderCheckControls());
    main.onClick(main.get<QPushButton>("Button1"), [this] { Button1Click(); });
    mainWindow.onTick(mainWindow.timers().versionDialogTimer, [this] { shownewTimer(); });
    main.onClick(&updateTo, [this] { Updateto1Click(); });
    WindowTimer &dialogShownew = *windows.noUpdate.shownew();
    mainWindow.onTick(&dialogShownew, [this, &dialogShownew] { openNewVersionOnce(dialogShownew); });
}

// Both pages load while the step goes on; nothing waits for them.
void UpdateCheck::startPageLoads()
{
    m_windows.news.browser()->navigate(CommunityUrls::launcherNews());
    m_versionStatistics.navigate(CommunityUrls::statisticsOfVersion());
}

void UpdateCheck::readNotShow()
{
    m_notshow = m_files.read(LocalFiles::notshow);
}

void UpdateCheck::applyNotShow()
{
    m_windows.newVersion.notShowBox()->setChecked(LocalFiles::notshowTicksBox(m_notshow));
}

// The step waits here while the event loop runs: the clock ticks, a counter
// tick may run and the tray answers. `updatert` is already off, and `shownew`
// and `news` are armed only after the fetch has ended, so nothing runs the
// step again or brings a window up ahead of its turn.
void UpdateCheck::fetchVersion()
{
    m_files.remove(LocalFiles::versionInf);
    try {
        m_downloads.downloadToFile(CommunityUrls::versionInf(), m_files.path(LocalFiles::versionInf));
    } catch (const DownloadError &) {
        m_cues.play(Cue::error);
        m_windows.updateError.showModal();
    }
}

bool UpdateCheck::announceVersion()
{
    m_version = m_files.read(LocalFiles::infVer);
    m_news1 = m_files.read(LocalFiles::infNew1);
    m_news2 = m_files.read(LocalFiles::infNew2);
    if (!VersionDecision::offersNewVersion(m_version)) {
        m_files.write(LocalFiles::ready, LocalFiles::flag(false));
        m_files.remove(LocalFiles::versionInf);
        return false;
    }
    m_files.write(LocalFiles::ready, LocalFiles::flag(true));
    m_tray.showBalloon(VersionDecision::balloonTitle(), VersionDecision::balloonText(m_version));
    m_updateTo.setVisible(true);
    m_updateTo.setText(VersionDecision::menuCaption(m_updateTo.text(), m_version));
    if (LocalFiles::notshowLetsDialogOpen(m_notshow))
        armShownew();
    return true;
}

void UpdateCheck::fillVersionDialog()
{
    m_windows.newVersion.showOffer(m_version, m_news1, m_news2);
}

void UpdateCheck::armShownew()
{
    m_mainWindow.timers().versionDialogTimer->setEnabled(true);
}

// The main window's timer and the no-update dialog's own one both open the
// dialog once. A dialog already on screen is not shown a second time.
void UpdateCheck::openNewVersionOnce(WindowTimer &timer)
{
    timer.setEnabled(false);
    m_windows.newVersion.showModal();
}

void UpdateCheck::shownewTimer()
{
    openNewVersionOnce(*m_mainWindow.timers().versionDialogTimer);
}

// The beep is no sound cue: it sounds whatever the sounds switch says.
void UpdateCheck::Image156Click()
{
    if (LocalFiles::updateIsReady(m_files.read(LocalFiles::ready))) {
        armShownew();
        return;
    }
    m_beep.beep();
    m_windows.noUpdate.showModal();
}

void UpdateCheck::Updateto1Click()
{
    m_windows.newVersion.showModal();
}

// The older check against version.dat. A failed download is not caught here:
// it reaches the error report and the rest is skipped.
void UpdateCheck::Button1Click()
{
    m_downloads.downloadToFile(CommunityUrls::versionDat(), m_files.path(LocalFiles::versionDat));
    const QString version = m_files.read(LocalFiles::datVer);
    const QString news = m_files.read(LocalFiles::datNews);
    if (version != QLatin1String(LocalFiles::datVer.defaultValue))
        armShownew();
    m_windows.newVersion.showOlderOffer(version, news);
}
