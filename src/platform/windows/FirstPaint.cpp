#include "FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

FirstPaint::FirstPaint(QWidget *window, std::function<void()> then) : QObject(window), m_then(std::move(then))
{
    window->installEventFilter(this);
    QTimer::singleShot(latestMs, this, &FirstPaint::fire);
}

void FirstPaint::after(QWidget *window, std::function<void()> then)
{
    new FirstPaint(window, std::move(then));
}

// The paint itself finishes first; the function runs once the event loop is back.
bool FirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        QTimer::singleShot(0, this, &FirstPaint::fire);
    return QObject::eventFilter(watched, event);
}

void FirstPaint::fire()
{
    if (m_done)
        return;
    m_done = true;
    parent()->removeEventFilter(this);
    deleteLater();
    m_then();
}
