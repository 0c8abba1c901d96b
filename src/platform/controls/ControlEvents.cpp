#include "ControlEvents.h"

#include "HandlerGuard.h"

#include <QAbstractButton>
#include <QAction>
#include <QMouseEvent>
#include <QWidget>

ControlEvents::ControlEvents(ErrorReporter *errors, QObject *parent)
    : QObject(parent), m_errors(errors)
{
}

void ControlEvents::onClick(QObject *control, Handler handler)
{
    Q_ASSERT(control);
    const auto guarded = [this, handler = std::move(handler)] { run(handler); };
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        connect(button, &QAbstractButton::clicked, this, guarded);
    } else if (auto *action = qobject_cast<QAction *>(control)) {
        connect(action, &QAction::triggered, this, guarded);
    } else if (auto *widget = qobject_cast<QWidget *>(control)) {
        watch(widget);
        m_clicks.insert(widget, guarded);
    }
}

void ControlEvents::onMove(QWidget *control, Handler handler)
{
    Q_ASSERT(control);
    watch(control);
    m_moves.insert(control, [this, handler = std::move(handler)] { run(handler); });
}

void ControlEvents::watch(QWidget *control)
{
    if (m_clicks.contains(control) || m_moves.contains(control))
        return;
    control->setMouseTracking(true);
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this, control] {
        m_clicks.remove(control);
        m_moves.remove(control);
    });
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
    if (type == QEvent::MouseMove) {
        const auto it = m_moves.constFind(control);
        if (it != m_moves.constEnd())
            (*it)();
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
        const auto it = m_clicks.constFind(control);
        if (it != m_clicks.constEnd()) {
            (*it)();
            return true;
        }
    }
    return false;
}
