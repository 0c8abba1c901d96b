#include "WebEngineSetup.h"

#include <QCoreApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtGlobal>

void WebEngineSetup::beforeApplication()
{
    // The embedded browser shares its graphics context with the windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

    const QByteArray processPerSite("--process-per-site");
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.split(' ').contains(processPerSite)) {
        if (!flags.isEmpty())
            flags += ' ';
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + processPerSite);
    }
}
