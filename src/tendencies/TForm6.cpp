#include "tendencies/TForm6.h"

#include "widgets/DatePicker.h"
#include "help/HelpContext.h"
#include "tendencies/PeriodCheck.h"
#include "app/ProgramMessage.h"
#include "platform/SystemDateFormat.h"
#include "widgets/WindowKit.h"

#include <QDateEdit>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
}

TForm6::TForm6(Gral& gral, double shownDate, QWidget* parent) : QDialog(parent), gral_(gral)
{
    setWindowTitle(QStringLiteral("Imprimir Tendencias"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(457, 117);
    move(179, 149);
    SetHelpContext(this, HelpPrinting);
    // The small dialog font the fixed control sizes were laid out for.
    QFont windowFont = font();
    windowFont.setPointSize(8);
    setFont(windowFont);

    Label1 = new QLabel(QStringLiteral("Seleccione una opción:"), this);
    Label1->setGeometry(6, 12, 140, 16);
    Option1 = new QRadioButton(QStringLiteral("Imprimir solo fecha actual"), this);
    Option1->setGeometry(18, 36, 175, 17);
    Option2 = new QRadioButton(QStringLiteral("Imprimir 7 días a partir de fecha >>"), this);
    Option2->setGeometry(18, 54, 229, 17);

    DateTime1 = new DatePicker(this);
    DateTime1->setGeometry(246, 52, 205, 21);
    DateTime1->setCalendarPopup(true);
    DateTime1->setMinimumDate(QDate(1900, 1, 1));
    DateTime1->setMaximumDate(QDate(9999, 12, 31));
    DateTime1->setAccessibleName(QStringLiteral("Fecha de inicio de los 7 días"));
    // The longest long date ("miércoles 17 de septiembre de 2003") must fit its 205 pixels.
    QFont pickerFont = DateTime1->font();
    pickerFont.setPointSize(7);
    DateTime1->setFont(pickerFont);

    Button1 = new QPushButton(QStringLiteral("&Imprimir"), this);
    Button1->setGeometry(186, 86, 85, 23);
    Button2 = new QPushButton(QStringLiteral("&Cancelar"), this);
    Button2->setGeometry(276, 86, 85, 23);
    Button3 = new QPushButton(QStringLiteral("A&yuda"), this);
    Button3->setGeometry(366, 86, 85, 23);
    Button1->setDefault(true);

    // Form6_Create: one day, the picker on the shown date, and nothing to
    // print unless "Imprimir" succeeds.
    Option1->setChecked(true);
    DateTime1->setEnabled(false);
    sevenDays_ = false;
    const QDate shown = DateFromDayNumber(shownDate);
    if (shown.isValid())
        DateTime1->setDate(shown);
    shownDate_ = shown.isValid() ? DayNumberFromDate(shown) : 0;

    connect(Option1, &QRadioButton::clicked, this, &TForm6::Option_Click);
    connect(Option2, &QRadioButton::clicked, this, &TForm6::Option_Click);
    for (QPushButton* button : {Button1, Button2, Button3})
        connect(button, &QPushButton::clicked, this, [this, button] { Button_Click(button); });
}

void TForm6::Option_Click()
{
    sevenDays_ = Option2->isChecked();
    DateTime1->setEnabled(sevenDays_);
}

void TForm6::Button_Click(QPushButton* sender)
{
    printDate_ = 0;
    if (sender == Button2) {
        reject();
    } else if (sender == Button3) {
        ShowHelp(gral_.platform, HelpPrinting);
    } else if (sender == Button1) {
        if (DateFormatChanged(gral_)) {
            reject(); // the program is ending; nothing is printed
            return;
        }
        // One day is always the main window's day, whatever the (disabled)
        // picker was turned to while seven days were chosen.
        double date = shownDate_;
        if (sevenDays_ || shownDate_ == 0) {
            const Result<QDate> entered = DateTime1->enteredDate();
            if (!entered) {
                ProgramMessage(gral_, entered.failure());
                return;
            }
            date = DayNumberFromDate(*entered);
        }
        const QString refusal = CoveredPeriodMessage(gral_, DateOrigin::Printed, date);
        if (!refusal.isEmpty()) {
            ProgramMessage(gral_, refusal, StyleExclamation);
            return; // the window stays open for another date
        }
        printDate_ = date;
        accept();
    }
}
