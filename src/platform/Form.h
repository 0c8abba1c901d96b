#pragma once

#include "ControlHost.h"

#include <QDialog>
#include <QPoint>
#include <QSize>

// A secondary window: created hidden, closing only hides it, shown
// modelessly with show() or modally with showModal(). It closes by its close
// box or its buttons; Escape closes none of these windows.
class Form : public QDialog
{
    Q_OBJECT
public:
    struct Frame {
        const char *name;
        const char *caption;
        QSize client;
        QPoint position;        // designed screen position; (-1, -1) centres it
        Qt::WindowFlags flags;
    };

    Form(const Frame &frame, ErrorReporter *errors, BrowserFactory *browsers);

    ControlHost &controls() { return m_controls; }
    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return m_controls.control<T>(name);
    }

    // Shows the window modally and returns when it has been closed. A modal
    // window blocks the windows of its group (WindowGroup), not the others.
    void showModal();
    // The program is ending: the window leaves the screen and is not shown
    // modally again.
    void retire();

    // Tool window frames.
    static Qt::WindowFlags toolWindow();
    static Qt::WindowFlags toolWindowWithoutIcons();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    ControlHost m_controls;
    QPoint m_position;
    bool m_retired = false;
};
