#include "GameHosts.h"
#include "servers/ServerCatalogue.h"
#include "web/CommunityUrls.h"

#include <QSet>
#include <QTest>

using namespace ServerCatalogue;

Q_DECLARE_METATYPE(Program)

class CatalogueTest : public QObject
{
    Q_OBJECT
private slots:
    void argumentsFollowTheGroup_data();
    void argumentsFollowTheGroup();
    void passwordTextIsTakenExactly_data();
    void passwordTextIsTakenExactly();
    void avpCarriesTheHostWithoutPortButShowsTheFullAddress();
    void workingDirectory_data();
    void workingDirectory();
    void groupsRunTopToBottom();
    void everyServerHasAnAddressAndNamesOfItsOwn();
    void faultyTablesAreRefused_data();
    void faultyTablesAreRefused();
    void panelsLieOverTheirTiles();
};

// Every entry of a group is joined the group's way: "%a" stands for the
// entry's address, "%h" and "%p" for its host and port; a rented server (one
// with a password edit) adds the password.
void CatalogueTest::argumentsFollowTheGroup_data()
{
    QTest::addColumn<Program>("group");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("Counter-Strike") << Program::CounterStrike << "-game cstrike +connect %a";
    QTest::newRow("Call of Duty") << Program::CallOfDuty << "+connect %a";
    QTest::newRow("Call of Duty 2 1.0") << Program::CallOfDuty2v10 << "+connect %a";
    QTest::newRow("Call of Duty 2 1.3") << Program::CallOfDuty2v13 << "+connect %a";
    QTest::newRow("Alien vs Predator 2") << Program::AlienVsPredator2
                                         << "+gsa_gamespy 1 -cmdfile avp2cmds.txt +gsa 1 +gsa_ip %h +gsa_port %p";
    QTest::newRow("Unreal Tournament") << Program::UnrealTournament << "%a";
    QTest::newRow("Unreal Tournament 2004") << Program::UnrealTournament2004 << "%a";
}

void CatalogueTest::argumentsFollowTheGroup()
{
    QFETCH(Program, group);
    QFETCH(QString, pattern);
    int members = 0;
    for (const ServerEntry &e : entries()) {
        if (e.group != group)
            continue;
        ++members;
        QString expected = QString(pattern)
                               .replace(QLatin1String("%a"), address(e))
                               .replace(QLatin1String("%h"), hostName(e))
                               .replace(QLatin1String("%p"), QString::number(e.port));
        if (e.passwordEdit)
            expected += QLatin1String(" +password pw??");
        QCOMPARE(argumentString(e, QStringLiteral("pw??")), expected);
    }
    QVERIFY(members > 0);
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

// Each group's entries stand together, the groups in the order of their
// table, and every group has at least one.
void CatalogueTest::groupsRunTopToBottom()
{
    QList<int> seen;
    for (const ServerEntry &e : entries())
        if (seen.isEmpty() || seen.back() != int(e.group))
            seen.push_back(int(e.group));
    QList<int> declared;
    for (const GameGroup &g : groups())
        declared.push_back(int(g.group));
    QCOMPARE(seen, declared);
}

// No two servers share an address, and no control name is used twice.
void CatalogueTest::everyServerHasAnAddressAndNamesOfItsOwn()
{
    QSet<QString> addresses, names;
    int named = 0;
    for (const ServerEntry &e : entries()) {
        QVERIFY2(!hostName(e).isEmpty() && e.port > 0 && e.port < 65536, qPrintable(address(e)));
        addresses.insert(address(e));
        for (const char *name : {e.nameLabel, e.passwordEdit, e.tile, e.twin, e.joiningPanel, e.toggle, e.openTwin,
                                 e.addressPanel, e.closePicture, e.addressEdit}) {
            if (name) {
                names.insert(QLatin1String(name));
                ++named;
            }
        }
    }
    QCOMPARE(addresses.size(), int(entries().size()));
    QCOMPARE(names.size(), named);
}

void CatalogueTest::faultyTablesAreRefused_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("host");
    QTest::addColumn<int>("faults");
    const int lastHost = CommunityUrls::gameHostCount();
    QTest::newRow("as built") << 0 << 1 << 2 << 0;
    QTest::newRow("the last host") << 13 << 14 << lastHost << 0;
    QTest::newRow("host 0") << 3 << 4 << 0 << 1;
    QTest::newRow("a host past the last") << 13 << 14 << lastHost + 1 << 1;
    QTest::newRow("numbered out of place") << 4 << 6 << 3 << 1;
    QTest::newRow("both") << 4 << 4 << -1 << 2;
}

void CatalogueTest::faultyTablesAreRefused()
{
    QFETCH(int, row);
    QFETCH(int, number);
    QFETCH(int, host);
    QFETCH(int, faults);
    QVERIFY(faultsOf(entries()).isEmpty());
    std::vector<ServerEntry> table = entries();
    table.at(size_t(row)).number = number;
    table.at(size_t(row)).host = host;
    QCOMPARE(faultsOf(table).size(), faults);
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
