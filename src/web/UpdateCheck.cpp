#include "UpdateCheck.h"

#include "ClickBinding.h"
#include "CommunityUrls.h"
#include "TForm11.h"
#include "TForm12.h"
#include "TForm13.h"
#include "TForm15.h"
#include "UpdateControls.h"
#include "VersionDecision.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "config/LocalFiles.h"
#include "platform/BrowserControl.h"
#include "platform/HandlerGuard.h"
#include "platform/TextLabel.h"
#include "platform/WindowTimer.h"

#include <QAction>
#include <QCheckBox>

namespace {
QAction *updateto1(TForm1 *main)
{
    return main->findChild<QAction *>(QStringLiteral("Updateto1"));
}
} // namespace

UpdateCheck::UpdateCheck(Launcher &launcher) : m_launcher(launcher)
{
    TForm1 *main = launcher.form1();
    main->controls().build(updateControls());
    ErrorReporter *errors = &launcher.errors();
    bindClick(main->controls(), errors, QStringLiteral("Image156"), [this] { Image156Click(); });
    bindClick(main->controls(), errors, QStringLiteral("Image155"), [this] { Image156Click(); });
    bindClick(main->controls(), errors, QStringLiteral("Button1"), [this] { Button1Click(); });
    main->onTimer(QStringLiteral("shownew"), [this] { shownewTimer(); });
    if (QAction *item = updateto1(main))
        QObject::connect(item, &QAction::triggered, main, [this, errors] { runGuarded(errors, [this] { Updateto1Click(); }); });

    StartupHooks &hooks = launcher.hooks();
    hooks.startPageLoads = [this] { startPageLoads(); };
    hooks.readNotShow = [this] { readNotShow(); };
    hooks.applyNotShow = [this] { applyNotShow(); };
    hooks.fetchVersion = [this] { fetchVersion(); };
    hooks.announceVersion = [this] { return announceVersion(); };
    hooks.fillVersionDialog = [this] { fillVersionDialog(); };
}

// Both pages load while the step goes on; nothing waits for them.
void UpdateCheck::startPageLoads()
{
    m_launcher.form15()->browser()->navigate(CommunityUrls::launcherNews());
    m_launcher.form1()->control<BrowserControl>(QStringLiteral("WebBrowser3"))->navigate(CommunityUrls::statisticsOfVersion());
}

void UpdateCheck::readNotShow()
{
    m_notshow = m_launcher.files().read(LocalFiles::notshow);
}

void UpdateCheck::applyNotShow()
{
    m_launcher.form11()->notShowBox()->setChecked(LocalFiles::notshowTicksBox(m_notshow));
}

// The step waits here while the event loop runs: the clock ticks, a counter
// tick may run and the tray answers. `updatert` is already off, and `shownew`
// and `news` are armed only after the fetch has ended, so nothing runs the
// step again or brings a window up ahead of its turn.
void UpdateCheck::fetchVersion()
{
    LocalFiles &files = m_launcher.files();
    files.remove(LocalFiles::versionInf);
    try {
        m_launcher.downloads().downloadToFile(CommunityUrls::versionInf(), files.path(LocalFiles::versionInf));
    } catch (const DownloadError &) {
        m_launcher.cues().play(Cue::error);
        m_launcher.form13()->showModal();
    }
}

bool UpdateCheck::announceVersion()
{
    LocalFiles &files = m_launcher.files();
    m_version = files.read(LocalFiles::infVer);
    m_news1 = files.read(LocalFiles::infNew1);
    m_news2 = files.read(LocalFiles::infNew2);
    if (!VersionDecision::offersNewVersion(m_version)) {
        files.write(LocalFiles::ready, LocalFiles::flag(false));
        files.remove(LocalFiles::versionInf);
        return false;
    }
    files.write(LocalFiles::ready, LocalFiles::flag(true));
    m_launcher.tray().showBalloon(VersionDecision::balloonTitle(), VersionDecision::balloonText(m_version));
    if (QAction *item = updateto1(m_launcher.form1())) {
        item->setVisible(true);
        item->setText(VersionDecision::menuCaption(item->text(), m_version));
    }
    if (LocalFiles::notshowLetsDialogOpen(m_notshow))
        armShownew();
    return true;
}

void UpdateCheck::fillVersionDialog()
{
    m_launcher.form11()->showOffer(m_version, m_news1, m_news2);
}

void UpdateCheck::armShownew()
{
    m_launcher.form1()->timer(QStringLiteral("shownew"))->setEnabled(true);
}

// A dialog already on screen is not shown a second time.
void UpdateCheck::shownewTimer()
{
    m_launcher.form1()->timer(QStringLiteral("shownew"))->setEnabled(false);
    m_launcher.form11()->showModal();
}

// The beep is no sound cue: it sounds whatever the sounds switch says.
void UpdateCheck::Image156Click()
{
    if (LocalFiles::updateIsReady(m_launcher.files().read(LocalFiles::ready))) {
        armShownew();
        return;
    }
    m_launcher.beep().beep();
    m_launcher.form12()->showModal();
}

void UpdateCheck::Updateto1Click()
{
    m_launcher.form11()->showModal();
}

// The older check against version.dat. A failed download is not caught here:
// it reaches the error report and the rest is skipped.
void UpdateCheck::Button1Click()
{
    LocalFiles &files = m_launcher.files();
    m_launcher.downloads().downloadToFile(CommunityUrls::versionDat(), files.path(LocalFiles::versionDat));
    const QString version = files.read(LocalFiles::datVer);
    const QString news = files.read(LocalFiles::datNews);
    if (version != QLatin1String(LocalFiles::datVer.defaultValue))
        armShownew();
    TForm11 *dialog = m_launcher.form11();
    dialog->control<TextLabel>(QStringLiteral("Label6"))->setCaption(version);
    dialog->control<TextLabel>(QStringLiteral("Label8"))->setCaption(news);
}
