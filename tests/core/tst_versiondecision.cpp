#include "web/VersionDecision.h"

#include <QTest>

class VersionDecisionTest : public QObject
{
    Q_OBJECT
private slots:
    void offeredVersionsAreComparedWhole_data();
    void offeredVersionsAreComparedWhole();
    void balloonNamesTheVersionTwice_data();
    void balloonNamesTheVersionTwice();
    void menuCaptionAppendsTheVersion();
};

void VersionDecisionTest::offeredVersionsAreComparedWhole_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("isNew");
    QTest::newRow("newer") << "1.9" << true;
    QTest::newRow("older") << "1.8.2" << true;
    QTest::newRow("own") << "1.8.3" << false;
    QTest::newRow("longer number") << "1.8.30" << true;
    QTest::newRow("other form of the same number") << "1.8.3.0" << true;
    QTest::newRow("with a prefix") << "v1.8.3" << true;
    QTest::newRow("letters") << "beta" << true;
    QTest::newRow("empty names no version") << "" << false;
}

void VersionDecisionTest::offeredVersionsAreComparedWhole()
{
    QFETCH(QString, offered);
    QFETCH(bool, isNew);
    QCOMPARE(VersionDecision::offersNewVersion(offered), isNew);
}

void VersionDecisionTest::balloonNamesTheVersionTwice_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.9") << "1.9" << QString::fromUtf8("K dispozici nová verze OVCL 1.9. New version of OVCL 1.9 available!");
    QTest::newRow("1.8.2") << "1.8.2"
                           << QString::fromUtf8("K dispozici nová verze OVCL 1.8.2. New version of OVCL 1.8.2 available!");
}

void VersionDecisionTest::balloonNamesTheVersionTwice()
{
    QFETCH(QString, offered);
    QFETCH(QString, text);
    QCOMPARE(VersionDecision::balloonText(offered), text);
    QCOMPARE(VersionDecision::balloonTitle(), QStringLiteral("OVCL Update"));
}

void VersionDecisionTest::menuCaptionAppendsTheVersion()
{
    QCOMPARE(VersionDecision::menuCaption("Update to", "1.9"), QStringLiteral("Update to 1.9"));
    // Each announcement extends the caption it finds.
    QCOMPARE(VersionDecision::menuCaption("Update to 1.9", "2.0"), QStringLiteral("Update to 1.9 2.0"));
}

QTEST_GUILESS_MAIN(VersionDecisionTest)
#include "tst_versiondecision.moc"
