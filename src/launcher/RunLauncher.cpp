#include "RunLauncher.h"

#include "Launcher.h"

#include <QCoreApplication>

int runLauncher(Launcher &launcher)
{
    const QMetaObject::Connection quitting =
        QObject::connect(&launcher, &Launcher::finished, QCoreApplication::instance(), &QCoreApplication::quit);
    QMetaObject::invokeMethod(&launcher, &Launcher::start, Qt::QueuedConnection);
    const int code = QCoreApplication::exec();
    QObject::disconnect(quitting);
    return code;
}
