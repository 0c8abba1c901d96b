#pragma once

#include <QScreen>
#include <QWidget>

// Puts a window that has no place of its own in the middle of its screen,
// where the main window stands as well.
inline void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}
