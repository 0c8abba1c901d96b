#include "Form.h"

#include <QKeyEvent>

Form::Form(const WindowFrame &frame, ErrorReporter &errors, BrowserFactory &browsers)
    : QDialog(nullptr, frame.flags), m_frame(frame), m_controls(this, &errors, &browsers)
{
    frame.applyTo(this);
}

void Form::setTransparent(bool on)
{
    m_frame.setTransparent(this, on);
}

void Form::showModal()
{
    if (isVisible() || m_retired)
        return;
    setWindowModality(Qt::WindowModal);
    exec();
    // A window still up when its run ended keeps its modality until hidden.
    if (!isVisible())
        setWindowModality(Qt::NonModal);
}

void Form::retire()
{
    m_retired = true;
    hide();
}

// No button of these windows is a cancel button.
void Form::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

Qt::WindowFlags Form::toolWindow()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

Qt::WindowFlags Form::toolWindowWithoutIcons()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}
