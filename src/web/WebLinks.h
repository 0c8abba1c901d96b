#pragma once

#include "app/HoverTables.h"

#include "LinkControl.h"

#include <vector>

class BrowserControl;
class BrowserWindow;
class ControlHost;
class QString;
class QWidget;
class ShellService;
class SoundCues;
class TextLabel;
class TForm1;
class TForm7;

// The windows whose pages and links WebLinks serves.
struct WebWindows {
    BrowserWindow &chat;
    TForm7 &about;
    BrowserWindow &bugReport;
    BrowserWindow &speedTest;
    BrowserWindow &speedTest2;
    BrowserWindow &news;
};

// The main window's browser controls and links, and the links of the news,
// chat, bug-report, speed-test and About windows: every link click of the
// launcher's pages goes through here.
class WebLinks
{
public:
    WebLinks(TForm1 &mainWindow, SoundCues &cues, ShellService &shell, WebWindows windows);
    WebLinks(const WebLinks &) = delete;
    WebLinks &operator=(const WebLinks &) = delete;

    // The main window's browsers.
    BrowserControl &statusPage() const { return *m_statusPage; }               // WebBrowser1
    BrowserControl &newsPage() const { return *m_newsPage; }                   // WebBrowser2
    BrowserControl &versionStatistics() const { return *m_versionStatistics; } // WebBrowser3
    BrowserControl &accessStatistics() const { return *m_accessStatistics; }   // WebBrowser4
    BrowserControl &onlineStatistics() const { return *m_onlineStatistics; }   // WebBrowser5
    // "Novinky:" over the news box.
    TextLabel &newsTitle() const { return *m_newsTitle; }

    // The last start-up step: the news window comes up beside the main window.
    void showNews();

    // The logo, the icon buttons and the status page's frames, for the hover highlighting.
    const HoverTables::WebParts &hoverParts() const { return m_hoverParts; }

private:
    std::vector<LinkControl> buildMainWindowLinks();
    void bind(ControlHost &controls, const std::vector<LinkControl> &links, QWidget &window);
    void click(const LinkControl &link, QWidget &window);
    void play(LinkCue cue);
    void act(LinkAction action, QWidget &window);
    void open(const QString &url);
    void showSpeedTest();
    void showChat();

    TForm1 &m_mainWindow;
    SoundCues &m_cues;
    ShellService &m_shell;
    const WebWindows m_windows;
    BrowserControl *m_statusPage;
    BrowserControl *m_newsPage;
    BrowserControl *m_versionStatistics;
    BrowserControl *m_accessStatistics;
    BrowserControl *m_onlineStatistics;
    TextLabel *m_newsTitle;
    HoverTables::WebParts m_hoverParts;
};
