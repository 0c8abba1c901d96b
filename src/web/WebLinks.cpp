#include "WebLinks.h"

#include "ClickBinding.h"
#include "CommunityUrls.h"
#include "TForm10.h"
#include "TForm15.h"
#include "TForm6.h"
#include "TForm7.h"
#include "TForm8.h"
#include "TForm9.h"
#include "WebLinkControls.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "platform/BrowserControl.h"

WebLinks::WebLinks(Launcher &launcher) : m_launcher(launcher)
{
    TForm1 *main = launcher.form1();
    main->controls().build(webLinkControls());

    const auto host = [&](const QString &window) -> std::pair<ControlHost *, QWidget *> {
        if (window == QLatin1String("TForm1"))
            return {&main->controls(), main};
        for (Form *form : std::initializer_list<Form *>{launcher.form7(), launcher.form8(), launcher.form9(),
                                                         launcher.form10(), launcher.form15()}) {
            if (form->objectName() == window)
                return {&form->controls(), form};
        }
        return {nullptr, nullptr};
    };
    for (const LinkRow &row : webLinkTable()) {
        const auto [controls, window] = host(QLatin1String(row.window));
        Q_ASSERT_X(controls, "WebLinks", row.window);
        bindClick(*controls, &launcher.errors(), QLatin1String(row.control),
                  [this, &row, window = window] { click(row, window); });
    }

    launcher.hooks().showNews = [this] { showNews(); };
}

void WebLinks::click(const LinkRow &row, QWidget *window)
{
    play(row.cue);
    act(row.action, window);
}

void WebLinks::play(LinkCue cue)
{
    switch (cue) {
    case LinkCue::None:
        break;
    case LinkCue::MainWindow:
        m_launcher.cues().playAndLatch(Cue::press);
        break;
    case LinkCue::Dialog:
        m_launcher.cues().play(Cue::press, SoundCues::Guard::Guarded, SoundCues::Mode::Synchronous);
        break;
    }
}

void WebLinks::act(LinkAction action, QWidget *window)
{
    switch (action) {
    case LinkAction::OpenHome:
        open(CommunityUrls::home());
        break;
    case LinkAction::OpenForum:
        open(CommunityUrls::forumHome());
        break;
    case LinkAction::OpenAuthor:
        open(CommunityUrls::author());
        break;
    case LinkAction::ShowAbout:
        m_launcher.form7()->open();
        break;
    case LinkAction::ShowBugReport:
        m_launcher.form8()->showModal();
        break;
    case LinkAction::ShowSpeedTest:
        showSpeedTest();
        break;
    case LinkAction::ShowChat:
        showChat();
        break;
    case LinkAction::NewsHome:
        m_launcher.form15()->browser()->navigate(CommunityUrls::launcherNews());
        break;
    case LinkAction::NewsVisitOrvanta:
        m_launcher.form15()->browser()->navigate(CommunityUrls::home());
        break;
    case LinkAction::CloseWindow:
        window->close();
        break;
    }
}

void WebLinks::open(const QString &url)
{
    m_launcher.shell().openAddress(url);
}

// Every opening loads the test page afresh.
void WebLinks::showSpeedTest()
{
    m_launcher.form9()->browser()->navigate(CommunityUrls::speedTest());
    m_launcher.form9()->showModal();
}

// Modeless: the main window stays usable. Every click reloads the chat.
void WebLinks::showChat()
{
    TForm6 *chat = m_launcher.form6();
    chat->show();
    chat->raise();
    chat->activateWindow();
    chat->browser()->navigate(CommunityUrls::chat());
}

void WebLinks::showNews()
{
    TForm15 *news = m_launcher.form15();
    news->show();
    news->raise();
    news->activateWindow();
}
