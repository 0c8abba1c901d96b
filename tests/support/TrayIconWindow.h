#pragma once

#include <QWidget>

class RecordingTray;

// Stands in for the tray icon in a notification area that the toolkit draws
// into: a small window of its own, not one of the launcher's windows. A press
// of the left button clicks the icon; the right button opens its menu at the
// pointer. Clicks pass the window system as a player's do, so a modal window
// that blocks this window swallows them.
class TrayIconWindow : public QWidget
{
public:
    explicit TrayIconWindow(RecordingTray &tray);

    void leftClick();
    void rightClick();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    RecordingTray &m_tray;
};
