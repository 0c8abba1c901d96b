#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// Where on a window the pointer is over a given control.
namespace ControlPoints {
// A point in 'window' client coordinates where the pointer is over the
// control 'name' itself (not something lying on it); (-1, -1) when there is none.
QPoint on(QWidget *window, const QString &name);
// The centre of the control's rectangle, in window client coordinates.
QPoint centre(QWidget *window, const QString &name);
} // namespace ControlPoints
