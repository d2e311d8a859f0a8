#include "members/MemberList.h"
#include "members/MembersFile.h"
#include "members/MembersStartup.h"
#include "members/MembersTestFiles.h"
#include "members/MembersTestFixture.h"
#include "members/TForm2.h"
#include "support/TestSupport.h"

#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <limits>

// OpenMembersFile: the start-up step that insists on one member.
class TestMembersStartup : public QObject, MembersTestFixture {
    Q_OBJECT
private slots:
    void init();
    void existingMembers();
    void firstRunSavesOneMember_data();
    void firstRunSavesOneMember();
    void firstRunWithoutSaving_data();
    void firstRunWithoutSaving();
    void noMemberInFileKeepsBytes_data();
    void noMemberInFileKeepsBytes();
    void damagedFileIsPurged();
    void unopenableFileIsNotReplaced();

private:
    QString path() const { return folder_ + MembersFileName; }
    void expectFirstRunMessage() const;
};

// The window's script: a new member typed and saved.
int SaveOneMember(QDialog& dialog)
{
    auto& w = static_cast<TForm2&>(dialog);
    w.Button1->click();
    w.Edit1->setText(u"PRIMERO"_qs);
    w.DateTime1->setDate(QDate(1990, 3, 4));
    w.Button2->click();
    w.Button5->click();
    return 0;
}

void TestMembersStartup::init()
{
    ResetFixture();
    gral_.environment.helpFile = folder_ + u"Pronos.hlp"_qs;
}

void TestMembersStartup::expectFirstRunMessage() const
{
    QCOMPARE(messages_->messages().size(), 1);
    QCOMPARE(messages_->messages()[0].text,
             u"A continuación se abrirá la \"Gestión de Integrantes\".\r\rIngrese al menos un integrante para el "
             "funcionamiento normal de \"Zeltmark - Pronos\""_qs);
    QCOMPARE(messages_->messages()[0].style, 64);
    QCOMPARE(modal_->opened(), 1);
}

void TestMembersStartup::existingMembers()
{
    const QByteArray bytes = Records({{Day(1980, 1, 1), u"UNO"_qs, {}}, FreeSlotRecord()});
    QVERIFY(WriteBytes(path(), bytes));
    QVERIFY(OpenMembersFile(gral_));
    QCOMPARE(gral_.members.memberList, QStringList{MemberListLine(u"01/01/1980"_qs, u"UNO"_qs)});
    QVERIFY(messages_->messages().isEmpty());
    QCOMPARE(modal_->opened(), 0);
    QCOMPARE(ReadBytes(path()), bytes);
}

void TestMembersStartup::firstRunSavesOneMember_data()
{
    QTest::addColumn<bool>("emptyFile");
    QTest::newRow("no file") << false;
    QTest::newRow("0 bytes") << true;
}

void TestMembersStartup::firstRunSavesOneMember()
{
    QFETCH(bool, emptyFile);
    if (emptyFile)
        QVERIFY(WriteBytes(path(), {}));
    modal_->push(SaveOneMember);
    QVERIFY(OpenMembersFile(gral_));
    expectFirstRunMessage();
    QCOMPARE(gral_.members.memberList, QStringList{MemberListLine(u"04/03/1990"_qs, u"PRIMERO"_qs)});
    QCOMPARE(QFileInfo(path()).size(), qint64(152));
}

void TestMembersStartup::firstRunWithoutSaving_data() { firstRunSavesOneMember_data(); }

void TestMembersStartup::firstRunWithoutSaving()
{
    QFETCH(bool, emptyFile);
    if (emptyFile)
        QVERIFY(WriteBytes(path(), {}));
    QVERIFY(!OpenMembersFile(gral_));
    expectFirstRunMessage();
    QVERIFY(QFile::exists(path()));
    QCOMPARE(QFileInfo(path()).size(), qint64(0));
    QVERIFY(gral_.members.memberList.isEmpty());
}

void TestMembersStartup::noMemberInFileKeepsBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("free slots only") << Records({FreeSlotRecord(), FreeSlotRecord(), FreeSlotRecord()});
    QTest::newRow("1 byte") << QByteArray(1, 'x');
    QTest::newRow("151 bytes") << EncodeMemberRecord({Day(1970, 1, 1), u"PARCIAL"_qs, {}}).left(151);
}

void TestMembersStartup::noMemberInFileKeepsBytes()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(WriteBytes(path(), bytes));
    QVERIFY(!OpenMembersFile(gral_));
    expectFirstRunMessage();
    QCOMPARE(ReadBytes(path()), bytes);

    // Saving a member in that window is enough; it lands on a record boundary.
    messages_->clear();
    modal_->push(SaveOneMember);
    QVERIFY(OpenMembersFile(gral_));
    QCOMPARE(gral_.members.memberList, QStringList{MemberListLine(u"04/03/1990"_qs, u"PRIMERO"_qs)});
    QCOMPARE(QFileInfo(path()).size(), qMax(qint64(152), qint64(bytes.size())));
}

void TestMembersStartup::damagedFileIsPurged()
{
    const QByteArray bytes = Records({{std::numeric_limits<double>::quiet_NaN(), u"MAL"_qs, {}}});
    QVERIFY(WriteBytes(path(), bytes));
    QVERIFY(!OpenMembersFile(gral_));
    QCOMPARE(messages_->texts(), QStringList({DamagedMembersFileMessage, PurgeBackupMessage(path() + u".bak"_qs)}));
    QCOMPARE(messages_->messages()[0].style, 16);
    QCOMPARE(modal_->opened(), 0);
    QCOMPARE(QFileInfo(path()).size(), qint64(0));
    QCOMPARE(ReadBytes(path() + u".bak"_qs), bytes);
}

void TestMembersStartup::unopenableFileIsNotReplaced()
{
    // A folder in the file's place can't be opened as a file nor emptied.
    QVERIFY(QDir().mkpath(path()));
    QVERIFY(WriteBytes(path() + u"/keep"_qs, "x"));
    QVERIFY(!OpenMembersFile(gral_));
    QCOMPARE(messages_->messages().size(), 1);
    QCOMPARE(messages_->messages()[0].style, 16);
    QCOMPARE(modal_->opened(), 0);
    QVERIFY(QFile::exists(path() + u"/keep"_qs));
}

QTEST_MAIN(TestMembersStartup)
#include "tst_membersstartup.moc"
