#include "Form.h"

#include <QFont>

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
    if (isVisible())
        return;
    exec();
}

Qt::WindowFlags Form::toolWindow()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

Qt::WindowFlags Form::toolWindowWithoutIcons()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}
