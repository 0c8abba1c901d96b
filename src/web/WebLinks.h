#pragma once

#include "WebLinkTable.h"
#include "app/Launcher.h"

class QWidget;

// The main window's links and the news, chat, bug-report, speed-test and About windows.
class WebLinks : public Subsystem
{
public:
    explicit WebLinks(Launcher &launcher);

    // The last start-up step: the news window comes up beside the main window.
    void showNews();

private:
    void click(const LinkRow &row, QWidget *window);
    void play(LinkCue cue);
    void act(LinkAction action, QWidget *window);
    void open(const QString &url);
    void showSpeedTest();
    void showChat();

    Launcher &m_launcher;
};
