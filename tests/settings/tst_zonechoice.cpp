// The zone choice as the settings keep it: a named zone stored beside a whole
// classic region, and read back only when the edition offers names and the
// system knows the name; the map zone of an offset; the zone list's search.
#include "core/Edition.h"
#include "settings/SettingsStore.h"
#include "support/TestSupport.h"
#include "settings/ZoneChoice.h"
#include "settings/ZoneList.h"

#include <QTest>

class TestZoneChoice : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { UseEdition(DemoEdition()); }
    void mapZoneOfOffset_data();
    void mapZoneOfOffset();
    void namedZoneRoundTrip();
    void storedNameFallsBack_data();
    void storedNameFallsBack();
    void classicChoiceRemovesTheName();
    void junkSystemZoneIsNoZone();
    void search_data();
    void search();
    void listedZones();
};

void TestZoneChoice::mapZoneOfOffset_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("zone");
    QTest::newRow("UTC") << 0 << 12;
    QTest::newRow("Madrid") << 3600 << 13;
    QTest::newRow("Newfoundland -03:30") << -12600 << 9;
    QTest::newRow("India +05:30") << 19800 << 18;
    QTest::newRow("Nepal +05:45") << 20700 << 18;
    QTest::newRow("Adelaide +09:30") << 34200 << 22;
    QTest::newRow("Madrid's mean time of 1900 -00:14:44") << -884 << 12;
    QTest::newRow("Baker Island -12") << -43200 << 0;
    QTest::newRow("Tonga +13 kept on the map") << 46800 << 24;
    QTest::newRow("Kiritimati +14 kept on the map") << 50400 << 24;
}

void TestZoneChoice::mapZoneOfOffset()
{
    QFETCH(int, seconds);
    QFETCH(int, zone);
    QCOMPARE(MapZoneOfOffset(seconds), zone);
}

void TestZoneChoice::namedZoneRoundTrip()
{
    if (!KnownZone("Asia/Kolkata").isValid())
        QSKIP("the system's time zone database (Debian package tzdata) is missing");
    UseEdition(FullEdition());
    TestEnvironment env;
    const ZoneChoice chosen = NamedZoneChoice("Asia/Kolkata", QDateTime(QDate(2026, 1, 15), QTime(12, 0), Qt::UTC), true);
    // The classic fallback is the map zone of +05:30 with its region line.
    QCOMPARE(chosen.zoneIndex, 18);
    QCOMPARE(chosen.regionLine, 41);
    QCOMPARE(chosen.regionText, QString("(GMT+06:00) Bombay, Calcuta, Madrás, Nueva Delhi"));
    QCOMPARE(chosen.zoneOffset, 19);
    {
        SettingsStore store;
        StoreZoneChoice(store, chosen);
        QVERIFY(store.commit());
    }
    const std::optional<ZoneChoice> stored = StoredZoneChoice(SettingsStore());
    QVERIFY(stored);
    QCOMPARE(*stored, chosen);
    TestPlatform platform;
    Gral gral{platform};
    gral.calendar.zoneOffset = 3;
    ApplyZoneChoice(gral.calendar, *stored);
    QCOMPARE(gral.calendar.namedZone.id(), QByteArray("Asia/Kolkata"));
    QCOMPARE(gral.calendar.zoneOffset, 19);
}

void TestZoneChoice::storedNameFallsBack_data()
{
    QTest::addColumn<bool>("fullEdition");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the full edition keeps a known name") << true << "Europe/Madrid" << "Europe/Madrid";
    QTest::newRow("an alias the system uses") << true << "Etc/UTC" << "Etc/UTC";
    QTest::newRow("an old alias with a zone file") << true << "America/Buenos_Aires" << "America/Buenos_Aires";
    QTest::newRow("unknown name") << true << "Europe/Atlantis" << "";
    QTest::newRow("a word") << true << "hola" << "";
    QTest::newRow("a file of the zone folder, not a zone") << true << "zone.tab" << "";
    QTest::newRow("a path, not a name") << true << "../../etc/passwd" << "";
    QTest::newRow("absent") << true << "" << "";
    QTest::newRow("the DEMO offers no names") << false << "Europe/Madrid" << "";
}

// An absent, unknown or not offered name leaves the classic region stored beside it.
void TestZoneChoice::storedNameFallsBack()
{
    QFETCH(bool, fullEdition);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    if (!KnownZone("Europe/Madrid").isValid())
        QSKIP("the system's time zone database (Debian package tzdata) is missing");
    UseEdition(fullEdition ? FullEdition() : DemoEdition());
    TestEnvironment env;
    {
        SettingsStore store;
        StoreZoneChoice(store, ClassicZoneChoice(24, 13, true));
        if (!name.isEmpty())
            store.setZoneName(name);
    }
    const std::optional<ZoneChoice> stored = StoredZoneChoice(SettingsStore());
    QVERIFY(stored);
    QCOMPARE(stored->zoneName, expected);
    QCOMPARE(stored->regionLine, 24);
    QCOMPARE(stored->zoneIndex, 13);
    QCOMPARE(stored->zoneOffset, 14);
    QVERIFY(stored->daylightSaving);
    TestPlatform platform;
    Gral gral{platform};
    gral.calendar.namedZone = QTimeZone("Asia/Kolkata");
    ApplyZoneChoice(gral.calendar, *stored);
    QCOMPARE(gral.calendar.namedZone.isValid(), !expected.isEmpty());
    QCOMPARE(gral.calendar.zoneOffset, 14);
}

void TestZoneChoice::junkSystemZoneIsNoZone()
{
    qputenv("TZ", "junk"); // TZ names the system's zone; a word that is no zone is not offered as one
    QCOMPARE(SystemZoneName(), QString());
    qunsetenv("TZ");
}

void TestZoneChoice::classicChoiceRemovesTheName()
{
    UseEdition(FullEdition());
    TestEnvironment env;
    SettingsStore store;
    store.setZoneName("Europe/Madrid");
    StoreZoneChoice(store, ClassicZoneChoice(21, 12, false));
    QVERIFY(store.zoneName().isEmpty());
    QCOMPARE(StoredZoneChoice(store)->zoneName, QString());
}

void TestZoneChoice::search_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("found");
    QTest::newRow("nothing typed") << "" << true;
    QTest::newRow("words with a space") << "buenos aires" << true;
    QTest::newRow("upper case with underscore") << "BUENOS_AIRES" << true;
    QTest::newRow("part of the path") << "argentina" << true;
    QTest::newRow("accents ignored") << "América" << true;
    QTest::newRow("words in any order") << "aires america" << true;
    QTest::newRow("one word missing") << "buenos madrid" << false;
    QTest::newRow("another city") << "cordoba" << false;
}

void TestZoneChoice::search()
{
    QFETCH(QString, search);
    QFETCH(bool, found);
    QCOMPARE(ZoneSearchMatches("America/Argentina/Buenos_Aires", search), found);
}

void TestZoneChoice::listedZones()
{
    const QStringList names = ListedZoneNames();
    if (!KnownZone("Europe/Madrid").isValid())
        QSKIP("the system's time zone database (Debian package tzdata) is missing");
    QVERIFY(names.contains("Europe/Madrid"));
    QVERIFY(names.contains("Asia/Kolkata"));
    QVERIFY(names.contains("UTC"));
    QVERIFY(!names.contains("UTC+05:00"));
    QVERIFY(std::is_sorted(names.begin(), names.end()));
    const QDateTime winter(QDate(2026, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime summer(QDate(2026, 7, 15), QTime(12, 0), Qt::UTC);
    QCOMPARE(ZoneListEntry(KnownZone("Europe/Madrid"), winter), QString("Europe/Madrid (UTC+01:00)"));
    QCOMPARE(ZoneListEntry(KnownZone("Europe/Madrid"), summer), QString("Europe/Madrid (UTC+02:00)"));
    QCOMPARE(ZoneListEntry(KnownZone("America/St_Johns"), winter), QString("America/St_Johns (UTC-03:30)"));
    QCOMPARE(ZoneListEntry(KnownZone("Asia/Kathmandu"), winter), QString("Asia/Kathmandu (UTC+05:45)"));
}

QTEST_GUILESS_MAIN(TestZoneChoice)
#include "tst_zonechoice.moc"
