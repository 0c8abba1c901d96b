#include "launcher/Launcher.h"
#include "launcher/RunLauncher.h"
#include "platform/browser/WebEngineSetup.h"
#include "platform/system/ApplicationFonts.h"

#include <QApplication>
#include <QDir>
#include <QProcessEnvironment>

int main(int argc, char *argv[])
{
    // Programs the launcher starts get the environment the player gave it,
    // without what it sets for its own browser engine.
    const QProcessEnvironment playerEnvironment = QProcessEnvironment::systemEnvironment();
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OVCL"));
    QApplication::setQuitOnLastWindowClosed(false);

    const QString directory = QDir(QApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');
    ApplicationFonts::load(directory, app.devicePixelRatio());
    Launcher launcher(Services::real(directory, playerEnvironment));
    return runLauncher(launcher);
}
