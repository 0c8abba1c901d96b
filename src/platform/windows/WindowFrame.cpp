#include "WindowFrame.h"

#include <QFont>
#include <QWidget>

void WindowFrame::applyTo(QWidget *window) const
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(QString::fromUtf8(caption));
    window->setFont(QFont(QString::fromLatin1(font), 8));
    if (fixedSize)
        window->setFixedSize(client);
    else
        window->resize(client);
    if (background.isValid() || text.isValid()) {
        QPalette colours = window->palette();
        if (background.isValid()) {
            window->setAutoFillBackground(true);
            colours.setColor(QPalette::Window, background);
        }
        if (text.isValid())
            colours.setColor(QPalette::WindowText, text);
        window->setPalette(colours);
    }
    if (position.x() >= 0)
        window->move(position);
}

void WindowFrame::setTransparent(QWidget *window, bool on) const
{
    window->setWindowOpacity(on ? alpha / 255.0 : 1.0);
}
