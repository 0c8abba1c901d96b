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

void SystemTrayService::showBalloon(const QString &title, const QString &text)
{
    m_icon->showMessage(title, text, QSystemTrayIcon::Information);
}
