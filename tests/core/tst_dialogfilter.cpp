#include "platform/windows/DialogFilter.h"

#include <QTest>

class DialogFilterTest : public QObject
{
    Q_OBJECT
private slots:
    void toQt_data();
    void toQt();
};

void DialogFilterTest::toQt_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("allFiles");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bare description") << "Ventrilo|*.exe" << false << "Ventrilo (*.exe)";
    QTest::newRow("bare description, all files") << "TeamSpeak|*.exe" << true << "TeamSpeak (*.exe);;All files (*)";
    QTest::newRow("pattern already named")
        << "Half-Life Launcher (hl.exe)|hl.exe|CS 1.6 Launcher (cstrike.exe)|cstrike.exe|Steam (steam.exe)|steam.exe"
        << false << "Half-Life Launcher (hl.exe);;CS 1.6 Launcher (cstrike.exe);;Steam (steam.exe)";
    QTest::newRow("double blanks kept") << "COD MP  1.0  (cod2mp_s.exe)|cod2mp_s.exe" << false
                                        << "COD MP  1.0  (cod2mp_s.exe)";
    QTest::newRow("named and wildcard")
        << "UT (UT2004.exe)|UT2004.exe|UT2004  executable (*.exe)|*.exe" << true
        << "UT (UT2004.exe);;UT2004  executable (*.exe);;All files (*)";
    QTest::newRow("other pattern in parentheses") << "AVP2 (avp2.exe)|lithtech.exe" << false
                                                  << "AVP2 (avp2.exe) (lithtech.exe)";
    QTest::newRow("several patterns") << "Programs|*.exe;*.bat" << false << "Programs (*.exe *.bat)";
}

void DialogFilterTest::toQt()
{
    QFETCH(QString, filter);
    QFETCH(bool, allFiles);
    QFETCH(QString, expected);
    QCOMPARE(DialogFilter::toQt(filter, allFiles), expected);
}

QTEST_GUILESS_MAIN(DialogFilterTest)
#include "tst_dialogfilter.moc"
