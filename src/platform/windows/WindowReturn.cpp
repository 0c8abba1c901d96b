#include "WindowReturn.h"

#include <QEvent>
#include <QWidget>

WindowReturn::WindowReturn(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

// Away: hidden or minimised. Back: shown and not minimised, whichever event
// says so first (the state change, the showing, the window made active
// again).
bool WindowReturn::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Hide:
        m_away = true;
        break;
    case QEvent::WindowStateChange:
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (m_window->isMinimized()) {
            m_away = true;
        } else if (m_away && m_window->isVisible()) {
            m_away = false;
            emit returned();
        }
        break;
    default:
        break;
    }
    return false;
}
