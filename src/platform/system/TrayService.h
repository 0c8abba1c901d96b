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
    void showBalloon(const QString &title, const QString &text)
    {
        ++m_balloons;
        showBalloonMarkup(title, text.toHtmlEscaped());
    }
    // How many balloons were shown so far: who showed the last one knows
    // that a click on a balloon is a click on theirs.
    quint64 balloonCount() const { return m_balloons; }

signals:
    void clicked();
    // The player clicked the balloon shown last.
    void balloonClicked();

protected:
    // Notification servers read a balloon's text as markup; 'text' arrives
    // escaped, so that it shows as the plain text it was. The title is
    // always shown as plain text.
    virtual void showBalloonMarkup(const QString &title, const QString &text) = 0;

private:
    quint64 m_balloons = 0;
};
