#pragma once

#include <QList>
#include <QObject>
#include <QWindow>

class QWidget;

// A program's windows as one group under a hidden owner window. A window of
// the group shown modally blocks the other windows of the group, and only
// them: windows outside it, such as the tray icon's own window, keep
// answering while it is up.
class WindowGroup : public QObject
{
    Q_OBJECT
public:
    explicit WindowGroup(QObject *parent = nullptr);

    void add(QWidget *window);
    // Ties a window that is up only for a while, such as a message box, to
    // the group without listing it: shown modally, it blocks the group's
    // windows like the others do.
    void tie(QWidget *window);
    const QList<QWidget *> &windows() const { return m_windows; }

    // Every shown window of the group leaves the screen; the taskbar entry
    // stays.
    void minimise();
    // Brings back what is minimised, then raises 'front' (null: none); a
    // modal window that is up stays on top of it with the focus.
    void restore(QWidget *front);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Never shown: it only ties the group's windows together.
    QWindow m_owner;
    QList<QWidget *> m_windows;
};
