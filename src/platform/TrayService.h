#pragma once

#include <QObject>
#include <QString>

class QMenu;

// The notification-area icon.
class TrayService : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void setToolTip(const QString &text) = 0;
    virtual void setContextMenu(QMenu *menu) = 0;
    virtual void show() = 0;
    // Shows a balloon with the information icon.
    virtual void showBalloon(const QString &title, const QString &text) = 0;

signals:
    void clicked();
};
