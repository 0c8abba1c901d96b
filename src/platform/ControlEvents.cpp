#include "ControlEvents.h"

#include "HandlerGuard.h"

#include <QMouseEvent>
#include <QWidget>

ControlEvents::ControlEvents(ErrorReporter *errors, QObject *parent)
    : QObject(parent), m_errors(errors)
{
}

void ControlEvents::attach(QWidget *control)
{
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void ControlEvents::onClick(const QString &name, Handler handler)
{
    m_clicks.insert(name, std::move(handler));
}

void ControlEvents::onMove(const QString &name, Handler handler)
{
    m_moves.insert(name, std::move(handler));
}

void ControlEvents::run(const Handler &handler)
{
    const Handler copy = handler; // the handler may replace itself while it runs
    runGuarded(m_errors, copy);
}

bool ControlEvents::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control)
        return false;
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress
        && type != QEvent::MouseButtonRelease)
        return false;
    if (!control->isEnabled())
        return true;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QString name = control->objectName();
    if (type == QEvent::MouseMove) {
        const auto it = m_moves.constFind(name);
        if (it != m_moves.constEnd())
            run(*it);
        return false;
    }
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (type == QEvent::MouseButtonPress) {
        m_pressed = control;
        return false;
    }
    const bool inside = control->rect().contains(mouse->position().toPoint());
    const bool same = m_pressed == control;
    m_pressed = nullptr;
    if (same && inside) {
        const auto it = m_clicks.constFind(name);
        if (it != m_clicks.constEnd()) {
            run(*it);
            return true;
        }
    }
    return false;
}
