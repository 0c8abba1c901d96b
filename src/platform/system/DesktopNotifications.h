#pragma once

#include "NoticeService.h"

#include <QDBusConnection>

// The desktop's notification service, org.freedesktop.Notifications on the
// session bus: there where a desktop without a tray still shows notices.
// Nothing waits for its answer.
class DesktopNotifications : public NoticeService
{
public:
    explicit DesktopNotifications(const QDBusConnection &bus = QDBusConnection::sessionBus());

    // The service runs, or the bus starts it when asked.
    bool available() override;
    void notify(const QString &title, const QString &text) override;

    static QString serviceName() { return QStringLiteral("org.freedesktop.Notifications"); }
    static QString objectPath() { return QStringLiteral("/org/freedesktop/Notifications"); }

private:
    QDBusConnection m_bus;
};
