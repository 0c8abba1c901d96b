#include "ClickBinding.h"

#include "platform/ControlHost.h"
#include "platform/HandlerGuard.h"

#include <QAbstractButton>

void bindClick(ControlHost &host, ErrorReporter *errors, const QString &name, std::function<void()> handler)
{
    if (auto *button = host.control<QAbstractButton>(name)) {
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [errors, handler = std::move(handler)] { runGuarded(errors, handler); });
        return;
    }
    host.events().onClick(name, std::move(handler));
}
