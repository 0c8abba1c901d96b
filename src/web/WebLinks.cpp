#include "WebLinks.h"

#include "CommunityUrls.h"
#include "BrowserWindow.h"
#include "TForm7.h"
#include "WebLinkControls.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "platform/browser/BrowserControl.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"
#include "platform/system/ShellService.h"

WebLinks::WebLinks(TForm1 &mainWindow, SoundCues &cues, ShellService &shell, WebWindows windows)
    : m_mainWindow(mainWindow), m_cues(cues), m_shell(shell), m_windows(windows)
{
    ControlHost &main = mainWindow.controls();
    main.build(WebLinkControls::pages());
    m_hoverParts.statusFrames = {main.get("Image111"), main.get("Image160")};
    m_statusPage = main.get<BrowserControl>("WebBrowser1");
    m_newsPage = main.get<BrowserControl>("WebBrowser2");
    m_versionStatistics = main.get<BrowserControl>("WebBrowser3");
    m_accessStatistics = main.get<BrowserControl>("WebBrowser4");
    m_onlineStatistics = main.get<BrowserControl>("WebBrowser5");
    m_newsTitle = main.get<TextLabel>("Label45");

    bind(main, buildMainWindowLinks(), mainWindow);
    const auto bindWindow = [this](Form &window, const std::vector<LinkControl> &links) {
        bind(window.controls(), links, window);
    };
    bindWindow(windows.about, windows.about.links());
    bindWindow(windows.bugReport, windows.bugReport.links());
    bindWindow(windows.speedTest, windows.speedTest.links());
    bindWindow(windows.speedTest2, windows.speedTest2.links());
    bindWindow(windows.news, windows.news.links());
}

// The logo, the footer credit and the icon buttons; both pictures of a pair
// carry the same link.
std::vector<LinkControl> WebLinks::buildMainWindowLinks()
{
    ControlHost &main = m_mainWindow.controls();
    std::vector<LinkControl> links;
    const auto add = [&](const WebLinkControls::ButtonLink &link) {
        const PictureButton button = main.build(link.button);
        links.push_back({button.picture, LinkCue::MainWindow, link.action});
        if (button.twin)
            links.push_back({button.twin, LinkCue::MainWindow, link.action});
        return HoverTables::Pair{button.picture, button.twin};
    };
    m_hoverParts.logo = add(WebLinkControls::logo()).picture;
    main.build({WebLinkControls::credit()});
    links.push_back({main.get(WebLinkControls::credit().name), LinkCue::MainWindow, LinkAction::ShowAbout});
    std::vector<HoverTables::Pair> icons;
    for (const WebLinkControls::ButtonLink &link : WebLinkControls::iconButtons())
        icons.push_back(add(link));
    // Speed test, info, bug report and chat, as the table lists them.
    m_hoverParts.speedTest = icons.at(0);
    m_hoverParts.info = icons.at(1);
    m_hoverParts.bugReport = icons.at(2);
    m_hoverParts.chat = icons.at(3);
    return links;
}

void WebLinks::bind(ControlHost &controls, const std::vector<LinkControl> &links, QWidget &window)
{
    for (const LinkControl &link : links)
        controls.onClick(link.control, [this, link, &window] { click(link, window); });
}

void WebLinks::click(const LinkControl &link, QWidget &window)
{
    play(link.cue);
    act(link.action, window);
}

void WebLinks::play(LinkCue cue)
{
    switch (cue) {
    case LinkCue::None:
        break;
    case LinkCue::MainWindow:
        m_cues.playAndLatch(Cue::press);
        break;
    case LinkCue::Dialog:
        m_cues.play(Cue::press, SoundCues::Guard::Guarded, SoundCues::Mode::Synchronous);
        break;
    }
}

void WebLinks::act(LinkAction action, QWidget &window)
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
        m_windows.about.open();
        break;
    case LinkAction::ShowBugReport:
        m_windows.bugReport.showModal();
        break;
    case LinkAction::ShowSpeedTest:
        showSpeedTest();
        break;
    case LinkAction::ShowChat:
        showChat();
        break;
    case LinkAction::NewsHome:
        m_windows.news.browser()->navigate(CommunityUrls::launcherNews());
        break;
    case LinkAction::NewsVisitOrvanta:
        m_windows.news.browser()->navigate(CommunityUrls::home());
        break;
    case LinkAction::CloseWindow:
        window.close();
        break;
    }
}

void WebLinks::open(const QString &url)
{
    m_shell.openAddress(url);
}

// Every opening loads the test page afresh.
void WebLinks::showSpeedTest()
{
    m_windows.speedTest.browser()->navigate(CommunityUrls::speedTest());
    m_windows.speedTest.showModal();
}

// Modeless: the main window stays usable. Every click reloads the chat.
void WebLinks::showChat()
{
    BrowserWindow &chat = m_windows.chat;
    chat.show();
    chat.raise();
    chat.activateWindow();
    chat.browser()->navigate(CommunityUrls::chat());
}

void WebLinks::showNews()
{
    BrowserWindow &news = m_windows.news;
    news.show();
    news.raise();
    news.activateWindow();
}
