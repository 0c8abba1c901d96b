#include "ControlPoints.h"
#include "Pointer.h"
#include "RealShellLauncher.h"
#include "SettingsPaths.h"
#include "app/TForm1.h"
#include "platform/WindowTimer.h"
#include "servers/ServerCatalogue.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class GameLaunchTest : public QObject
{
    Q_OBJECT
private slots:
    void joinStartsTheGameWithItsArgumentsInItsFolder();
};

// A stand-in game: records its arguments, one a line, and then the folder it runs in.
static QString writeGame(const QTemporaryDir &folder, const QString &record)
{
    const QString path = folder.filePath(QStringLiteral("hl.sh"));
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return QString();
    script.write(QStringLiteral("#!/bin/sh\n"
                                "{ for a in \"$@\"; do printf '%s\\n' \"$a\"; done; pwd -P; } > '%1.part'\n"
                                "mv '%1.part' '%1'\n")
                     .arg(record)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void GameLaunchTest::joinStartsTheGameWithItsArgumentsInItsFolder()
{
#ifdef Q_OS_WIN
    QSKIP("the stand-in game is a shell script");
#endif
    RealShellLauncher run;
    Launcher &launcher = run.launcher();
    TForm1 *window = launcher.form1();
    window->timer(QStringLiteral("Timer6"))->setEnabled(false);

    QTemporaryDir gameFolder;
    QVERIFY(gameFolder.isValid());
    const QString record = gameFolder.filePath(QStringLiteral("started.txt"));
    const QString game = writeGame(gameFolder, record);
    QVERIFY(!game.isEmpty());
    SettingsPaths::set(launcher, QStringLiteral("StaticText1"), game);

    auto *password = window->control<QLineEdit>(QStringLiteral("Edit1"));
    password->selectAll();
    QTest::keyClicks(password, QStringLiteral("Rent42"));
    Pointer::click(window, ControlPoints::centre(window, QStringLiteral("Image18")));

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 5000);
    QFile out(record);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(out.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    const QString folder = lines.takeLast();
    const QString arguments = ServerCatalogue::argumentString(ServerCatalogue::entry(5), QStringLiteral("rent42"));
    QCOMPARE(lines, arguments.split(QLatin1Char(' ')));
    QCOMPARE(lines.last(), QStringLiteral("rent42"));
    QCOMPARE(folder, QDir(gameFolder.path()).canonicalPath());
}

QTEST_MAIN(GameLaunchTest)
#include "tst_gamelaunch.moc"
