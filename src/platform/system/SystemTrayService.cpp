#include "SystemTrayService.h"

#include "NoticeService.h"

#include <QIcon>
#include <QSystemTrayIcon>

SystemTrayService::SystemTrayService(std::unique_ptr<NoticeService> notifications,
                                     std::unique_ptr<NoticeService> window, std::function<bool()> trayAvailable,
                                     QObject *parent)
    : TrayService(parent), m_icon(new QSystemTrayIcon(QIcon(QStringLiteral(":/skin/appicon.png")), this)),
      m_notifications(std::move(notifications)), m_window(std::move(window)),
      m_trayAvailable(trayAvailable ? std::move(trayAvailable) : std::function<bool()>(&QSystemTrayIcon::isSystemTrayAvailable))
{
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
            emit clicked();
    });
    connect(m_icon, &QSystemTrayIcon::messageClicked, this, &TrayService::balloonClicked);
}

SystemTrayService::~SystemTrayService() = default;

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
// service, which reads the text as markup. Without a tray nobody would see
// the balloon: the notice goes another way.
void SystemTrayService::showBalloonMarkup(const QString &title, const QString &text)
{
    if (!m_trayAvailable()) {
        NoticeService &way = m_notifications->available() ? *m_notifications : *m_window;
        way.notify(title, plainText(text));
        return;
    }
    const bool drawnHere = !m_icon->geometry().isEmpty();
    m_icon->showMessage(title, drawnHere ? plainText(text) : text, QSystemTrayIcon::Information);
}
