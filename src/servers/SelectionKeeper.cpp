#include "SelectionKeeper.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

void SelectionKeeper::keep(QLineEdit *edit)
{
    edit->installEventFilter(new SelectionKeeper(edit));
}

bool SelectionKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    auto *focus = static_cast<QFocusEvent *>(event);
    // The edit clears its selection on every focus loss except a window
    // deactivation or a popup; hand it the loss as one of those instead.
    if (focus->reason() == Qt::ActiveWindowFocusReason || focus->reason() == Qt::PopupFocusReason)
        return false;
    QFocusEvent keepSelection(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(watched, &keepSelection);
    return true;
}
