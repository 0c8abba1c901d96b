#pragma once

#include <QObject>

// Keeps an edit's selection, and so its highlight, when the edit loses the
// focus; a plain line edit drops it.
class SelectionKeeper : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Watches 'edit' for the rest of its life.
    static void keep(class QLineEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
