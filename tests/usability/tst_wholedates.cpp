// Birth dates typed whole in the members window, on a "today" early in the
// month: every day of a month is saved as typed, pasting works like typing,
// and a date that doesn't exist or lies outside 01/01/1800-today is refused
// with a message, nothing written and the typed text left to be corrected.
#include "DayNumber.h"
#include "MemberListView.h"
#include "MemberRecord.h"
#include "MembersFile.h"
#include "TForm2.h"
#include "UsabilityFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QDate EarlyToday(2026, 12, 3);
} // namespace

class TestWholeDates : public QObject, private UsabilityFixture {
    Q_OBJECT
private slots:
    void init()
    {
        ResetFixture();
        gral_->platform.today = [] { return EarlyToday; };
    }
    void cleanup() { ReleaseFixture(); }

    void newMemberSavedAsTyped_data();
    void newMemberSavedAsTyped();
    void refusedAndKept_data();
    void refusedAndKept();

private:
    QByteArray fileBytes() const;
    // "Nuevo Integrante", a name, Tab, `date` typed (or pasted), "Guardar".
    void addByKeyboard(TForm2& form, const QString& name, const QString& date, bool paste);
};

QByteArray TestWholeDates::fileBytes() const
{
    QFile file(MembersFilePath(gral_->environment));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestWholeDates::addByKeyboard(TForm2& form, const QString& name, const QString& date, bool paste)
{
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QVERIFY(form.Edit1->hasFocus());
    QTest::keyClicks(form.Edit1, name);
    QTest::keyClick(form.Edit1, Qt::Key_Tab);
    QVERIFY(form.DateTime1->hasFocus());
    if (paste) {
        QGuiApplication::clipboard()->setText(date);
        QTest::keyClick(form.DateTime1, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(form.DateTime1, date);
    }
    QTest::mouseClick(form.Button2, Qt::LeftButton);
}

void TestWholeDates::newMemberSavedAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QDate>("expected");
    // Every day past today's day of the month (the 3rd), with and without separators.
    for (int day = 10; day <= 31; ++day) {
        const QDate date(1985, 12, day);
        QTest::addRow("%d/12/1985", day) << date.toString("dd/MM/yyyy") << false << date;
        QTest::addRow("%d071995", day) << QDate(1995, 7, day).toString("ddMMyyyy") << false << QDate(1995, 7, day);
    }
    QTest::newRow("29/02/2000") << "29/02/2000" << false << QDate(2000, 2, 29);
    QTest::newRow("today") << "03/12/2026" << false << EarlyToday;
    QTest::newRow("01/01/1800") << "01/01/1800" << false << QDate(1800, 1, 1);
    QTest::newRow("one-digit parts") << "5/7/1995" << false << QDate(1995, 7, 5);
    QTest::newRow("pasted") << "25/07/1995" << true << QDate(1995, 7, 25);
}

void TestWholeDates::newMemberSavedAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(bool, paste);
    QFETCH(QDate, expected);
    TForm2 form(*gral_);
    QVERIFY(ShowActive(form));
    addByKeyboard(form, "ruiz, ana", typed, paste);
    QCOMPARE(messages_->texts(), QStringList());
    QCOMPARE(form.List1->topLevelItemCount(), 1);
    const QByteArray bytes = fileBytes();
    QCOMPARE(bytes.size(), MemberRecordSize);
    const MemberRecord saved = DecodeMemberRecord(bytes.constData());
    QCOMPARE(DateFromDayNumber(saved.birthDate), expected);
    QCOMPARE(saved.fullName.trimmed(), QStringLiteral("RUIZ, ANA"));
    QCOMPARE(form.DateTime1->date(), expected);
}

void TestWholeDates::refusedAndKept_data()
{
    QTest::addColumn<bool>("editing"); // a stored member born 12/11/1975, else "Nuevo Integrante"
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    for (const bool editing : {false, true}) {
        const char* how = editing ? "editing" : "new";
        QTest::addRow("%s: before 1800", how) << editing << "31/12/1799"
                                             << "La fecha de nacimiento 31/12/1799 es anterior al 01/01/1800.";
        QTest::addRow("%s: 31 April", how) << editing << "31/04/1990" << "La fecha \"31/04/1990\" no existe.";
        QTest::addRow("%s: 29 February 1990", how) << editing << "29/02/1990" << "La fecha \"29/02/1990\" no existe.";
        QTest::addRow("%s: month 13", how) << editing << "10/13/1990" << "La fecha \"10/13/1990\" no existe.";
        QTest::addRow("%s: tomorrow", how) << editing << "04/12/2026"
                                          << "La fecha de nacimiento 04/12/2026 es posterior a hoy (03/12/2026).";
        if (!editing) // typed over a shown date, "19" would keep the shown year's last digits
            QTest::addRow("%s: short year", how) << editing << "12/03/19" << "La fecha \"12/03/19\" está incompleta.";
    }
}

void TestWholeDates::refusedAndKept()
{
    QFETCH(bool, editing);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    if (editing) {
        QFile file(MembersFilePath(gral_->environment));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(RawMemberRecord(DayNumberFromDate(QDate(1975, 11, 12)), "SOSA, EVA"));
    }
    const QByteArray before = fileBytes();
    TForm2 form(*gral_);
    QVERIFY(ShowActive(form));
    if (editing) {
        QCOMPARE(form.DateTime1->date(), QDate(1975, 11, 12));
        form.DateTime1->setFocus();
        QTest::keyClicks(form.DateTime1, typed);
        QTest::mouseClick(form.Button2, Qt::LeftButton);
    } else {
        addByKeyboard(form, "ruiz, ana", typed, false);
    }
    QCOMPARE(messages_->texts().size(), 1);
    QVERIFY2(messages_->texts().first().startsWith(message), qPrintable(messages_->texts().first()));
    QCOMPARE(fileBytes(), before);
    QVERIFY(form.DateTime1->hasTypedText());
    QCOMPARE(form.DateTime1->typingField()->displayText(), (typed + "__________").left(10));
    QCOMPARE(form.List1->topLevelItemCount(), editing ? 1 : 0);
}

QTEST_MAIN(TestWholeDates)
#include "tst_wholedates.moc"
