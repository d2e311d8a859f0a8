#pragma once
// "Equipo" (full edition): every member's tendency for one day side by side,
// sorted by name or by the level at a chosen hour. A click on a cell shows
// that moment's texts as the main window shows them; a double click opens the
// member in the main window. Not modal, resizable; the main window tells it
// about changes of colours, region and members while it is open.
#include "app/Gral.h"

#include <QWidget>

#include "widgets/DatePicker.h"
class QLabel;
class QPushButton;
class TeamGridView;

class TeamWindow : public QWidget {
    Q_OBJECT
public:
    // Opens on `day` (the main window's shown day), with the region texts of the main window's status bar.
    TeamWindow(Gral& gral, double day, QWidget* parent = nullptr);

    // The day shown, and the region texts.
    double shownDay() const { return day_; }
    void ShowRegion(const QString& zone, const QString& daylight);
    // Computes the grid again for the shown day, keeping the order: after a
    // change of colours or region; with membersChanged, the chosen moment is
    // forgotten too (its member may be gone).
    void Refresh(bool membersChanged);
    // What the texts' place says while no moment is chosen.
    static QString MomentHint();
    // What "Imprimir" asks when the system has no default printer.
    static QString TeamNoPrinterMessage();

    DatePicker* DateTime1;
    QPushButton* Button1; // "Aplicar fecha"
    QPushButton* Button2; // "Imprimir"
    QPushButton* Button3; // "Ayuda"
    QLabel* StatusPanel0;
    QLabel* StatusPanel1;
    TeamGridView* Grid1;
    QLabel* Text1; // the member of the chosen moment
    QLabel* Text2; // headline
    QLabel* Text3;
    QLabel* Text4;
    QLabel* Text5;

signals:
    // The member (index in the member list) is to be shown in the main window from `day`.
    void memberOpened(int memberIndex, double day);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Button1_Click();
    void Button2_Click();
    void Grid1_Moment(int row, int minuteOfDay);
    void Grid1_Open(int row);
    void ShowDay(double day);
    void ClearMoment();
    void BuildControls();

    Gral& gral_;
    double day_ = 0;
    int momentMember_ = -1; // member index and minute of the texts shown, -1 for none
    int momentMinute_ = 0;
};
