// Birth dates typed whole on a "today" early in the month (03/12/2026), after
// "Nuevo Integrante" or over a stored member: saved as typed, or refused with a
// message, nothing written and the typed text left to be corrected.
#include "DayNumber.h"
#include "MemberListView.h"
#include "MemberRecord.h"
#include "MembersFile.h"
#include "UsabilityFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

class TestWholeDates : public QObject, private UsabilityFixture {
    Q_OBJECT
private slots:
    void init() { ResetFixture(), gral_->platform.today = [] { return QDate(2026, 12, 3); }; }
    void cleanup() { ReleaseFixture(); }
    void birthDate_data();
    void birthDate();
};

void TestWholeDates::birthDate_data()
{
    QTest::addColumn<bool>("editing"); // over a stored member born 12/11/1975, else "Nuevo Integrante"
    QTest::addColumn<QString>("typed"); // a leading '^' pastes the rest
    QTest::addColumn<QDate>("saved");   // invalid: refused
    QTest::addColumn<QString>("message");
    for (int day = 10; day <= 31; ++day) // every day past today's day of the month
        QTest::addRow("%d/12/1985", day) << false << QString::number(day) + (day % 2 ? "12" : "/12/") + "1985"
                                         << QDate(1985, 12, day) << "";
    QTest::newRow("29/02/2000") << false << "29/02/2000" << QDate(2000, 2, 29) << "";
    QTest::newRow("one-digit parts") << false << "5/7/1995" << QDate(1995, 7, 5) << "";
    QTest::newRow("pasted") << false << "^25/07/1995" << QDate(1995, 7, 25) << "";
    QTest::newRow("short year") << false << "12/03/19" << QDate() << "La fecha \"12/03/19\" está incompleta.";
    for (const bool editing : {false, true}) {
        QTest::addRow("%d: before 1800", editing) << editing << "31/12/1799" << QDate()
                                                  << "La fecha de nacimiento 31/12/1799 es anterior al 01/01/1800.";
        QTest::addRow("%d: 31 April", editing) << editing << "31/04/1990" << QDate() << "La fecha \"31/04/1990\" no existe.";
        QTest::addRow("%d: 29/02/1990", editing) << editing << "29/02/1990" << QDate() << "La fecha \"29/02/1990\" no existe.";
        QTest::addRow("%d: tomorrow", editing) << editing << "04/12/2026" << QDate()
                                               << "La fecha de nacimiento 04/12/2026 es posterior a hoy (03/12/2026).";
    }
}

void TestWholeDates::birthDate()
{
    QFETCH(bool, editing);
    QFETCH(QString, typed);
    QFETCH(QDate, saved);
    QFETCH(QString, message);
    QFile file(MembersFilePath(gral_->environment));
    if (editing && file.open(QIODevice::WriteOnly))
        file.write(RawMemberRecord(DayNumberFromDate(QDate(1975, 11, 12)), "SOSA, EVA")), file.close();
    const QByteArray before = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    TForm2 form(*gral_);
    QVERIFY(ShowActive(form));
    if (!editing) {
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        QTest::keyClicks(form.Edit1, "ruiz, ana");
        QTest::keyClick(form.Edit1, Qt::Key_Tab);
    }
    QVERIFY(editing ? (form.DateTime1->setFocus(), true) : form.DateTime1->hasFocus());
    if (typed.startsWith('^'))
        QApplication::clipboard()->setText(typed.mid(1)), QTest::keyClick(form.DateTime1, Qt::Key_V, Qt::ControlModifier);
    else
        QTest::keyClicks(form.DateTime1, typed);
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    QCOMPARE(messages_->texts().size(), message.isEmpty() ? 0 : 1);
    QCOMPARE(messages_->texts().value(0).left(message.size()), message);
    if (!saved.isValid()) { // nothing written, the typed text still there
        QCOMPARE(after, before);
        QCOMPARE(form.DateTime1->typingField()->displayText(), (typed + "__________").left(10));
        return;
    }
    QCOMPARE(after.size(), MemberRecordSize);
    QCOMPARE(DateFromDayNumber(DecodeMemberRecord(after.constData()).birthDate), saved);
}

QTEST_MAIN(TestWholeDates)
#include "tst_wholedates.moc"
