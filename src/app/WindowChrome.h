#pragma once

#include "app/Launcher.h"

class QMenu;

// The main window's frame, its close, minimise and settings buttons, the
// tray icon with its popup menu.
class WindowChrome : public Subsystem
{
public:
    explicit WindowChrome(Launcher &launcher);

    // Handlers.
    void Image6Click();  // close, also for closeact
    void Image4Click();  // minimise, also for Image130
    void Image13Click(); // settings, also for Image21
    void About1Click();
    void Exit1Click();
    void TrayClick();

private:
    void buildTray();

    Launcher &m_launcher;
    QMenu *m_popup = nullptr;
};
