#include "GameHosts.h"
#include "servers/ServerCatalogue.h"
#include "web/CommunityUrls.h"

#include <QTest>

using namespace ServerCatalogue;

Q_DECLARE_METATYPE(Program)

class CatalogueTest : public QObject
{
    Q_OBJECT
private slots:
    void argumentStrings_data();
    void argumentStrings();
    void passwordTextIsTakenExactly_data();
    void passwordTextIsTakenExactly();
    void avpCarriesTheHostWithoutPortButShowsTheFullAddress();
    void workingDirectory_data();
    void workingDirectory();
    void entriesOfOneGroupShareItsProgramAndCue_data();
    void entriesOfOneGroupShareItsProgramAndCue();
    void panelsLieOverTheirTiles();
};

void CatalogueTest::argumentStrings_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1") << 1 << "-game cstrike +connect %h2:27016";
    QTest::newRow("2") << 2 << "-game cstrike +connect %h2:27015";
    QTest::newRow("3") << 3 << "-game cstrike +connect %h2:27018";
    QTest::newRow("4") << 4 << "-game cstrike +connect %h3:27112";
    QTest::newRow("5") << 5 << "-game cstrike +connect %h3:27101 +password pw??";
    QTest::newRow("6") << 6 << "+connect %h4:28963";
    QTest::newRow("7") << 7 << "+connect %h4:28965 +password pw??";
    QTest::newRow("8") << 8 << "+connect %h5:28971";
    QTest::newRow("9") << 9 << "+connect %h5:28981 +password pw??";
    QTest::newRow("10") << 10 << "+connect %h5:28970";
    QTest::newRow("11") << 11 << "+connect %h5:28980 +password pw??";
    QTest::newRow("12") << 12 << "+gsa_gamespy 1 -cmdfile avp2cmds.txt +gsa 1 +gsa_ip %h6 +gsa_port 27888";
    QTest::newRow("13") << 13 << "%h1:7777";
    QTest::newRow("14") << 14 << "%h1:8778";
}

void CatalogueTest::argumentStrings()
{
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(entries().size(), size_t(14));
    const ServerEntry &e = entry(number);
    QCOMPARE(e.number, number);
    QCOMPARE(argumentString(e, QStringLiteral("pw??")), withGameHosts(expected));
}

void CatalogueTest::passwordTextIsTakenExactly_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty keeps the blank") << 5 << "" << "-game cstrike +connect %h3:27101 +password ";
    QTest::newRow("not trimmed") << 7 << " a b " << "+connect %h4:28965 +password  a b ";
    QTest::newRow("not quoted") << 9 << "x\"y" << "+connect %h5:28981 +password x\"y";
    QTest::newRow("no password piece") << 1 << "secret" << "-game cstrike +connect %h2:27016";
}

void CatalogueTest::passwordTextIsTakenExactly()
{
    QFETCH(int, number);
    QFETCH(QString, password);
    QFETCH(QString, expected);
    QCOMPARE(argumentString(entry(number), password), withGameHosts(expected));
}

void CatalogueTest::avpCarriesTheHostWithoutPortButShowsTheFullAddress()
{
    const ServerEntry &avp = entry(12);
    QVERIFY(!argumentString(avp, QString()).contains(CommunityUrls::gameHost(6) + QLatin1Char(':')));
    QCOMPARE(address(avp), CommunityUrls::gameHost(6) + QStringLiteral(":27888"));
}

void CatalogueTest::workingDirectory_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("directory");
    QTest::newRow("folder and file") << "C:\\Games\\Half-Life\\hl.exe" << "C:\\Games\\Half-Life\\";
    QTest::newRow("bare name") << "hl.exe" << "";
    QTest::newRow("never chosen") << "cesta" << "";
    QTest::newRow("drive only") << "C:hl.exe" << "C:";
    QTest::newRow("empty") << "" << "";
#ifndef Q_OS_WIN
    QTest::newRow("slashes") << "/opt/games/ut2004/UT2004" << "/opt/games/ut2004/";
    QTest::newRow("last separator wins") << "D:\\Games/UT\\System/UT.exe" << "D:\\Games/UT\\System/";
#endif
}

void CatalogueTest::workingDirectory()
{
    QFETCH(QString, path);
    QFETCH(QString, directory);
    QCOMPARE(ServerCatalogue::workingDirectory(path), directory);
}

void CatalogueTest::entriesOfOneGroupShareItsProgramAndCue_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<Program>("program");
    QTest::addColumn<QString>("cue");
    QTest::newRow("1") << 1 << Program::CounterStrike << "tada.wav";
    QTest::newRow("5") << 5 << Program::CounterStrike << "tada.wav";
    QTest::newRow("7") << 7 << Program::CallOfDuty << "tada2.wav";
    QTest::newRow("8") << 8 << Program::CallOfDuty2v10 << "tada2.wav";
    QTest::newRow("9") << 9 << Program::CallOfDuty2v10 << "tada2.wav";
    QTest::newRow("11") << 11 << Program::CallOfDuty2v13 << "tada2.wav";
    QTest::newRow("12") << 12 << Program::AlienVsPredator2 << "tada3.wav";
    QTest::newRow("13") << 13 << Program::UnrealTournament << "tada3.wav";
    QTest::newRow("14") << 14 << Program::UnrealTournament2004 << "tada3.wav";
}

void CatalogueTest::entriesOfOneGroupShareItsProgramAndCue()
{
    QFETCH(int, number);
    QFETCH(Program, program);
    QFETCH(QString, cue);
    const GameGroup &g = groupOf(entry(number));
    QCOMPARE(g.group, program);
    QCOMPARE(QLatin1String(g.joinCue), cue);
}

void CatalogueTest::panelsLieOverTheirTiles()
{
    for (const ServerEntry &e : entries()) {
        const QRect tile(e.tilePlace, tileSize);
        QVERIFY2(tile.contains(e.joiningPanelRect), e.joiningPanel);
        const QRect covered = tile & e.addressPanelRect;
        QVERIFY2(covered.width() * covered.height() * 10 >= tile.width() * tile.height() * 9, e.addressPanel);
    }
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
