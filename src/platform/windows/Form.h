#pragma once

#include "WindowFrame.h"
#include "platform/controls/ControlHost.h"

#include <QDialog>

// A secondary window: created hidden, closing only hides it, shown
// modelessly with show() or modally with showModal(). It closes by its close
// box or its buttons; Escape closes none of these windows.
class Form : public QDialog
{
    Q_OBJECT
public:
    Form(const WindowFrame &frame, ErrorReporter &errors, BrowserFactory &browsers);

    ControlHost &controls() { return m_controls; }

    // Shows the window modally and returns when it has been closed. A modal
    // window blocks the windows of its group (WindowGroup), not the others.
    // A window already up is not shown a second time.
    virtual void showModal();
    // The program is ending: the window leaves the screen and is not shown
    // modally again.
    void retire();
    // Blends the window at its own level, or makes it opaque.
    void setTransparent(bool on);
    const WindowFrame &frame() const { return m_frame; }

    // Tool window frames.
    static Qt::WindowFlags toolWindow();
    static Qt::WindowFlags toolWindowWithoutIcons();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    const WindowFrame m_frame;
    ControlHost m_controls;
    bool m_retired = false;
};
