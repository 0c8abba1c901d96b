#include "ControlPoints.h"
#include "LauncherFixture.h"
#include "LauncherWindows.h"
#include "Pointer.h"
#include "SettingsPaths.h"
#include "app/TForm1.h"
#include "config/TForm5.h"
#include "platform/controls/WindowTimer.h"
#include "servers/ServerCatalogue.h"
#include "web/CommunityUrls.h"

#include <QCheckBox>
#include <QTest>

class VoiceLinksTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void voiceButtonsStartTheirClient_data();
    void voiceButtonsStartTheirClient();
    void voiceClientOfAnUnchosenPath();
    void linkButtonsOpenTheirPage_data();
    void linkButtonsOpenTheirPage();

private:
    TForm1 *window() const { return form1(*m_f->launcher); }
    std::unique_ptr<LauncherFixture> m_f;
};

void VoiceLinksTest::init()
{
    m_f = std::make_unique<LauncherFixture>();
    m_f->make();
    window()->findChild<WindowTimer *>(QStringLiteral("Timer6"))->setEnabled(false);
    SettingsPaths::set(*m_f->launcher, QStringLiteral("StaticText6"), QStringLiteral("C:\\Ventrilo\\Ventrilo.exe"));
    SettingsPaths::set(*m_f->launcher, QStringLiteral("StaticText9"), QStringLiteral("D:\\TS2\\TeamSpeak.exe"));
}

void VoiceLinksTest::cleanup()
{
    m_f.reset();
}

void VoiceLinksTest::voiceButtonsStartTheirClient_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("viaTwin");
    QTest::addColumn<bool>("soundsOn");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("directory");
    const QString ventrilo = "C:\\Ventrilo\\Ventrilo.exe";
    const QString teamSpeak = "D:\\TS2\\TeamSpeak.exe";
    QTest::newRow("ventrilo picture") << "Image132" << false << true << ventrilo << "C:\\Ventrilo\\";
    QTest::newRow("ventrilo twin") << "Image132" << true << true << ventrilo << "C:\\Ventrilo\\";
    QTest::newRow("ventrilo silent") << "Image132" << true << false << ventrilo << "C:\\Ventrilo\\";
    QTest::newRow("teamspeak picture") << "Image134" << false << true << teamSpeak << "D:\\TS2\\";
    QTest::newRow("teamspeak twin") << "Image134" << true << true << teamSpeak << "D:\\TS2\\";
    QTest::newRow("teamspeak silent") << "Image134" << false << false << teamSpeak << "D:\\TS2\\";
}

void VoiceLinksTest::voiceButtonsStartTheirClient()
{
    QFETCH(QString, picture);
    QFETCH(bool, viaTwin);
    QFETCH(bool, soundsOn);
    QFETCH(QString, path);
    QFETCH(QString, directory);
    form5(*m_f->launcher)->soundsSwitch()->setChecked(soundsOn);
    window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    if (viaTwin)
        Pointer::click(window(), ControlPoints::centre(window(), picture)); // the move lights the twin first
    else
        QTest::mouseClick(window()->findChild<QWidget *>(picture), Qt::LeftButton);
    // Each click starts the client again.
    QTest::mouseClick(window()->findChild<QWidget *>(picture), Qt::LeftButton);

    QCOMPARE(m_f->shell->calls.size(), 2);
    for (const RecordingShell::Call &call : m_f->shell->calls) {
        QCOMPARE(call.kind, RecordingShell::Program);
        QCOMPARE(call.file, path);
        QCOMPARE(call.parameters, QString());
        QCOMPARE(call.directory, directory);
    }
    QCOMPARE(m_f->sound->played, soundsOn ? (QStringList{"press.wav", "press.wav"}) : QStringList());
    QCOMPARE(window()->latch(), soundsOn ? QStringLiteral("1") : QStringLiteral("0"));
    // Unlike a join: no minimising, the tiles stay as they were.
    QVERIFY(!window()->findChild<WindowTimer *>(QStringLiteral("Timer3"))->isActive());
    QVERIFY(!window()->findChild<WindowTimer *>(QStringLiteral("Timer2"))->isActive());
    QTest::qWait(20);
    QVERIFY(!window()->isMinimized());
    for (const ServerCatalogue::ServerEntry &e : ServerCatalogue::entries()) {
        QVERIFY(window()->findChild<QWidget *>(QLatin1String(e.tile))->isEnabled());
        QVERIFY(window()->findChild<QWidget *>(QLatin1String(e.joiningPanel))->isHidden());
    }
}

void VoiceLinksTest::voiceClientOfAnUnchosenPath()
{
    SettingsPaths::set(*m_f->launcher, QStringLiteral("StaticText9"), QStringLiteral("cesta"));
    QTest::mouseClick(window()->findChild<QWidget *>(QStringLiteral("Image134")), Qt::LeftButton);
    QCOMPARE(m_f->shell->calls.size(), 1);
    QCOMPARE(m_f->shell->calls.first().file, QStringLiteral("cesta"));
    QCOMPARE(m_f->shell->calls.first().directory, QString());
    QVERIFY(m_f->errors->messages.isEmpty());
}

void VoiceLinksTest::linkButtonsOpenTheirPage_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("viaTwin");
    QTest::addColumn<bool>("soundsOn");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("played");
    const QString banList = CommunityUrls::banList();
    const QString forum = CommunityUrls::forumHome();
    // A move onto the picture sounds the hover cue before the twin takes the click.
    QTest::newRow("ban list picture") << "Image20" << false << true << banList << QStringList{};
    QTest::newRow("ban list twin") << "Image20" << true << true << banList << QStringList{"click.wav", "press.wav"};
    QTest::newRow("ban list twin silent") << "Image20" << true << false << banList << QStringList{};
    QTest::newRow("forum picture") << "Image27" << false << true << forum << QStringList{};
    QTest::newRow("forum twin") << "Image27" << true << true << forum << QStringList{"click.wav", "press.wav"};
    QTest::newRow("forum twin silent") << "Image27" << true << false << forum << QStringList{};
}

void VoiceLinksTest::linkButtonsOpenTheirPage()
{
    QFETCH(QString, picture);
    QFETCH(bool, viaTwin);
    QFETCH(bool, soundsOn);
    QFETCH(QString, url);
    QFETCH(QStringList, played);
    form5(*m_f->launcher)->soundsSwitch()->setChecked(soundsOn);
    if (viaTwin)
        Pointer::click(window(), ControlPoints::centre(window(), picture));
    else
        QTest::mouseClick(window()->findChild<QWidget *>(picture), Qt::LeftButton);
    QCOMPARE(m_f->shell->calls.size(), 1);
    const RecordingShell::Call &call = m_f->shell->calls.first();
    QCOMPARE(call.kind, RecordingShell::Address);
    QCOMPARE(call.file, url);
    QCOMPARE(call.parameters, QString());
    QCOMPARE(call.directory, QString());
    QCOMPARE(m_f->sound->played, played);
    QCOMPARE(window()->latch(), played.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
}

QTEST_MAIN(VoiceLinksTest)
#include "tst_voicelinks.moc"
