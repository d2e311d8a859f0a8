#pragma once
// "Exportar a calendario" (full edition): who, from which day, how many days
// and which levels; "Exportar" asks for the file and writes it
// (CalendarExport.h and ICalendarFile.h do the work).
#include "app/Gral.h"

#include <QDialog>

class DatePicker;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

class CalendarExportWindow : public QDialog {
public:
    // Opens on the member at `memberIndex` of gral.members.memberList and on `day`.
    CalendarExportWindow(Gral& gral, int memberIndex, double day, QWidget* parent = nullptr);

    QComboBox* Quien = nullptr;     // the members, then "Todo el equipo"
    DatePicker* Desde = nullptr;
    QSpinBox* Dias = nullptr;       // 1..31
    QCheckBox* Niveles[5] = {};     // level 1..5
    QPushButton* Exportar = nullptr;
    QPushButton* Cerrar = nullptr;

private:
    void Exportar_Click();

    Gral& gral_;
};
