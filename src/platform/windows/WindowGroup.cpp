#include "WindowGroup.h"

#include "WindowReturn.h"
#include "platform/browser/BrowserControl.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

WindowGroup::WindowGroup(QObject *parent) : QObject(parent) {}

void WindowGroup::addMain(QWidget *window)
{
    m_main = window;
    m_windows.prepend(window);
    tie(window);
    watchReturns(window);
}

void WindowGroup::add(QWidget *window)
{
    m_windows << window;
    tie(window);
    watchReturns(window);
}

void WindowGroup::tie(QWidget *window)
{
    window->installEventFilter(this);
}

void WindowGroup::watchReturns(QWidget *window)
{
    auto *watch = new WindowReturn(window);
    connect(watch, &WindowReturn::returned, this, [this, window] { cameBack(window); });
}

// A browser control whose window went away believes its page hidden, and
// the toolkit does not always tell it otherwise when the window is back.
void WindowGroup::cameBack(QWidget *window)
{
    for (BrowserControl *browser : window->findChildren<BrowserControl *>())
        browser->showAgain();
    emit returned(window);
}

namespace {
bool descendsFrom(const QWindow *window, const QWindow *ancestor)
{
    for (const QWindow *w = window; w; w = w->transientParent()) {
        if (w == ancestor)
            return true;
    }
    return false;
}
} // namespace

// The modal window that is up opened whatever comes up now; without one,
// the main window did. The main window itself has only the owner, and so
// has what comes up while it is minimised (from the tray menu): a desktop
// keeps the windows of a minimised window off the screen.
QWindow *WindowGroup::openerOf(QWidget *window)
{
    if (window == m_main || !m_main)
        return &m_owner;
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != window && modal->isVisible() && !modal->isMinimized() && modal->windowHandle()
        && !descendsFrom(modal->windowHandle(), window->windowHandle()))
        return modal->windowHandle();
    if (m_main->isMinimized())
        return &m_owner;
    // Created before its first showing, so that the windows of start-up
    // already have their parent.
    m_main->winId();
    return m_main->windowHandle();
}

// A window's native handle exists by the time it is shown, and it is tied to
// its opener before the toolkit decides what a modal window blocks and
// before the desktop places it.
bool WindowGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        auto *window = static_cast<QWidget *>(watched);
        if (QWindow *handle = window->windowHandle())
            handle->setTransientParent(openerOf(window));
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
