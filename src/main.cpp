#include "launcher/Launcher.h"
#include "launcher/RunLauncher.h"
#include "platform/ApplicationFonts.h"
#include "platform/WebEngineSetup.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OVCL"));
    QApplication::setQuitOnLastWindowClosed(false);

    const QString directory = QDir(QApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');
    ApplicationFonts::load(directory);
    Launcher launcher(Services::real(directory));
    return runLauncher(launcher);
}
