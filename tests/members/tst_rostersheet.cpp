#include "members/AddMembers.h"
#include "members/CsvTable.h"
#include "platform/FileAccess.h"
#include "members/MembersFile.h"
#include "members/MembersTestFiles.h"
#include "members/RosterDate.h"
#include "members/RosterExport.h"
#include "members/RosterPreview.h"
#include "support/SmallDisk.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The roster sheet without windows: LibreOffice Calc's sheets row by row, dates, the bulk
// addition all or nothing, and export then import giving the same members.
class TestRosterSheet : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetFileSpaceLimit({}); }
    void fixturesRowByRow_data();
    void fixturesRowByRow();
    void dates_data();
    void dates();
    void addsIntoFreeSlotsThenAtTheEnd();
    void failedWriteLeavesOldMembers_data();
    void failedWriteLeavesOldMembers();
    void exportThenImportGivesSameMembers();

private:
    QTemporaryDir dir_;
};

namespace {

const QString Fixtures = QStringLiteral(PRONOS_ROSTER_FIXTURES "/");

// Each row after the titles: its outcome, and for a row to add, "|NAME|yyyy-MM-dd".
QStringList Outcomes(const RosterPreview& preview)
{
    QStringList out;
    for (const RosterRow& row : preview.rows) {
        QString text = RowOutcomeText(row.outcome);
        if (row.outcome == RowOutcome::Add)
            text += u'|' + row.name + u'|' + DateFromDayNumber(row.birthDate).toString(Qt::ISODate);
        out << text;
    }
    return out;
}

const QDate FixedToday(2026, 12, 9);
constexpr int RealDisk = -2;

} // namespace

void TestRosterSheet::fixturesRowByRow_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("expected");

    const QString add = RowOutcomeText(RowOutcome::Add);
    auto fechas = [&](const QString& ruiz) {
        return QStringList{add + u"|NÚÑEZ IBÁÑEZ, JOSÉ MARÍA|1990-03-05"_qs,
                           add + u"|PÉREZ, JUAN CARLOS|1988-11-30"_qs,
                           add + u"|GÓMEZ ÁNGELA|1995-07-14"_qs, // typed as a plain day number
                           RowOutcomeText(RowOutcome::Empty),
                           add + u"|SOSA LÍA|2001-01-09"_qs,
                           RowOutcomeText(RowOutcome::Repeated),
                           ruiz,
                           RowOutcomeText(RowOutcome::NameTooLong),
                           RowOutcomeText(RowOutcome::BadDate),
                           RowOutcomeText(RowOutcome::BadDate),
                           RowOutcomeText(RowOutcome::RemarksTooLong),
                           RowOutcomeText(RowOutcome::AlreadyMember)};
    };
    // Windows-1252 has no "Ŋ": the spreadsheet wrote "?" in its place.
    const QStringList utf8 = fechas(RowOutcomeText(RowOutcome::NotStorable));
    const QStringList cp1252 = fechas(add + u"|RUIZ ŒDIPO ?|1992-02-29"_qs);
    QTest::newRow("dates typed, ; UTF-8") << "equipo-fechas-utf8.csv" << "UTF-8" << ";" << utf8;
    QTest::newRow("dates typed, ; 1252") << "equipo-fechas-1252.csv" << "Windows-1252" << ";" << cp1252;
    QTest::newRow("dates typed, tab 1252") << "equipo-fechas-1252-tab.csv" << "Windows-1252" << "\t" << cp1252;

    const QStringList texto{add + u"|NÚÑEZ, JOSÉ MARÍA|1990-03-05"_qs,
                            add + u"|PÉREZ, JUAN CARLOS|1988-11-30"_qs,
                            RowOutcomeText(RowOutcome::BadDate), // 14/07/95
                            RowOutcomeText(RowOutcome::BadDate), // 31/02/2001
                            add + u"|RUIZ, ANA, \"LA FLACA\"|2001-01-09"_qs,
                            RowOutcomeText(RowOutcome::BadDate), // "ayer"
                            RowOutcomeText(RowOutcome::BadDate), // 2090
                            add + u"|TOMÁS|2002-02-02"_qs};
    QTest::newRow("dates as text, ; UTF-8") << "equipo-texto-utf8.csv" << "UTF-8" << ";" << texto;
    QTest::newRow("dates as text, ; 1252") << "equipo-texto-1252.csv" << "Windows-1252" << ";" << texto;
    QTest::newRow("dates as text, , UTF-8") << "equipo-texto-utf8-coma.csv" << "UTF-8" << "," << texto;
}

void TestRosterSheet::fixturesRowByRow()
{
    QFETCH(QString, file);
    QFETCH(QString, encoding);
    QFETCH(QString, separator);
    QFETCH(QStringList, expected);
    const Result<CsvTable> table = ReadCsvFile(Fixtures + file);
    QVERIFY2(table, qPrintable(FailureText(table)));
    QCOMPARE(CsvEncodingName(table->encoding), encoding);
    QCOMPARE(QString(table->separator), separator);
    const RosterColumns columns = RecogniseRosterColumns(table->records.first(), 4);
    const MemberKeys members{MemberKey(u"ACUÑA MARCOS"_qs, Day(1985, 6, 15))};
    const RosterPreview preview = PreviewRoster(table->records, columns, members, u"dd/MM/yyyy"_qs, FixedToday);
    QCOMPARE(Outcomes(preview), expected);
    QCOMPARE(preview.count(RowOutcome::Add), int(expected.filter(RowOutcomeText(RowOutcome::Add)).size()));
    if (file.startsWith(u"equipo-texto"))
        QVERIFY2(preview.rows[2].detail.contains(u"año de dos cifras"), qPrintable(preview.rows[2].detail));
    if (file.startsWith(u"equipo-fechas")) {
        // Separators, quotes and a line break inside cells, and a formula kept as text.
        QCOMPARE(preview.rows[0].remarks, u"Arquero; capitán"_qs);
        QCOMPARE(preview.rows[1].remarks, u"Dice \"el Mago\""_qs);
        QCOMPARE(preview.rows[2].remarks, u"Lesión de rodilla vuelve en marzo"_qs);
        QCOMPARE(preview.rows[4].remarks, u"=SUMA(1;2)"_qs);
        QCOMPARE(preview.rows[5].detail, u"igual a la fila 2"_qs);
        QVERIFY2(preview.rows[7].detail.contains(u"65 caracteres (5 de más)"), qPrintable(preview.rows[7].detail));
        QVERIFY2(preview.rows[10].detail.contains(u"85 caracteres (5 de más)"), qPrintable(preview.rows[10].detail));
    }
}

void TestRosterSheet::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDate>("date");   // invalid: refused
    QTest::addColumn<QString>("error"); // a part of the reason
    const QString dmy = u"dd/MM/yyyy"_qs;
    QTest::newRow("one-digit day and month") << "5/3/1990" << dmy << QDate(1990, 3, 5) << "";
    QTest::newRow("month first pattern") << "5/3/1990" << u"MM/dd/yyyy"_qs << QDate(1990, 5, 3) << "";
    QTest::newRow("year-first pattern reads day first") << "05.03.1990" << u"yyyy-MM-dd"_qs << QDate(1990, 3, 5) << "";
    QTest::newRow("today allowed") << "09/12/2026" << dmy << FixedToday << "";
    QTest::newRow("after today") << "10/12/2026" << dmy << QDate() << "posterior";
    QTest::newRow("a year alone") << "1990" << dmy << QDate() << "no es una fecha";
}

void TestRosterSheet::dates()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QDate, date);
    QFETCH(QString, error);
    const Result<QDate> read = ReadRosterDate(text, pattern, FixedToday);
    QCOMPARE(read ? *read : QDate(), date);
    QVERIFY2(error.isEmpty() ? bool(read) : FailureText(read).contains(error), qPrintable(FailureText(read)));
}

void TestRosterSheet::addsIntoFreeSlotsThenAtTheEnd()
{
    const QString path = dir_.filePath(MembersFileName);
    const QList<MemberRecord> before{{Day(1980, 1, 1), u"ANA"_qs, {}}, FreeSlotRecord(),
                                     {Day(1981, 2, 2), u"LUIS  "_qs, u"obs"_qs}};
    const QByteArray oldBytes = Records(before);
    QVERIFY(WriteBytes(path, oldBytes));
    // One already a member (the name as stored differs only in its blanks), one twice.
    const QList<MemberRecord> adding{{Day(1981, 2, 2), u"LUIS"_qs, {}}, {Day(1990, 3, 3), u"EVA"_qs, u"x"_qs},
                                     {Day(1991, 4, 4), u"JUAN"_qs, {}}, {Day(1990, 3, 3), u"EVA"_qs, {}}};
    // Another copy of the program holding the file open sees the new members: the file is not replaced.
    QFile held(path);
    QVERIFY(held.open(QIODevice::ReadOnly));
    const Result<AddedMembers> outcome = AddMembersToFile(path, adding);
    QVERIFY2(outcome, qPrintable(FailureText(outcome)));
    QCOMPARE(outcome->added, 2);
    QCOMPARE(held.readAll(), ReadBytes(path));
    QCOMPARE(outcome->alreadyMembers, 2);
    QCOMPARE(ReadBytes(path), Records({before[0], adding[1], before[2], adding[2]})); // EVA in the free slot
    QCOMPARE(ReadBytes(path + MembersBackupSuffix), oldBytes);
}

// The disk takes `room` bytes of the growth (the seam around the writes; a
// real full disk with RealDisk); with `backupFails` the backup finds no room.
void TestRosterSheet::failedWriteLeavesOldMembers_data()
{
    QTest::addColumn<int>("room");
    QTest::addColumn<bool>("backupFails");
    QTest::addColumn<QString>("told");
    QTest::newRow("no room") << 0 << false << "quedó como estaba, con sus 2 integrantes";
    QTest::newRow("room for one record and a half") << 228 << false << "quedó como estaba, con sus 2 integrantes";
    QTest::newRow("all but one byte") << -1 << false << "quedó como estaba, con sus 2 integrantes";
    QTest::newRow("no room for the backup") << 0 << true << "copia de seguridad";
    QTest::newRow("a real full disk") << RealDisk << false << "quedó como estaba, con sus 2 integrantes";
}

void TestRosterSheet::failedWriteLeavesOldMembers()
{
    QFETCH(int, room);
    QFETCH(bool, backupFails);
    QFETCH(QString, told);
    std::unique_ptr<SmallDisk> disk;
    if (room == RealDisk && !(disk = std::make_unique<SmallDisk>())->mounted())
        QSKIP(qPrintable(disk->whyNot()));
    const QString path = (disk ? disk->folder() : dir_.path() + u'/') + MembersFileName;
    // Two members, a free slot, and a partial record left by something else.
    const QByteArray oldBytes = Records({{Day(1980, 1, 1), u"ANA"_qs, {}}, FreeSlotRecord(),
                                         {Day(1981, 2, 2), u"LUIS"_qs, {}}})
        + QByteArray(40, 'p');
    QVERIFY(WriteBytes(path, oldBytes));
    QList<MemberRecord> adding;
    for (int i = 0; i < 60; ++i)
        adding.append({Day(1990, 1, 1) + i, u"NUEVO %1"_qs.arg(i), {}});
    if (disk) { // room for the backup only
        QVERIFY(WriteBytes(path + MembersBackupSuffix, oldBytes) && disk->fill());
        QVERIFY(QFile::remove(path + MembersBackupSuffix));
    }
    SetFileSpaceLimit([&](const QString& file, qint64 length) {
        if (disk || file.contains(u".bak"))
            return backupFails ? qint64(0) : length;
        return room < 0 ? length - 1 : qint64(room);
    });
    const Result<AddedMembers> outcome = AddMembersToFile(path, adding);
    QVERIFY(!outcome);
    QCOMPARE(outcome.failure().style, StyleError);
    QVERIFY2(outcome.failure().text.contains(told), qPrintable(outcome.failure().text));
    QVERIFY2(outcome.failure().text.contains(u"No queda espacio libre en el disco."), qPrintable(outcome.failure().text));
    QCOMPARE(ReadBytes(path), oldBytes);
}

void TestRosterSheet::exportThenImportGivesSameMembers()
{
    const QString members = dir_.filePath(MembersFileName);
    const QList<MemberRecord> team{
        {Day(1990, 3, 5), u"NÚÑEZ, JOSÉ"_qs, u"Arquero; capitán"_qs},
        {Day(1988, 11, 30), u"O'NEILL \"EL MAGO\""_qs, u"=SUMA(A1:A9)"_qs},
        {Day(1801, 1, 1), u"-GUION"_qs, u"@mención +5"_qs},
        {Day(2001, 12, 31), u"ŒUVRE € Ÿ"_qs, {}},
    };
    QVERIFY(WriteBytes(members, Records({team[0], FreeSlotRecord(), team[1], team[2], team[3]})));
    const QString sheet = dir_.filePath(u"equipo.csv"_qs);
    const Result<int> exported = ExportRoster(members, sheet);
    QVERIFY2(exported, qPrintable(FailureText(exported)));
    QCOMPARE(*exported, 4);
    const QByteArray bytes = ReadBytes(sheet);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF" "Apellidos y Nombres;Fecha de nacimiento;Observaciones\r\n"));
    QVERIFY(bytes.contains("05/03/1990"));
    // No field starts as a formula: = + - @ get an apostrophe before them.
    QVERIFY(bytes.contains(";'=SUMA(A1:A9)\r\n"));
    QVERIFY(bytes.contains("\r\n'-GUION;01/01/1801;'@menci"));

    const QString again = dir_.filePath(u"otro.dat"_qs);
    const Result<CsvTable> table = ReadCsvFile(sheet);
    QVERIFY2(table, qPrintable(FailureText(table)));
    QCOMPARE(table->encoding, CsvEncoding::Utf8WithBom);
    const RosterPreview preview =
        PreviewRoster(table->records, RecogniseRosterColumns(table->records.first(), 3), {}, u"dd/MM/yyyy"_qs, FixedToday);
    QCOMPARE(preview.count(RowOutcome::Add), 4);
    QVERIFY(AddMembersToFile(again, preview.membersToAdd()));
    QCOMPARE(ReadBytes(again), Records(team)); // the same members, in the same order
    QVERIFY(!QFileInfo::exists(again + MembersBackupSuffix)); // nothing to keep from a new file
}

QTEST_GUILESS_MAIN(TestRosterSheet)
#include "tst_rostersheet.moc"
