#pragma once

class BrowserControl;
class QWidget;

// Creates the browser controls of the windows.
class BrowserFactory
{
public:
    virtual ~BrowserFactory() = default;

    // 'onScreen' is false for controls that lie outside their window and are
    // never seen: only their requests count.
    virtual BrowserControl *create(QWidget *parent, bool onScreen) = 0;

    // Starts the browser engine, which keeps the thread busy for a while.
    // The program calls this once its progress window is on screen, so that
    // the player sees a window at once and no other window stops answering
    // meanwhile. Should a control load a page first, the engine starts then.
    virtual void startEngine() {}

    // The program calls this once, when its main window is on screen. Until
    // then a control that needs a browser engine only notes the page it is
    // told to load, so that loading pages never holds up start-up; controls
    // made later load at once.
    virtual void beginLoading() {}
};
