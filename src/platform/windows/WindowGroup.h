#pragma once

#include <QList>
#include <QObject>
#include <QWindow>

class QWidget;

// A program's windows as one group. The main window stands at its root
// (under a hidden owner window) and every other window of the group, shown,
// floats over the window that opened it: the modal window that is up, or
// else the main window. Desktops that place windows themselves centre such a
// window over its opener instead of tiling it. A window of the group shown
// modally blocks the other windows of the group, and only them: windows
// outside it, such as the tray icon's own window, keep answering while it is
// up.
//
// A window that comes back on the screen (restored, shown again, or left on
// the screen by a desktop that would not minimise it) shows the pages of its
// browser controls again at once and is announced by returned().
class WindowGroup : public QObject
{
    Q_OBJECT
public:
    explicit WindowGroup(QObject *parent = nullptr);

    // The main window, the root of the group; it is listed first.
    void addMain(QWidget *window);
    void add(QWidget *window);
    // Ties a window that is up only for a while, such as a message box, to
    // the group without listing it: shown modally, it blocks the group's
    // windows like the others do.
    void tie(QWidget *window);
    const QList<QWidget *> &windows() const { return m_windows; }
    QWidget *mainWindow() const { return m_main; }

    // Every shown window of the group leaves the screen; the taskbar entry
    // stays.
    void minimise();
    // Brings back what is minimised, then raises 'front' (null: none); a
    // modal window that is up stays on top of it with the focus.
    void restore(QWidget *front);

signals:
    // 'window' of the group is back on the screen.
    void returned(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWindow *openerOf(QWidget *window);
    void watchReturns(QWidget *window);
    void cameBack(QWidget *window);

    // Never shown: it only ties the group's windows together.
    QWindow m_owner;
    QWidget *m_main = nullptr;
    QList<QWidget *> m_windows;
};
