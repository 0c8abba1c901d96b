#include "Pointer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace Pointer {

QWidget *controlAt(QWidget *window, QPoint pos)
{
    QWidget *child = window->childAt(pos);
    return child ? child : window;
}

static void send(QWidget *window, QPoint pos, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QWidget *target = controlAt(window, pos);
    const QPointF local = target->mapFrom(window, pos);
    const QPointF global = window->mapToGlobal(pos);
    QMouseEvent event(type, local, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void moveTo(QWidget *window, QPoint pos)
{
    send(window, pos, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
}

void click(QWidget *window, QPoint pos)
{
    moveTo(window, pos);
    clickInPlace(window, pos);
}

void clickInPlace(QWidget *window, QPoint pos)
{
    send(window, pos, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    send(window, pos, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
}

void slide(QWidget *window, QPoint from, QPoint to, int steps)
{
    for (int i = 0; i <= steps; ++i)
        moveTo(window, from + (to - from) * i / steps);
}

} // namespace Pointer

namespace Modal {

void whenShown(std::function<void(QWidget *)> action, int timeoutMs)
{
    auto *poll = new QTimer;
    auto left = std::make_shared<int>(timeoutMs / 5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action, left] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        } else if (--*left <= 0) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(5);
}

} // namespace Modal
