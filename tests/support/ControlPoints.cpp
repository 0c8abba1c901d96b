#include "ControlPoints.h"

#include "Pointer.h"

#include <QWidget>

namespace ControlPoints {

static QRect rectOf(QWidget *window, QWidget *control)
{
    if (control == window)
        return window->rect();
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size()) & window->rect();
}

QPoint on(QWidget *window, const QString &name)
{
    QWidget *control = window->objectName() == name ? window : window->findChild<QWidget *>(name);
    if (!control)
        return {-1, -1};
    const QRect r = rectOf(window, control);
    const QPoint middle = r.center();
    if (Pointer::controlAt(window, middle) == control)
        return middle;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (Pointer::controlAt(window, {x, y}) == control)
                return {x, y};
    return {-1, -1};
}

QPoint centre(QWidget *window, const QString &name)
{
    QWidget *control = window->findChild<QWidget *>(name);
    return control ? rectOf(window, control).center() : QPoint(-1, -1);
}

} // namespace ControlPoints
