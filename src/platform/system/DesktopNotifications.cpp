#include "DesktopNotifications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

DesktopNotifications::DesktopNotifications(const QDBusConnection &bus) : m_bus(bus) {}

bool DesktopNotifications::available()
{
    if (!m_bus.isConnected())
        return false;
    QDBusConnectionInterface *daemon = m_bus.interface();
    if (!daemon)
        return false;
    if (daemon->isServiceRegistered(serviceName()))
        return true;
    const QDBusReply<QStringList> startable = daemon->activatableServiceNames();
    return startable.isValid() && startable.value().contains(serviceName());
}

// The service reads the body as markup: the text goes escaped, so that it
// shows as the plain text it is. The notice stays as long as the service
// keeps notices.
void DesktopNotifications::notify(const QString &title, const QString &text)
{
    QDBusMessage call = QDBusMessage::createMethodCall(serviceName(), objectPath(), serviceName(),
                                                       QStringLiteral("Notify"));
    call << QStringLiteral("OVCL") << quint32(0) << QStringLiteral("dialog-information") << title
         << text.toHtmlEscaped() << QStringList() << QVariantMap() << qint32(-1);
    m_bus.asyncCall(call);
}
