#pragma once

#include <QMetaObject>
#include <QTimer>

// Ends 'timer's countdown now, as its interval running out would.
inline void fire(QTimer *timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}
