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
};
