#include "WindowGroup.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

WindowGroup::WindowGroup(QObject *parent) : QObject(parent) {}

void WindowGroup::add(QWidget *window)
{
    m_windows << window;
    tie(window);
}

void WindowGroup::tie(QWidget *window)
{
    window->installEventFilter(this);
}

// A window's native handle exists by the time it is shown, and it is tied to
// the owner before the toolkit decides what a modal window blocks.
bool WindowGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (QWindow *handle = static_cast<QWidget *>(watched)->windowHandle())
            handle->setTransientParent(&m_owner);
    }
    return false;
}

void WindowGroup::minimise()
{
    for (QWidget *window : m_windows) {
        if (window->isVisible() && !window->isMinimized())
            window->showMinimized();
    }
}

void WindowGroup::restore(QWidget *front)
{
    for (QWidget *window : m_windows) {
        if (window->isVisible() && window->isMinimized())
            window->showNormal();
    }
    if (front) {
        front->show();
        front->raise();
        front->activateWindow();
    }
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}
