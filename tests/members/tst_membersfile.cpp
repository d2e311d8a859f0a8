#include "members/Cp1252.h"
#include "members/MemberList.h"
#include "members/MembersStartup.h"
#include "members/MembersFile.h"
#include "members/MembersTestFiles.h"
#include "members/MembersTestFixture.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QtEndian>
#include <cmath>
#include <limits>

// A search's or store's record number as the file counts: 0 for none, -1 for a failure.
static qint64 Number(const RecordSearch& found) { return found ? found->value_or(0) : -1; }
static qint64 Number(const Result<qint64>& stored) { return stored ? *stored : -1; }

// The members file: record layout, 1252 texts, MemberList, record operations, purge.
class TestMembersFile : public QObject, private MembersTestFixture {
    Q_OBJECT
private slots:
    void init();
    void cp1252RoundTrip_data();
    void cp1252RoundTrip();
    void cp1252EveryByteRoundTrips();
    void recordLayout();
    void oversizedLengthByteReadsCapacity();
    void wholeRecordsOnly_data();
    void wholeRecordsOnly();
    void memberListLines();
    void freeSlotsSkipped();
    void freeSlotReusedWithoutGrowth();
    void newRecordAfterPartialTail();
    void sameNameDifferentDates();
    void findByKey_data();
    void findByKey();
    void duplicates();
    void nanDatePurgesWithBackup();
    void purgeKeepsOlderBackup();
    void noPurgeWithoutDatePattern();

private:
    QString path() const { return folder_ + MembersFileName; }
    bool load(MembersFile& file) { return LoadMembersOrPurge(gral_, file); }
};

void TestMembersFile::init()
{
    ResetFixture();
}

void TestMembersFile::cp1252RoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("back");
    QTest::newRow("accents") << u"ÁÉÍÓÚÑÜ áéíóúñü"_qs << QByteArray("\xC1\xC9\xCD\xD3\xDA\xD1\xDC \xE1\xE9\xED\xF3\xFA\xF1\xFC")
                             << u"ÁÉÍÓÚÑÜ áéíóúñü"_qs;
    QTest::newRow("0x80-0x9F") << u"€ Š Ž œ Ÿ – ™"_qs << QByteArray("\x80 \x8A \x8E \x9C \x9F \x96 \x99")
                               << u"€ Š Ž œ Ÿ – ™"_qs;
    QTest::newRow("not in 1252") << u"ŐŁ"_qs << QByteArray("??") << u"??"_qs;
    QTest::newRow("surrogate pair is one char") << u"A😀B"_qs << QByteArray("A?B") << u"A?B"_qs;
    QTest::newRow("C1 control without glyph") << u"\u0080"_qs << QByteArray("?") << u"?"_qs;
}

void TestMembersFile::cp1252RoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, back);
    QCOMPARE(ToCp1252(text), bytes);
    QCOMPARE(FromCp1252(bytes), back);
}

void TestMembersFile::cp1252EveryByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = FromCp1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(ToCp1252(text), all);
}

void TestMembersFile::recordLayout()
{
    const MemberRecord r{Day(1980, 5, 5), u"GARCÍA JUAN"_qs, u"Arquero €"_qs};
    const QByteArray bytes = EncodeMemberRecord(r);
    QCOMPARE(bytes.size(), 152);
    QCOMPARE(qFromLittleEndian<double>(bytes.constData()), Day(1980, 5, 5));
    QCOMPARE(int(quint8(bytes[8])), 11);
    QCOMPARE(bytes.mid(9, 11), QByteArray("GARC\xCD" "A JUAN"));
    QCOMPARE(int(quint8(bytes[69])), 9);
    QCOMPARE(bytes.mid(70, 9), QByteArray("Arquero \x80"));

    const MemberRecord back = DecodeMemberRecord(bytes.constData());
    QCOMPARE(back.birthDate, r.birthDate);
    QCOMPARE(back.fullName, r.fullName);
    QCOMPARE(back.remarks, r.remarks);

    // Texts are cut to their fields.
    const MemberRecord longer{1, QString(70, u'N'), QString(90, u'r')};
    const MemberRecord cut = DecodeMemberRecord(EncodeMemberRecord(longer).constData());
    QCOMPARE(cut.fullName, QString(60, u'N'));
    QCOMPARE(cut.remarks, QString(80, u'r'));

    const QByteArray free = EncodeMemberRecord(FreeSlotRecord());
    QCOMPARE(qFromLittleEndian<double>(free.constData()), 0.0);
    QCOMPARE(int(quint8(free[8])), 60);
    QCOMPARE(free.mid(9, 60), QByteArray(60, ' '));
    QCOMPARE(int(quint8(free[69])), 80);
    QCOMPARE(free.mid(70, 80), QByteArray(80, ' '));
}

void TestMembersFile::oversizedLengthByteReadsCapacity()
{
    QByteArray bytes = EncodeMemberRecord({Day(1990, 1, 2), QString(60, u'A'), QString(80, u'b')});
    bytes[8] = char(200);  // name length beyond 60
    bytes[69] = char(255); // remarks length beyond 80
    const MemberRecord r = DecodeMemberRecord(bytes.constData());
    QCOMPARE(r.fullName, QString(60, u'A'));
    QCOMPARE(r.remarks, QString(80, u'b'));

    QVERIFY(WriteBytes(path(), bytes));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QVERIFY(load(file));
    QCOMPARE(gral_.members.memberList, QStringList{u"02/01/1990"_qs + QString(60, u'A')});
    QVERIFY(messages_->messages().isEmpty());
    QCOMPARE(ReadBytes(path()), bytes);
}

void TestMembersFile::wholeRecordsOnly_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("tail");
    QTest::newRow("0 bytes") << 0 << 0;
    QTest::newRow("1 byte") << 0 << 1;
    QTest::newRow("151 bytes") << 0 << 151;
    QTest::newRow("1 record") << 1 << 0;
    QTest::newRow("2 records + 1 byte") << 2 << 1;
    QTest::newRow("3 records + 151 bytes") << 3 << 151;
}

void TestMembersFile::wholeRecordsOnly()
{
    QFETCH(int, records);
    QFETCH(int, tail);
    QList<MemberRecord> list;
    for (int i = 0; i < records; ++i)
        list.append({Day(1970 + i, 3, 4), u"MEMBER %1"_qs.arg(i), {}});
    // The tail is the start of a record whose name would be read if it counted.
    const QByteArray bytes = Records(list) + EncodeMemberRecord({Day(2000, 1, 1), u"TAIL"_qs, {}}).left(tail);
    QVERIFY(WriteBytes(path(), bytes));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QCOMPARE(file.recordCount(), qint64(records));
    QVERIFY(load(file));
    QCOMPARE(gral_.members.memberList.size(), records);
    for (int i = 0; i < records; ++i)
        QCOMPARE(gral_.members.memberList[i].mid(10).trimmed(), u"MEMBER %1"_qs.arg(i));
    QVERIFY(messages_->messages().isEmpty());
}

void TestMembersFile::memberListLines()
{
    QVERIFY(WriteBytes(path(), Records({{Day(1985, 12, 31), u"  PÉREZ ANA   "_qs, u"x"_qs},
                                        {Day(2001, 7, 9), QString(60, u'Z'), {}}})));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QVERIFY(load(file));
    QCOMPARE(gral_.members.memberList.size(), 2);
    QCOMPARE(gral_.members.memberList[0], u"31/12/1985PÉREZ ANA"_qs.leftJustified(70, u' '));
    QCOMPARE(gral_.members.memberList[1], u"09/07/2001"_qs + QString(60, u'Z'));
    for (const QString& line : gral_.members.memberList)
        QCOMPARE(line.size(), MemberLineWidth);
}

void TestMembersFile::freeSlotsSkipped()
{
    MemberRecord tabs = FreeSlotRecord();
    tabs.fullName = u"\t \r\n"_qs; // blanks and control characters only: free as well
    QVERIFY(WriteBytes(path(), Records({FreeSlotRecord(), {Day(1999, 2, 3), u"UNO"_qs, {}}, tabs,
                                        FreeSlotRecord()})));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QVERIFY(load(file));
    QCOMPARE(gral_.members.memberList.size(), 1);
    QVERIFY(gral_.members.memberList[0].startsWith(u"03/02/1999UNO"_qs));

    QVERIFY(WriteBytes(path(), Records({FreeSlotRecord(), FreeSlotRecord()})));
    QVERIFY(file.openExisting());
    QVERIFY(load(file));
    QVERIFY(gral_.members.memberList.isEmpty());
}

void TestMembersFile::freeSlotReusedWithoutGrowth()
{
    MembersFile file(path());
    QVERIFY(file.createEmpty());
    QCOMPARE(Number(StoreNewMember(file, {Day(1980, 1, 1), u"A"_qs, {}})), 1);
    QCOMPARE(Number(StoreNewMember(file, {Day(1981, 1, 1), u"B"_qs, {}})), 2);
    QCOMPARE(Number(StoreNewMember(file, {Day(1982, 1, 1), u"C"_qs, {}})), 3);
    QCOMPARE(file.size(), qint64(3 * 152));
    QVERIFY(FreeMemberRecord(file, 2));
    QCOMPARE(Number(StoreNewMember(file, {Day(1983, 1, 1), u"D"_qs, {}})), 2);
    QCOMPARE(file.size(), qint64(3 * 152));
    QCOMPARE(file.read(2)->fullName, u"D"_qs);
    QVERIFY(load(file));
    QCOMPARE(gral_.members.memberList.size(), 3);
    QVERIFY(gral_.members.memberList[1].startsWith(u"01/01/1983D"_qs));
}

void TestMembersFile::newRecordAfterPartialTail()
{
    const QByteArray whole = Records({{Day(1975, 6, 6), u"ENTERO"_qs, {}}});
    QVERIFY(WriteBytes(path(), whole + QByteArray(50, 'x')));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QCOMPARE(Number(StoreNewMember(file, {Day(1976, 7, 7), u"NUEVO"_qs, {}})), 2);
    QCOMPARE(file.size(), qint64(2 * 152));
    QVERIFY(load(file));
    QCOMPARE(gral_.members.memberList.size(), 2);
    QVERIFY(gral_.members.memberList[1].startsWith(u"07/07/1976NUEVO"_qs));
}

void TestMembersFile::sameNameDifferentDates()
{
    QVERIFY(WriteBytes(path(), Records({{Day(1980, 1, 1), u"LOPEZ"_qs, u"uno"_qs},
                                        {Day(1990, 2, 2), u"LOPEZ"_qs, u"dos"_qs}})));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QVERIFY(load(file));
    QCOMPARE(gral_.members.memberList.size(), 2);
    QCOMPARE(Number(FindMemberRecord(file, gral_.environment.systemDateFormat, u"LOPEZ"_qs, u"02/02/1990"_qs)), 2);
    QCOMPARE(Number(FindMemberRecord(file, gral_.environment.systemDateFormat, u"LOPEZ"_qs, u"01/01/1980"_qs)), 1);
    QVERIFY(file.write(2, {Day(1990, 2, 3), u"LOPEZ"_qs, u"cambiado"_qs}));
    QCOMPARE(file.read(1)->remarks, u"uno"_qs);
    QCOMPARE(file.read(2)->remarks, u"cambiado"_qs);
}

void TestMembersFile::findByKey_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("expected");
    QTest::newRow("exact") << u"GOMEZ"_qs << u"10/10/1970"_qs << 2;
    QTest::newRow("key trimmed") << u"  GOMEZ "_qs << u"10/10/1970"_qs << 2;
    QTest::newRow("stored with trailing spaces") << u"RUIZ"_qs << u"11/11/1971"_qs << 3;
    QTest::newRow("case sensitive") << u"gomez"_qs << u"10/10/1970"_qs << 0;
    QTest::newRow("other date") << u"GOMEZ"_qs << u"10/10/1971"_qs << 0;
    QTest::newRow("free slot never matches") << u""_qs << u"30/12/1899"_qs << 0;
}

void TestMembersFile::findByKey()
{
    QFETCH(QString, name);
    QFETCH(QString, date);
    QFETCH(int, expected);
    QVERIFY(WriteBytes(path(), Records({FreeSlotRecord(), {Day(1970, 10, 10), u"GOMEZ"_qs, {}},
                                        {Day(1971, 11, 11), u"RUIZ   "_qs, {}}})));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QCOMPARE(Number(FindMemberRecord(file, gral_.environment.systemDateFormat, name, date)), qint64(expected));
}

void TestMembersFile::duplicates()
{
    QVERIFY(WriteBytes(path(), Records({{Day(1970, 10, 10), u"GOMEZ"_qs, {}}, {Day(1971, 1, 1), u"RUIZ"_qs, {}}})));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QCOMPARE(Number(FindDuplicateOfNew(file, u"GOMEZ"_qs, Day(1970, 10, 10))), 1);
    QCOMPARE(Number(FindDuplicateOfNew(file, u"GOMEZ"_qs, Day(1970, 10, 11))), 0);
    QCOMPARE(Number(FindDuplicateOfNew(file, u"GOMEZ "_qs, Day(1970, 10, 10))), 0); // the typed name is not trimmed
    QCOMPARE(Number(FindDuplicateOfChanged(file, gral_.environment.systemDateFormat, u"GOMEZ"_qs, u"10/10/1970"_qs, 1)), 0); // its own record
    QCOMPARE(Number(FindDuplicateOfChanged(file, gral_.environment.systemDateFormat, u"GOMEZ"_qs, u"10/10/1970"_qs, 2)), 1);
}

void TestMembersFile::nanDatePurgesWithBackup()
{
    const QByteArray bytes = Records({{Day(1980, 1, 1), u"BIEN"_qs, {}},
                                      {std::numeric_limits<double>::quiet_NaN(), u"MAL"_qs, {}},
                                      {Day(1981, 1, 1), u"DESPUES"_qs, {}}})
        + QByteArray(7, 'p');
    QVERIFY(WriteBytes(path(), bytes));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QVERIFY(!load(file));
    QVERIFY(!file.isOpen());
    QCOMPARE(messages_->messages().size(), 2); // the damage, then where the copy went
    QCOMPARE(messages_->messages()[0].text,
             u"Existe un valor erroneo en el archivo que guarda los datos de integrantes.\r\rA continuación dicho "
             u"archivo será depurado, y el programa se cerrará.\r\rLuego vuelva a ejecutar \"Zeltmark - Pronos\"."_qs);
    QCOMPARE(messages_->messages()[0].style, 16);
    QCOMPARE(QFileInfo(path()).size(), qint64(0));
    QCOMPARE(ReadBytes(path() + u".bak"_qs), bytes);
    QCOMPARE(gral_.members.memberList.size(), 1); // the line before the damage stays
}

void TestMembersFile::purgeKeepsOlderBackup()
{
    QVERIFY(WriteBytes(path() + u".bak"_qs, QByteArray(1000, 'o')));
    const QByteArray bytes = Records({{std::numeric_limits<double>::infinity(), u"X"_qs, {}}});
    QVERIFY(WriteBytes(path(), bytes));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QVERIFY(!load(file));
    QCOMPARE(ReadBytes(path() + u".bak"_qs), QByteArray(1000, 'o'));
    QCOMPARE(ReadBytes(path() + u".1.bak"_qs), bytes);
    QCOMPARE(QFileInfo(path()).size(), qint64(0));
}

void TestMembersFile::noPurgeWithoutDatePattern()
{
    const QByteArray bytes = Records({{Day(1980, 1, 1), u"BIEN"_qs, {}}});
    QVERIFY(WriteBytes(path(), bytes));
    gral_.environment.systemDateFormat.clear(); // a change of the date format was detected
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QVERIFY(!load(file));
    QVERIFY(!file.isOpen());
    QVERIFY(messages_->messages().isEmpty());
    QCOMPARE(ReadBytes(path()), bytes);
    QVERIFY(!QFile::exists(path() + u".bak"_qs));
}

QTEST_GUILESS_MAIN(TestMembersFile)
#include "tst_membersfile.moc"
