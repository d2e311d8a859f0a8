#include "settings/SettingsStore.h"
#include "settings/ZoneTable.h"

#include <QImage>
#include <QTest>

class TestZoneTable : public QObject {
    Q_OBJECT
private slots:
    void hitTest_data();
    void hitTest();
    void everyStripColumnMatchesItsCell();
    void regionLines();
    void zoneOfRegionLine_data();
    void zoneOfRegionLine();
    void mapClickLineLiesInItsZone();
    void zoneOffset_data();
    void zoneOffset();
    void confirmationText();
};

void TestZoneTable::hitTest_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("zone"); // -1: ignored
    QTest::newRow("first column") << 0 << 185 << false << 0;
    QTest::newRow("end of -12") << 14 << 190 << false << 0;
    QTest::newRow("start of -11") << 15 << 190 << false << 1;
    QTest::newRow("end of -01") << 179 << 190 << false << 11;
    QTest::newRow("start of GMT") << 180 << 190 << false << 12;
    QTest::newRow("end of GMT") << 194 << 190 << false << 12;
    QTest::newRow("start of 01") << 195 << 190 << false << 13;
    QTest::newRow("end of 01 (14 wide)") << 208 << 190 << false << 13;
    QTest::newRow("start of 02") << 209 << 190 << false << 14;
    QTest::newRow("end of 11") << 358 << 190 << false << 23;
    QTest::newRow("start of 12") << 359 << 190 << false << 24;
    QTest::newRow("end of 12") << 373 << 195 << false << 24;
    QTest::newRow("after the labels 374") << 374 << 190 << false << -1;
    QTest::newRow("after the labels 376") << 376 << 190 << false << -1;
    QTest::newRow("above the strip") << 187 << 184 << false << -1;
    QTest::newRow("top of the map") << 100 << 0 << false << -1;
    QTest::newRow("right button") << 187 << 190 << true << -1;
}

void TestZoneTable::hitTest()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, right);
    QFETCH(int, zone);
    QCOMPARE(ZoneAtMapPoint(x, y, right).value_or(-1), zone);
}

// The labels of the committed map must sit inside the cells the hit test uses:
// every black label pixel of the strip belongs to the zone whose label it draws,
// and the labels appear in zone order.
void TestZoneTable::everyStripColumnMatchesItsCell()
{
    const QImage map(QStringLiteral(PRONOS_SOURCE_DIR "/resources/map/zonemap.png"));
    QVERIFY(!map.isNull());
    QCOMPARE(map.size(), QSize(MapWidth, MapHeight));
    QVERIFY(map.colorCount() <= 16);
    int lastZone = -1;
    QList<int> zonesWithInk;
    for (int x = 0; x < MapWidth; ++x) {
        bool ink = false;
        for (int y = LabelStripTop; y < MapHeight; ++y) {
            const QColor c = map.pixelColor(x, y);
            if (c != QColor(255, 255, 0))
                ink = true;
        }
        if (!ink)
            continue;
        const std::optional<int> zone = ZoneAtMapPoint(x, LabelStripTop, false);
        QVERIFY2(zone.has_value(), qPrintable(QStringLiteral("ink in column %1 outside the cells").arg(x)));
        QVERIFY(*zone >= lastZone);
        if (*zone != lastZone)
            zonesWithInk << *zone;
        lastZone = *zone;
        // a label never touches its cell's edge, so neighbours stay apart
        QVERIFY2(ZoneAtMapPoint(x - 1, LabelStripTop, false) == zone
                     && ZoneAtMapPoint(x + 1, LabelStripTop, false) == zone,
                 qPrintable(QStringLiteral("label ink on the cell edge at column %1").arg(x)));
    }
    QCOMPARE(zonesWithInk.size(), ZoneCount);
}

void TestZoneTable::regionLines()
{
    const QStringList& lines = RegionLines();
    QCOMPARE(lines.size(), RegionLineCount);
    for (const QString& line : lines) {
        QVERIFY2(line.startsWith(QStringLiteral("(GMT")), qPrintable(line));
        QVERIFY2(ZoneOfRegionLine(line).has_value(), qPrintable(line));
    }
    QCOMPARE(lines.at(GmtRegionLine),
             QStringLiteral("(GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, Lisboa, Londres"));
    QCOMPARE(lines.at(20), QStringLiteral("(GMT 00:00) Casablanca, Monrovia"));
    QCOMPARE(lines.at(60), QStringLiteral("(GMT+12:00) Fiji, Kamchatka, Islas Marshall"));
}

void TestZoneTable::zoneOfRegionLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("zone"); // -1: not a zone
    QTest::newRow("GMT blank sign") << RegionLines().at(20) << 12;
    QTest::newRow("minus twelve") << RegionLines().at(0) << 0;
    QTest::newRow("plus twelve") << RegionLines().at(60) << 24;
    QTest::newRow("minus three") << RegionLines().at(17) << 9;
    QTest::newRow("plus nine") << RegionLines().at(49) << 21;
    QTest::newRow("too short") << QStringLiteral("(GMT+1") << -1;
    QTest::newRow("letters") << QStringLiteral("(GMT+ab:00) x") << -1;
    QTest::newRow("beyond twelve") << QStringLiteral("(GMT+13:00) x") << -1;
    QTest::newRow("no sign") << QStringLiteral("(GMTx01:00) x") << -1;
}

void TestZoneTable::zoneOfRegionLine()
{
    QFETCH(QString, line);
    QFETCH(int, zone);
    QCOMPARE(ZoneOfRegionLine(line).value_or(-1), zone);
}

// A click on the map selects a line that, chosen in the list, shows the same zone.
void TestZoneTable::mapClickLineLiesInItsZone()
{
    for (int zone = 0; zone < ZoneCount; ++zone) {
        const ZoneEntry& entry = ZoneAt(zone);
        QCOMPARE(ZoneOfRegionLine(RegionLines().at(entry.regionLine)).value_or(-1), zone);
        QVERIFY(entry.highlightWidth >= 14 && entry.highlightWidth <= 58);
        const QImage highlight(QStringLiteral(PRONOS_SOURCE_DIR "/resources/map/zone%1.png")
                                   .arg(zone + 1, 2, 10, QLatin1Char('0')));
        QCOMPARE(highlight.size(), QSize(entry.highlightWidth, HighlightHeight));
    }
    QCOMPARE(ZoneAt(GmtZoneIndex).regionLine, GmtRegionLine);
}

void TestZoneTable::zoneOffset_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("daylight");
    QTest::addColumn<int>("offset");
    QTest::newRow("GMT+11 summer: no shift") << 23 << true << 24;
    QTest::newRow("GMT+12: no shift") << 24 << false << 0;
    QTest::newRow("GMT+12 summer") << 24 << true << 1;
    QTest::newRow("GMT") << 12 << false << 12;
}

void TestZoneTable::zoneOffset()
{
    QFETCH(int, zone);
    QFETCH(bool, daylight);
    QFETCH(int, offset);
    QCOMPARE(ZoneOffsetFor(zone, daylight), offset);
}

void TestZoneTable::confirmationText()
{
    QCOMPARE(RegionConfirmationText(RegionLines().at(GmtRegionLine), false),
             QStringLiteral("Confirme selección:\r\r\"(GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, "
                            "Lisboa, Londres\".\r\rHorario verano: NO."));
    QVERIFY(RegionConfirmationText(RegionLines().at(0), true).endsWith(QStringLiteral("Horario verano: SI.")));
}

QTEST_GUILESS_MAIN(TestZoneTable)
#include "tst_zonetable.moc"
