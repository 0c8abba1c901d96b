#include "VisibilityLog.h"

#include <QEvent>
#include <QWidget>

void VisibilityLog::watch(QWidget *control)
{
    control->installEventFilter(this);
}

bool VisibilityLog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShowToParent)
        m_log->add(QStringLiteral("show ") + watched->objectName());
    else if (event->type() == QEvent::HideToParent)
        m_log->add(QStringLiteral("hide ") + watched->objectName());
    return false;
}
