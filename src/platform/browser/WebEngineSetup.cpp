#include "WebEngineSetup.h"

#include <QCoreApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtGlobal>

void WebEngineSetup::beforeApplication()
{
    // Everything is drawn in software: the skin by the widgets, the pages by
    // the engine's own compositor. Without an OpenGL context of its own the
    // program starts sooner and needs no OpenGL driver in memory.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // Should OpenGL be switched on after all, the engine shares its context with the windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    const QByteArray processPerSite("--process-per-site");
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.split(' ').contains(processPerSite)) {
        if (!flags.isEmpty())
            flags += ' ';
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + processPerSite);
    }
}
