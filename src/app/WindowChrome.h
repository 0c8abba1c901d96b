#pragma once

#include "HoverTables.h"
#include "platform/controls/PictureButton.h"

class ErrorReporter;
class Form;
class QAction;
class QMenu;
class SoundCues;
class TForm1;
class TrayService;
class WindowGroup;

// The main window's frame, its close, minimise and settings buttons, the
// tray icon with its popup menu.
class WindowChrome
{
public:
    WindowChrome(TForm1 &mainWindow, SoundCues &cues, TrayService &tray, WindowGroup &windows, Form &settings,
                 Form &about);

    // The popup menu's "Update to" entry, hidden until a new version is known.
    QAction &updateTo() const { return *m_updateTo; }
    // The popup menu, and its "About" entry, before which other parts put theirs.
    QMenu &trayMenu() const { return *m_popup; }
    QAction &about() const { return *m_aboutItem; }

    // Handlers.
    void Image6Click();  // close, also for closeact
    void Image4Click();  // minimise, also for Image130
    void Image13Click(); // settings, also for Image21
    void About1Click();
    void Exit1Click();
    void TrayClick();

    // The frame's controls, for the hover highlighting.
    const HoverTables::ChromeParts &hoverParts() const { return m_hoverParts; }

private:
    void buildTray();

    TForm1 &m_mainWindow;
    SoundCues &m_cues;
    TrayService &m_tray;
    WindowGroup &m_windows;
    Form &m_settings;
    Form &m_about;
    QMenu *m_popup = nullptr;
    QAction *m_updateTo = nullptr;
    QAction *m_aboutItem = nullptr;
    HoverTables::ChromeParts m_hoverParts;
};
