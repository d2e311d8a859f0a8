#include "platform/FileAccess.h"
#include "members/MemberList.h"
#include "members/MemberListView.h"
#include "members/MembersFile.h"
#include "members/MembersTestFiles.h"
#include "members/MembersTestFixture.h"
#include "support/SmallDisk.h"
#include "members/TForm2.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The members window when its file is changed by someone else, or the disk
// is full: nothing is reported as done that was not written.
class TestTForm2Faults : public QObject, private MembersTestFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void changedOutsideProgram_data();
    void changedOutsideProgram();
    void saveOnFullDisk_data();
    void saveOnFullDisk();
    void pickerLimitsAreTheShowableDates();

private:
    QStringList captions(const TForm2& w) const;
};

namespace {
const QString ChangedOutside = u"fue modificado o eliminado fuera del programa"_qs;
}

void TestTForm2Faults::init()
{
    ResetFixture();
    gral_.environment.helpFile = folder_ + u"Pronos.hlp"_qs;
}

void TestTForm2Faults::cleanup()
{
    SetFileSpaceLimit({});
}

QStringList TestTForm2Faults::captions(const TForm2& w) const
{
    QStringList out;
    for (int i = 0; i < w.List1->topLevelItemCount(); ++i)
        out << w.List1->topLevelItem(i)->text(0);
    return out;
}

// Another copy of the program changed or removed the shown member's record
// while this window was open: neither Save nor Delete may pretend to succeed.
void TestTForm2Faults::changedOutsideProgram_data()
{
    QTest::addColumn<bool>("deleting");
    QTest::addColumn<QString>("otherName");
    QTest::addColumn<double>("otherDate");
    QTest::newRow("save, other date") << false << u"AAA"_qs << Day(1970, 1, 2);
    QTest::newRow("save, other name") << false << u"ZZZ"_qs << Day(1970, 1, 1);
    QTest::newRow("save, freed") << false << QString() << 0.0;
    QTest::newRow("save, other remarks") << false << u"AAA"_qs << Day(1970, 1, 1);
    QTest::newRow("delete, other date") << true << u"AAA"_qs << Day(1970, 1, 2);
    QTest::newRow("delete, freed") << true << QString() << 0.0;
    QTest::newRow("delete, other remarks") << true << u"AAA"_qs << Day(1970, 1, 1);
}

void TestTForm2Faults::changedOutsideProgram()
{
    QFETCH(bool, deleting);
    QFETCH(QString, otherName);
    QFETCH(double, otherDate);
    const QString path = folder_ + MembersFileName;
    QVERIFY(WriteBytes(path, Records({{Day(1970, 1, 1), u"AAA"_qs, u"uno"_qs}, {Day(1980, 2, 2), u"BBB"_qs, {}}})));
    TForm2 w(gral_);
    w.show();
    QCOMPARE(w.Edit1->text(), u"AAA"_qs);

    // The other copy writes record 1 in place.
    const MemberRecord other = otherName.isEmpty() ? FreeSlotRecord() : MemberRecord{otherDate, otherName, u"otro"_qs};
    MembersFile otherCopy(path);
    QVERIFY(otherCopy.openExisting() && otherCopy.write(1, other));
    const QByteArray bytes = ReadBytes(path);

    if (deleting) {
        w.Button3->click(); // confirmed by the recorder's OK
    } else {
        w.Edit2->setText(u"cambiado"_qs);
        w.Button2->click();
    }
    QCOMPARE(ReadBytes(path), bytes); // nothing written over the other copy's record
    QCOMPARE(messages_->messages().size(), deleting ? 2 : 1); // after the confirmation, when deleting
    const RecordedMessage& told = messages_->messages().last();
    QVERIFY2(told.text.contains(ChangedOutside), qPrintable(told.text));
    QVERIFY(told.text.contains(u"\"AAA\""_qs));
    QCOMPARE(told.style, 48);
    QVERIFY(!gral_.members.memberSaved);
    // The list shows the file as it now is.
    QStringList expected{u"BBB"_qs};
    if (!otherName.isEmpty())
        expected.prepend(otherName);
    expected.sort();
    QCOMPARE(captions(w), expected);
}

// A Save that can't be written on a full disk says so, in Spanish, and the
// list gains nothing.
void TestTForm2Faults::saveOnFullDisk_data()
{
    QTest::addColumn<bool>("realDisk");
    QTest::newRow("tmpfs") << true;
    QTest::newRow("seam") << false;
}

void TestTForm2Faults::saveOnFullDisk()
{
    QFETCH(bool, realDisk);
    std::unique_ptr<SmallDisk> disk;
    if (realDisk) {
        disk = std::make_unique<SmallDisk>();
        if (!disk->mounted())
            QSKIP(qPrintable(disk->whyNot()));
        gral_.environment.programFolder = disk->folder();
        gral_.environment.dataFolder = disk->folder();
    }
    const QString path = MembersFilePath(gral_.environment);
    // 26 records end 144 bytes short of a page: a 27th needs a new one.
    QList<MemberRecord> records;
    for (int i = 0; i < 26; ++i)
        records.append({Day(1970 + i, 1, 1), u"MIEMBRO %1"_qs.arg(i, 2, 10, QLatin1Char('0')), {}});
    QVERIFY(WriteBytes(path, Records(records)));
    if (realDisk)
        QVERIFY(disk->fill());
    else
        SetFileSpaceLimit([](const QString&, qint64 length) { return length / 2; });

    TForm2 w(gral_);
    w.show();
    w.Button1->click();
    w.Edit1->setText(u"NUEVO"_qs);
    w.DateTime1->setDate(QDate(1999, 9, 9));
    w.Button2->click();
    QCOMPARE(messages_->messages().size(), 1);
    const RecordedMessage& told = messages_->messages()[0];
    QVERIFY2(told.text.contains(u"No queda espacio libre en el disco."_qs), qPrintable(told.text));
    QVERIFY2(!told.text.contains(u"desconocido"_qs) && !told.text.contains(u"Unknown"_qs), qPrintable(told.text));
    QCOMPARE(told.style, 16);
    QVERIFY(!gral_.members.memberSaved);
    QCOMPARE(w.List1->topLevelItemCount(), 26);
    w.close();
    QCOMPARE(gral_.members.memberList.size(), 26); // a partial record at the end is never read
}

// The dates a stored member may have are those the picker can be set to show.
void TestTForm2Faults::pickerLimitsAreTheShowableDates()
{
    QDateEdit picker;
    picker.setMinimumDate(FirstShowableBirthDate);
    picker.setMinimumDate(FirstShowableBirthDate.addDays(-1)); // beyond the toolkit's limit: no effect
    QCOMPARE(picker.minimumDate(), FirstShowableBirthDate);
    picker.setMaximumDate(LastShowableBirthDate);
    picker.setMaximumDate(LastShowableBirthDate.addDays(1));
    QCOMPARE(picker.maximumDate(), LastShowableBirthDate);
}

QTEST_MAIN(TestTForm2Faults)
#include "tst_tform2faults.moc"
