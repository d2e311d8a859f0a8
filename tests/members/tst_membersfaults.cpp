#include "core/DatePattern.h"
#include "platform/FileAccess.h"
#include "members/MemberList.h"
#include "members/MembersStartup.h"
#include "members/MembersBackup.h"
#include "members/MembersFile.h"
#include "members/MembersTestFiles.h"
#include "members/MembersTestFixture.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <limits>
#include <sys/stat.h>

// The members file when things go wrong: a purge on a full disk, dates the
// program can't show, file errors told in Spanish.
class TestMembersFaults : public QObject, private MembersTestFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void purgeOnFullDiskKeepsFile_data();
    void purgeOnFullDiskKeepsFile();
    void purgeWithoutRoomForBackup_data();
    void purgeWithoutRoomForBackup();
    void purgeWritesNewBackup_data();
    void purgeWritesNewBackup();
    void unshowableDateIsDamaged_data();
    void unshowableDateIsDamaged();
    void fileErrorsInSpanish_data();
    void fileErrorsInSpanish();

private:
    void expectUnchanged(const QString& path, const QByteArray& bytes);
};

namespace {

const QString BackupFailedStart = u"No se pudo escribir la copia de seguridad "_qs;

// A members file whose last record holds a date that can't be written.
QByteArray DamagedFile(int goodRecords)
{
    QList<MemberRecord> records;
    for (int i = 0; i < goodRecords; ++i)
        records.append({Day(1960 + i % 40, 1 + i % 12, 1 + i % 28), u"MIEMBRO %1"_qs.arg(i), u"observación"_qs});
    records.append({std::numeric_limits<double>::quiet_NaN(), u"DAÑADO"_qs, {}});
    return Records(records);
}

} // namespace

void TestMembersFaults::init()
{
    ResetFixture();
}

void TestMembersFaults::cleanup()
{
    SetFileSpaceLimit({});
}

void TestMembersFaults::expectUnchanged(const QString& path, const QByteArray& bytes)
{
    QCOMPARE(ReadBytes(path), bytes);
    QCOMPARE(messages_->messages().size(), 2);
    QCOMPARE(messages_->messages()[0].text, DamagedMembersFileMessage);
    const RecordedMessage& told = messages_->messages()[1];
    QVERIFY2(told.text.startsWith(BackupFailedStart), qPrintable(told.text));
    QVERIFY2(told.text.contains(u"No queda espacio libre en el disco."_qs), qPrintable(told.text));
    QVERIFY2(told.text.contains(u"no se modificó"_qs), qPrintable(told.text));
    QCOMPARE(told.style, 16);
}

// Sizes below and above the 16 KiB that a buffered write keeps in memory.
void TestMembersFaults::purgeOnFullDiskKeepsFile_data()
{
    QTest::addColumn<int>("goodRecords");
    QTest::newRow("one record") << 0;
    QTest::newRow("under 16 KiB") << 100;
    QTest::newRow("over 16 KiB") << 140;
}

void TestMembersFaults::purgeOnFullDiskKeepsFile()
{
    QFETCH(int, goodRecords);
    SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.whyNot()));
    const QString path = disk.folder() + MembersFileName;
    const QByteArray bytes = DamagedFile(goodRecords);
    QVERIFY(WriteBytes(path, bytes));
    QVERIFY(disk.fill());

    MembersFile file(path);
    QVERIFY(file.openExisting());
    QVERIFY(!LoadMembersOrPurge(gral_, file));
    QVERIFY(!file.isOpen());
    expectUnchanged(path, bytes);
    // An empty or partial copy is never left behind as if it were one.
    QVERIFY(!QFileInfo::exists(path + MembersBackupSuffix) || ReadBytes(path + MembersBackupSuffix) == bytes);

    // Once there is room again, the purge goes through with a whole copy.
    QVERIFY(QFile::remove(disk.folder() + u"filler"_qs));
    messages_->clear();
    QVERIFY(file.openExisting());
    QVERIFY(!LoadMembersOrPurge(gral_, file));
    QCOMPARE(ReadBytes(path + MembersBackupSuffix), bytes);
    QCOMPARE(QFileInfo(path).size(), qint64(0));
    QCOMPARE(messages_->texts(),
             QStringList({DamagedMembersFileMessage, PurgeBackupMessage(path + MembersBackupSuffix)}));
}

// The same through the seam around the writes: the disk takes `room` bytes.
void TestMembersFaults::purgeWithoutRoomForBackup_data()
{
    QTest::addColumn<int>("goodRecords");
    QTest::addColumn<int>("room"); // -1: all but the last byte
    QTest::newRow("no room, small file") << 2 << 0;
    QTest::newRow("half, small file") << 2 << 228;
    QTest::newRow("all but one byte, small file") << 2 << -1;
    QTest::newRow("no room, 20 KiB") << 140 << 0;
    QTest::newRow("16 KiB of 20 KiB") << 140 << 16384;
    QTest::newRow("all but one byte, 20 KiB") << 140 << -1;
}

void TestMembersFaults::purgeWithoutRoomForBackup()
{
    QFETCH(int, goodRecords);
    QFETCH(int, room);
    const QString path = folder_ + MembersFileName;
    const QByteArray bytes = DamagedFile(goodRecords);
    const QByteArray olderBackup(500, 'o');
    QVERIFY(WriteBytes(path, bytes));
    QVERIFY(WriteBytes(path + MembersBackupSuffix, olderBackup));
    QStringList asked;
    SetFileSpaceLimit([&](const QString& file, qint64 length) {
        asked << QFileInfo(file).fileName();
        return room < 0 ? length - 1 : qint64(room);
    });

    MembersFile file(path);
    QVERIFY(file.openExisting());
    QVERIFY(!LoadMembersOrPurge(gral_, file));
    QVERIFY(!file.isOpen());
    QVERIFY(asked.contains(QFileInfo(MembersBackupPath(path, 1)).fileName()));
    expectUnchanged(path, bytes);
    QCOMPARE(ReadBytes(path + MembersBackupSuffix), olderBackup); // the older copy stays whole
    QVERIFY(!QFileInfo::exists(MembersBackupPath(path, 1)));     // and no partial new one is left
}

// Backups beside the file by number (0 is "Fechas.dat.bak"; "->" makes a link): the purge writes
// a private copy under the next number, never through a link, keeps the five newest and names it.
void TestMembersFaults::purgeWritesNewBackup_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<int>("written");
    QTest::addColumn<QStringList>("removed");
    QTest::newRow("five") << QStringList{"0", "1", "2", "3", "4"} << 5 << QStringList{"0"};
    QTest::newRow("seven, one gap") << QStringList{"0", "1", "2", "3", "4", "6"} << 7 << QStringList{"0", "1"};
    QTest::newRow("link to the members file") << QStringList{"0->Fechas.dat"} << 1 << QStringList{};
}

void TestMembersFaults::purgeWritesNewBackup()
{
    QFETCH(QStringList, existing);
    QFETCH(int, written);
    QFETCH(QStringList, removed);
    const QString path = folder_ + MembersFileName, copy = MembersBackupPath(path, written);
    const QByteArray bytes = DamagedFile(2);
    QVERIFY(WriteBytes(path, bytes));
    for (const QString& n : existing)
        QVERIFY(n.contains(u"->"_qs) ? QFile::link(n.section(u"->"_qs, 1), MembersBackupPath(path, 0))
                                    : WriteBytes(MembersBackupPath(path, n.toInt()), n.toUtf8()));
    const mode_t savedMask = ::umask(022);
    MembersFile file(path);
    QVERIFY(file.openExisting() && !LoadMembersOrPurge(gral_, file));
    ::umask(savedMask);
    QCOMPARE(ReadBytes(copy), bytes);
    QCOMPARE(FileModes(copy), QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(QFileInfo(path).size(), qint64(0));
    QCOMPARE(messages_->texts(), QStringList({DamagedMembersFileMessage, PurgeBackupMessage(copy)}));
    for (const QString& n : existing)
        if (!n.contains(u"->"_qs))
            QCOMPARE(ReadBytes(MembersBackupPath(path, n.toInt())), removed.contains(n) ? "" : n.toUtf8());
}

// Dates the members window can't show or write back: the record counts as damaged.
void TestMembersFaults::unshowableDateIsDamaged_data()
{
    QTest::addColumn<double>("birthDate");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("-700000 (year -17)") << -700000.0 << true;
    QTest::newRow("31/12/0099") << Day(99, 12, 31) << true;
    QTest::newRow("01/01/10000") << Day(10000, 1, 1) << true;
    QTest::newRow("2999999") << 2999999.0 << true;
    QTest::newRow("1e9") << 1e9 << true;
    QTest::newRow("01/01/0100") << Day(100, 1, 1) << false;
    QTest::newRow("01/01/1800") << Day(1800, 1, 1) << false;
    QTest::newRow("31/12/9999") << Day(9999, 12, 31) << false;
    QTest::newRow("+700000 (year 3816)") << 700000.0 << false;
}

void TestMembersFaults::unshowableDateIsDamaged()
{
    QFETCH(double, birthDate);
    QFETCH(bool, damaged);
    const QString path = folder_ + MembersFileName;
    const QByteArray bytes = Records({{Day(1980, 1, 1), u"BIEN"_qs, {}}, {birthDate, u"LEJOS"_qs, {}}});
    QVERIFY(WriteBytes(path, bytes));
    MembersFile file(path);
    QVERIFY(file.openExisting());
    QCOMPARE(LoadMembersOrPurge(gral_, file), !damaged);
    if (damaged) {
        QCOMPARE(messages_->texts(),
             QStringList({DamagedMembersFileMessage, PurgeBackupMessage(path + MembersBackupSuffix)}));
        QCOMPARE(ReadBytes(path + MembersBackupSuffix), bytes);
        QCOMPARE(QFileInfo(path).size(), qint64(0));
    } else {
        QVERIFY(messages_->messages().isEmpty());
        QCOMPARE(gral_.members.memberList.size(), 2);
        QCOMPARE(gral_.members.memberList[1].left(10), gral_.environment.systemDateFormat.format(birthDate));
    }
}

// What the system says, in Spanish, never in the system's own words.
void TestMembersFaults::fileErrorsInSpanish_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a folder") << u"folder"_qs << u"Es una carpeta, no un archivo."_qs;
    QTest::newRow("missing folder") << u"missing"_qs << u"El archivo o su carpeta no existe."_qs;
    QTest::newRow("path through a file") << u"through file"_qs << u"Una parte de la ruta no es una carpeta."_qs;
}

void TestMembersFaults::fileErrorsInSpanish()
{
    QFETCH(QString, situation);
    QFETCH(QString, expected);
    QString path = folder_ + MembersFileName;
    if (situation == u"folder")
        QVERIFY(QDir().mkpath(path));
    else if (situation == u"missing")
        path = folder_ + u"no/hay/"_qs + MembersFileName;
    else {
        QVERIFY(WriteBytes(folder_ + u"archivo"_qs, "x"));
        path = folder_ + u"archivo/"_qs + MembersFileName;
    }
    MembersFile file(path);
    QVERIFY(!file.openExisting());
    QVERIFY(!file.createEmpty());
    QCOMPARE(file.errorString(), expected);
}

QTEST_GUILESS_MAIN(TestMembersFaults)
#include "tst_membersfaults.moc"
