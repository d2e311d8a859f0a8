#include "SettingsStore.h"
#include "TestSupport.h"

#include <QSettings>
#include <QTest>

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void absentValues();
    void roundTrip();
    void badValuesReadAsAbsent_data();
    void badValuesReadAsAbsent();
    void zoneOffsetRule_data();
    void zoneOffsetRule();
};

void TestSettingsStore::absentValues()
{
    TestEnvironment env;
    SettingsStore store;
    QVERIFY(!store.zoneOffset());
    QVERIFY(!store.zoneIndex());
    QVERIFY(!store.regionLine());
    QVERIFY(!store.daylightSaving());
    QVERIFY(!store.member());
    QVERIFY(!store.levelColour(1));
    QVERIFY(store.zoneText().isEmpty());
    QVERIFY(store.fileName().startsWith(env.path()));
}

void TestSettingsStore::roundTrip()
{
    TestEnvironment env;
    {
        SettingsStore store;
        store.setZoneOffset(13);
        store.setZoneIndex(12);
        store.setRegionLine(21);
        store.setDaylightSaving(true);
        store.setZoneText("(GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, Lisboa, Londres");
        store.setMember("GARCÍA PÉREZ JUAN - 05/05/1980");
        store.setLevelColours(DefaultLevelColors);
    }
    SettingsStore store;
    QCOMPARE(store.zoneOffset().value_or(-1), 13);
    QCOMPARE(store.zoneIndex().value_or(-1), 12);
    QCOMPARE(store.regionLine().value_or(-1), 21);
    QCOMPARE(store.daylightSaving().value_or(false), true);
    QCOMPARE(store.zoneText(), QString("(GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, Lisboa, Londres"));
    QCOMPARE(store.member().value_or(""), QString("GARCÍA PÉREZ JUAN - 05/05/1980"));
    for (int level = 1; level <= 5; ++level)
        QCOMPARE(store.levelColour(level).value_or(1), DefaultLevelColors[level - 1]);
}

void TestSettingsStore::badValuesReadAsAbsent_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("GMT 40") << "GMT" << "40";
    QTest::newRow("GMT -1") << "GMT" << "-1";
    QTest::newRow("PosMap x") << "PosMap" << "x";
    QTest::newRow("UBMapa 61") << "UBMapa" << "61";
    QTest::newRow("Hora verano text") << "Hora verano" << "sí";
    QTest::newRow("Color1 negative") << "Color1" << "-5";
    QTest::newRow("Color1 too big") << "Color1" << "16777216";
}

void TestSettingsStore::badValuesReadAsAbsent()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    TestEnvironment env;
    {
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Zeltmark", "Pronos.Demo");
        raw.setValue(key, value);
    }
    SettingsStore store;
    QVERIFY(!store.zoneOffset());
    QVERIFY(!store.zoneIndex());
    QVERIFY(!store.regionLine());
    QVERIFY(!store.daylightSaving());
    QVERIFY(!store.levelColour(1));
}

void TestSettingsStore::zoneOffsetRule_data()
{
    QTest::addColumn<int>("zoneIndex");
    QTest::addColumn<bool>("daylight");
    QTest::addColumn<int>("offset");
    QTest::newRow("GMT") << 12 << false << 12;
    QTest::newRow("GMT summer") << 12 << true << 13;
    QTest::newRow("GMT-12") << 0 << false << 0;
    QTest::newRow("GMT-12 summer") << 0 << true << 1;
    QTest::newRow("GMT+11 summer") << 23 << true << 24;
    QTest::newRow("GMT+12") << 24 << false << 0;
    QTest::newRow("GMT+12 summer") << 24 << true << 1;
}

void TestSettingsStore::zoneOffsetRule()
{
    QFETCH(int, zoneIndex);
    QFETCH(bool, daylight);
    QFETCH(int, offset);
    QCOMPARE(ZoneOffsetFor(zoneIndex, daylight), offset);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
