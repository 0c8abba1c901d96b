#include "SystemTrayService.h"

#include <QIcon>
#include <QSystemTrayIcon>

SystemTrayService::SystemTrayService(QObject *parent)
    : TrayService(parent), m_icon(new QSystemTrayIcon(QIcon(QStringLiteral(":/skin/appicon.png")), this))
{
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
            emit clicked();
    });
    connect(m_icon, &QSystemTrayIcon::messageClicked, this, &TrayService::balloonClicked);
}

void SystemTrayService::setToolTip(const QString &text)
{
    m_icon->setToolTip(text);
}

void SystemTrayService::setContextMenu(QMenu *menu)
{
    m_icon->setContextMenu(menu);
}

void SystemTrayService::show()
{
    m_icon->show();
}

namespace {
// Undoes the escaping of a balloon text.
QString plainText(const QString &escaped)
{
    QString text = escaped;
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}
} // namespace

// Where the icon sits in a tray that the toolkit draws into itself (it then
// has a place on the screen), the toolkit draws the balloon too, as plain
// text. Otherwise the icon and its balloons go to the desktop's notification
// service, which reads the text as markup.
void SystemTrayService::showBalloonMarkup(const QString &title, const QString &text)
{
    const bool drawnHere = !m_icon->geometry().isEmpty();
    m_icon->showMessage(title, drawnHere ? plainText(text) : text, QSystemTrayIcon::Information);
}
