// Dates typed into the three date pickers (members, main and print windows):
// day, month and year go in from the keyboard, Backspace works, the calendar
// pop-up still chooses, and the picker shows the long date again when left.
#include "core/DayNumber.h"
#include "members/MemberListView.h"
#include "members/MemberRecord.h"
#include "members/MembersFile.h"
#include "tendencies/TForm1.h"
#include "members/TForm2.h"
#include "tendencies/TForm6.h"
#include "usability/UsabilityFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {

enum class Window { Members, Main, Print };

// Tab (or Shift+Tab) from `before` into the picker, as the user reaches it.
void TabInto(QWidget* before, bool backwards)
{
    before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestTypedDates : public QObject, private UsabilityFixture {
    Q_OBJECT
private slots:
    void init() { ResetFixture(), test_->platform.onToday = [] { return QDate(2026, 12, 3); }; }
    void cleanup() { ReleaseFixture(); }

    void typed_data();
    void typed();
    void calendarPopupStillChooses();
    void typedBirthDateIsSaved();
    void typedDateIsApplied();
    void typedDateIsPrinted();
    // On a "today" early in the month (03/12/2026), after "Nuevo Integrante" or over a
    // stored member: saved as typed, or refused, nothing written, the typed text kept.
    void birthDateTakenWhole_data();
    void birthDateTakenWhole();

private:
    // The window's picker, reached by the keyboard, with `keys` typed and then
    // left with Tab. Returns the picker's date.
    QDate typeInto(Window which, QDate start, bool backwards, const QString& keys, QString* shown);
};

void TestTypedDates::typed_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected");

    const QDate birth(2000, 6, 10);
    QTest::newRow("members: day, month, year") << Window::Members << birth << false << "15031990" << QDate(1990, 3, 15);
    QTest::newRow("members: with separators") << Window::Members << birth << false << "01/02/1975" << QDate(1975, 2, 1);
    QTest::newRow("members: one-digit day and month") << Window::Members << birth << false << "1/2/1975"
                                                     << QDate(1975, 2, 1);
    QTest::newRow("members: year only (Shift+Tab)") << Window::Members << birth << true << "1990" << QDate(1990, 6, 10);
    QTest::newRow("members: Backspace on the year") << Window::Members << birth << true << "\b1985"
                                                   << QDate(1985, 6, 10);
    QTest::newRow("members: 25121990 after Shift+Tab") << Window::Members << birth << true << "25121990" << QDate(1990, 12, 25);
    QTest::newRow("members: 5/7/1995 after Shift+Tab") << Window::Members << birth << true << "5/7/1995" << QDate(1995, 7, 5);
    const QDate day(2003, 1, 1);
    QTest::newRow("main: day, month, year") << Window::Main << day << false << "15032004" << QDate(2004, 3, 15);
    QTest::newRow("main: year only") << Window::Main << day << true << "2004" << QDate(2004, 1, 1);
    QTest::newRow("main: 15/03/2004 pasted after Shift+Tab") << Window::Main << day << true << "^15/03/2004" << QDate(2004, 3, 15);
    QTest::newRow("main: 15/03/2004 after Shift+Tab") << Window::Main << day << true << "15/03/2004" << QDate(2004, 3, 15);
    QTest::newRow("print: day, month, year") << Window::Print << QDate(2004, 3, 17) << false << "17092003"
                                            << QDate(2003, 9, 17);
    QTest::newRow("print: Backspace on the year") << Window::Print << QDate(2004, 3, 17) << true << "\b2003"
                                                 << QDate(2003, 3, 17);
}

void TestTypedDates::typed()
{
    QFETCH(Window, window);
    QFETCH(QDate, start);
    QFETCH(bool, backwards);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);
    QString shown;
    QCOMPARE(typeInto(window, start, backwards, keys, &shown), expected);
    // Left, the picker shows the long date of what was typed.
    const QString year = QStringLiteral(" de %1").arg(expected.year());
    QVERIFY2(shown.endsWith(year) && shown.contains(QStringLiteral(" de ")) && !shown.contains(u'/'),
             qPrintable(shown));
}

QDate TestTypedDates::typeInto(Window which, QDate start, bool backwards, const QString& keys, QString* shown)
{
    DatePicker* picker = nullptr;
    QWidget* before = nullptr;
    std::unique_ptr<QWidget> window;
    if (which == Window::Members) {
        auto form = std::make_unique<TForm2>(*gral_);
        picker = form->DateTime1;
        before = backwards ? static_cast<QWidget*>(form->Edit2) : form->Edit1;
        window = std::move(form);
    } else if (which == Window::Main) {
        auto form = std::make_unique<TForm1>(*gral_);
        picker = form->DateTime1;
        before = backwards ? static_cast<QWidget*>(form->Button1) : form->Combo1;
        window = std::move(form);
    } else {
        auto form = std::make_unique<TForm6>(*gral_, DayNumberFromDate(start));
        picker = form->DateTime1;
        form->Option2->setChecked(true);
        picker->setEnabled(true);
        before = backwards ? static_cast<QWidget*>(form->Button1) : form->Option2;
        window = std::move(form);
    }
    if (!ShowActive(*window))
        return {};
    picker->setDate(start);
    TabInto(before, backwards);
    if (!picker->hasFocus())
        return {};
    if (keys.startsWith('^')) // pasted
        QApplication::clipboard()->setText(keys.mid(1)), QTest::keyClick(picker, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(picker, keys.startsWith('^') ? QString() : keys);
    QTest::keyClick(picker, Qt::Key_Tab);
    if (picker->hasFocus())
        return {};
    *shown = picker->text();
    return picker->date();
}

// The calendar opens from the picker's arrow, is driven with the keys, and its
// choice reaches the picker, which is still typed into afterwards.
void TestTypedDates::calendarPopupStillChooses()
{
    TForm2 form(*gral_);
    QVERIFY(ShowActive(form));
    form.DateTime1->setDate(QDate(1990, 3, 15));
    TabInto(form.Edit1, false);
    QVERIFY(form.DateTime1->hasFocus());
    // A click on the picker's arrow, as the user opens the calendar.
    QTest::mouseClick(form.DateTime1, Qt::LeftButton, {},
                      QPoint(form.DateTime1->width() - 6, form.DateTime1->height() / 2));
    QWidget* popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    auto* calendar = qobject_cast<QCalendarWidget*>(popup);
    if (!calendar)
        calendar = popup->findChild<QCalendarWidget*>();
    QVERIFY(calendar);
    QWidget* table = calendar->focusWidget() ? calendar->focusWidget() : calendar;
    QTest::keyClick(table, Qt::Key_Right);
    QTest::keyClick(table, Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(form.DateTime1->date(), QDate(1990, 3, 16));
    // Typing goes on in the field after the calendar closed.
    QTRY_VERIFY(form.DateTime1->hasFocus());
    QTest::keyClick(form.DateTime1, Qt::Key_Tab);
    QCOMPARE(form.DateTime1->date(), QDate(1990, 3, 16));
    QVERIFY(form.DateTime1->text().endsWith(QStringLiteral(" de 1990")));
}

// The whole first-member flow from the keyboard: name, typed birth date, Save.
void TestTypedDates::typedBirthDateIsSaved()
{
    TForm2 form(*gral_);
    QVERIFY(ShowActive(form));
    QVERIFY(form.Edit1->hasFocus());
    QTest::keyClicks(form.Edit1, "ruiz, ana");
    QTest::keyClick(form.Edit1, Qt::Key_Tab);
    QVERIFY(form.DateTime1->hasFocus());
    QTest::keyClicks(form.DateTime1, "07081992");
    QTest::keyClick(form.DateTime1, Qt::Key_Tab);
    QTest::keyClick(form.Edit2, Qt::Key_Tab); // to "&Nuevo Integrante"
    QTest::keyClick(form.Button1, Qt::Key_Tab); // to "&Guardar"
    QVERIFY(form.Button2->hasFocus());
    QTest::keyClick(form.Button2, Qt::Key_Space);
    QCOMPARE(messages_->texts(), QStringList());
    QCOMPARE(form.List1->topLevelItemCount(), 1);
    QCOMPARE(form.List1->topLevelItem(0)->text(0), QStringLiteral("RUIZ, ANA"));
    QCOMPARE(form.List1->topLevelItem(0)->text(1), QStringLiteral("07/08/1992"));
}

// Typed in the main window and applied with Enter: that week is shown.
void TestTypedDates::typedDateIsApplied()
{
    TForm1 form(*gral_);
    QVERIFY(ShowActive(form));
    TabInto(form.Combo1, false);
    QVERIFY(form.DateTime1->hasFocus());
    QTest::keyClicks(form.DateTime1, "15032004");
    QTest::keyClick(form.DateTime1, Qt::Key_Return);
    QCOMPARE(form.DateLabels[0]->text(), QStringLiteral("15/03/2004"));
    QCOMPARE(form.DateTime1->date(), QDate(2004, 3, 15));
}

// Typed in the print window, printed from that day.
void TestTypedDates::typedDateIsPrinted()
{
    TForm6 form(*gral_, DayNumberFromDate(QDate(2004, 3, 17)));
    QVERIFY(ShowActive(form));
    QTest::mouseClick(form.Option2, Qt::LeftButton);
    TabInto(form.Option2, false);
    QVERIFY(form.DateTime1->hasFocus());
    QTest::keyClicks(form.DateTime1, "17092003");
    QTest::keyClick(form.DateTime1, Qt::Key_Tab);
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(form.printDate(), DayNumberFromDate(QDate(2003, 9, 17)));
}

void TestTypedDates::birthDateTakenWhole_data()
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

void TestTypedDates::birthDateTakenWhole()
{
    QFETCH(bool, editing);
    QFETCH(QString, typed);
    QFETCH(QDate, saved);
    QFETCH(QString, message);
    const QString path = MembersFilePath(gral_->environment);
    if (editing)
        QVERIFY(WriteBytes(path, RawMemberRecord(DayNumberFromDate(QDate(1975, 11, 12)), "SOSA, EVA")));
    const QByteArray before = ReadBytes(path);
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
    QVERIFY(QFile::exists(path));
    const QByteArray after = ReadBytes(path);
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

QTEST_MAIN(TestTypedDates)
#include "tst_typeddates.moc"
