#include "Form.h"

#include <QFont>
#include <QKeyEvent>

Form::Form(const Frame &frame, ErrorReporter *errors, BrowserFactory *browsers)
    : QDialog(nullptr, frame.flags), m_controls(this, errors, browsers), m_position(frame.position)
{
    setObjectName(QString::fromLatin1(frame.name));
    setWindowTitle(QString::fromUtf8(frame.caption));
    // The windows' own font, unless a window names another.
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    resize(frame.client);
    if (m_position.x() >= 0)
        move(m_position);
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
