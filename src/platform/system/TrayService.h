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
    // Shows a balloon with the information icon, or, on a desktop without a
    // tray, the same notice where the player sees it. Both texts are plain
    // text; the text goes on with its markup escaped (see showBalloonMarkup).
    void showBalloon(const QString &title, const QString &text) { showBalloonMarkup(title, text.toHtmlEscaped()); }

signals:
    void clicked();

protected:
    // Notification servers read a balloon's text as markup; 'text' arrives
    // escaped, so that it shows as the plain text it was. The title is
    // always shown as plain text.
    virtual void showBalloonMarkup(const QString &title, const QString &text) = 0;
};
