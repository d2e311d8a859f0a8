#include "settings/SettingsStore.h"
#include "settings/SettingsWrite.h"
#include "app/ProgramMessage.h"
#include "support/SmallDisk.h"
#include "platform/SystemDateFormat.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

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
    void notRegularFileReadsAsAbsent_data();
    void notRegularFileReadsAsAbsent();
    void unwritableStoreToldOnce_data();
    void unwritableStoreToldOnce();
    void refusedWriteFailsCommit_data();
    void refusedWriteFailsCommit();
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

// Something other than a regular file where a settings file belongs: never
// read (a FIFO would block the start before any window), counts as absent.
void TestSettingsStore::notRegularFileReadsAsAbsent_data()
{
    QTest::addColumn<bool>("shortDateFile");
    QTest::addColumn<bool>("fifo"); // else a folder
    QTest::newRow("settings file is a FIFO") << false << true;
    QTest::newRow("settings file is a folder") << false << false;
    QTest::newRow("short-date file is a FIFO") << true << true;
    QTest::newRow("short-date file is a folder") << true << false;
}

void TestSettingsStore::notRegularFileReadsAsAbsent()
{
    QFETCH(bool, shortDateFile);
    QFETCH(bool, fifo);
    TestEnvironment env;
    env.setShortDatePattern("yyyy-MM-dd");
    {
        SettingsStore store;
        store.setZoneOffset(13);
        QVERIFY(store.commit());
    }
    const QString path = shortDateFile ? env.path() + "/config/Control Panel/International.conf"
                                       : SettingsStore().fileName();
    QVERIFY(QFile::exists(path));
    QVERIFY(QFile::remove(path));
    QVERIFY(fifo ? MakeFifo(path) : QDir().mkpath(path));

    std::optional<int> zone = -1;
    QString pattern;
    bool committed = true;
    QVERIFY(FinishesWithoutFifoWriter(path, [&] {
        SettingsStore store;
        zone = store.zoneOffset();
        pattern = CurrentShortDatePattern();
        store.setMember("ALGUIEN - 01/01/1980");
        committed = store.commit();
    }));
    if (shortDateFile) {
        QCOMPARE(pattern, QString("dd/mm/yyyy")); // the default, as for an absent file
        QCOMPARE(zone.value_or(-1), 13);
        QVERIFY(committed);
    } else {
        QCOMPARE(pattern, QString("yyyy-MM-dd"));
        QVERIFY(!zone);
        QVERIFY(!committed); // and what is in the file's place stays
        QCOMPARE(QFileInfo(path).isDir(), !fifo);
    }
}

// A store that can't be written is told once per run, with its place.
void TestSettingsStore::unwritableStoreToldOnce_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("folder of the store is a file") << "Zeltmark";
    QTest::newRow("store is a folder") << "Zeltmark/Pronos.Demo.conf";
}

void TestSettingsStore::unwritableStoreToldOnce()
{
    QFETCH(QString, obstacle);
    TestEnvironment env;
    const QString config = env.path() + "/config/";
    QDir(config + "Zeltmark").removeRecursively();
    QVERIFY(obstacle.endsWith(".conf") ? QDir().mkpath(config + obstacle) : WriteBytes(config + obstacle, {}));
    TestGral test;
    for (int attempt = 0; attempt < 3; ++attempt) {
        SettingsStore store;
        store.setZoneOffset(12);
        QVERIFY(!SaveSettings(test.gral, store));
    }
    QCOMPARE(test.messages.messages().size(), 1);
    QCOMPARE(test.messages.messages()[0].text,
             SettingsNotSavedMessage.arg(QDir::toNativeSeparators(config + "Zeltmark/Pronos.Demo.conf")));
    QCOMPARE(test.messages.messages()[0].style, 48);
    QVERIFY(!SettingsStore().zoneOffset());
}

// A write the disk refuses (a read-only store or folder, no space left) is a
// failed commit, and the file keeps the values stored before.
void TestSettingsStore::refusedWriteFailsCommit_data()
{
    QTest::addColumn<bool>("storeExists");
    QTest::addColumn<bool>("full"); // else read-only
    QTest::newRow("read-only store") << true << false;
    QTest::newRow("read-only folder, no store yet") << false << false;
    QTest::newRow("full disk") << true << true;
}

void TestSettingsStore::refusedWriteFailsCommit()
{
    QFETCH(bool, storeExists);
    QFETCH(bool, full);
    TestEnvironment env;
    // Root writes through permissions: the refusal then comes from a small
    // disk of its own (read-only or full); anyone else meets the permissions.
    SmallDisk disk;
    const bool root = disk.mounted();
    if (!root && (full || ::geteuid() == 0))
        QSKIP(qPrintable(disk.whyNot()));
    const QString config = (root ? disk.folder() : env.path() + u'/') + u"store/"_qs;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    const QString folder = config + u"Zeltmark"_qs;
    QVERIFY(QDir().mkpath(folder));
    if (storeExists) {
        SettingsStore store;
        store.setZoneOffset(12);
        QVERIFY(store.commit());
    }
    const QString path = SettingsStore().fileName();
    QCOMPARE(QFileInfo::exists(path), storeExists);
    if (full)
        QVERIFY(disk.fill());
    else if (root)
        QVERIFY(disk.makeReadOnly());
    else
        QVERIFY(QFile::setPermissions(storeExists ? path : folder,
                                      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser));

    bool committed = true;
    {
        SettingsStore store;
        store.setZoneOffset(5);
        store.setMember(QString(3000, u'M')); // more than one page: a full disk has no room for it
        committed = store.commit();
    }
    QVERIFY(!committed);
    // The file keeps what it held (the run itself goes on with the new values).
    QCOMPARE(QFile::exists(path), storeExists);
    if (storeExists) {
        const QByteArray stored = ReadBytes(path);
        QVERIFY2(stored.contains("GMT=12") && !stored.contains("MMM"), stored.constData());
    }
    if (!root)
        QFile::setPermissions(storeExists ? path : folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
