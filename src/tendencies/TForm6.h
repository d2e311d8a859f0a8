#pragma once
// The print options window: the shown day alone, or seven days from a date.
// On "Imprimir" with a date inside the covered period it keeps the date to
// print (the shown day, or the picker's date for seven days) and closes;
// every other way out leaves printDate() 0. The opener reads it after the
// window has closed.
#include "app/Gral.h"

#include <QDialog>

#include "widgets/DatePicker.h"
class QLabel;
class QPushButton;
class QRadioButton;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    // The picker starts at `shownDate`, the main window's shown day.
    TForm6(Gral& gral, double shownDate, QWidget* parent = nullptr);
    // True when "Imprimir 7 días a partir de fecha >>" is chosen.
    bool sevenDays() const { return sevenDays_; }
    // The start date to print (day number); 0 = nothing to print.
    double printDate() const { return printDate_; }

    QLabel* Label1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    DatePicker* DateTime1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

private:
    void Option_Click();
    void Button_Click(QPushButton* sender);

    Gral& gral_;
    bool sevenDays_ = false;
    double shownDate_ = 0; // the main window's day, printed in the one-day form
    double printDate_ = 0;
};
