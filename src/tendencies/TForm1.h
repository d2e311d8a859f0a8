#pragma once
// The main window: member and day choice, the seven-day chart, the texts of
// a moment, the level legend, the region in the status bar, and the menus that
// open every other window.
#include "app/Gral.h"
#include "tendencies/PeriodMessage.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QComboBox;
#include "widgets/DatePicker.h"
class QLabel;
class QPushButton;
class QSlider;
class QMenu;
class TForm5;
class TeamWindow;
class WeekChart;
class ChartImage;
struct ZoneChoice;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Gral& gral);
    ~TForm1() override;

    // Repaints the chart from gral.calendar.dayRowIndex and everything that follows the shown day.
    void DrawWeek();
    // The message shown before the regional window at the very first run.
    static QString FirstRunMessage();
    ColourValue HeadlineFill() const { return headlineFill_; }
    TForm5* ExplanationWindow() const;
    TeamWindow* TeamView() const;

    // Controls, named as the help and the tests know them.
    QLabel* Label13;
    QComboBox* Combo1;
    QLabel* Label9;
    DatePicker* DateTime1;
    QPushButton* Button1;
    std::array<QLabel*, 7> DateLabels{};
    WeekChart* Panel1;
    ChartImage* Image1;
    QLabel* Image2;
    QSlider* Barra;
    QLabel* Label12;
    QLabel* Image3;
    std::array<QLabel*, 5> TextCol{};
    QLabel* Text2;
    QLabel* Text3;
    QLabel* Text4;
    QLabel* Text5;
    QLabel* StatusPanel0;
    QLabel* StatusPanel1;

    QAction* Archiv1; // Configuración regional
    QAction* Archiv2; // Cambiar colores
    QAction* Archiv3; // Restaurar colores
    QAction* Archiv4; // Imprimir tendencias
    QAction* Archiv5; // Salir
    QAction* Archiv6; // Gestión de Integrantes
    QAction* Equipo1 = nullptr; // Equipo... (the full edition only)
    QAction* Exportar1 = nullptr; // Exportar a calendario... (the full edition only)
    QAction* Importar1 = nullptr; // Importar integrantes... (the full edition only)
    QAction* Planilla1 = nullptr; // Importar desde planilla (CSV)... (the full edition only)
    QAction* Planilla2 = nullptr; // Exportar a planilla (CSV)... (the full edition only)
    QAction* Ayuda1;  // Contenido
    QAction* Ayuda2;  // Buscar temas de ayuda
    QAction* Ayuda3;  // Conceptos generales
    QAction* Ayuda4;  // Acerca de....
    QAction* Quindica1;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter is the key of "Aplicar fecha", the window's default button.
    void keyPressEvent(QKeyEvent* event) override;
    // The explanation window belongs to this one: it moves along with it.
    void moveEvent(QMoveEvent* event) override;

private:
    // Event handlers, each wired to its control in BuildControls, BuildMenus or eventFilter.
    void Combo1_Click();
    void Button1_Click();
    void Barra_Change();
    void Barra_Enter();
    // A step past the track bar's end (direction +1 later, -1 earlier): the neighbouring year's day.
    void Barra_PastEnd(int direction);
    void TextCol_DblClick(int level);
    void Archiv_Click(QAction* entry);
    void Ayuda_Click(QAction* entry);
    void StatusBar1_DblClick();
    void Queindica_Click();
    void Image1_MouseUp(int x, int y);
    void ShowChartMoment(int row, int minuteOfDay);

    // Fills the member box from gral.members.memberList and selects the stored member;
    // with refresh also recomputes and redraws.
    void FillMemberBox(bool refresh);
    // Headline and the three texts for calendar sign 1..12.
    void ShowMomentTexts(int sign);
    void ApplyLegendColours();
    // True when the date may be shown; otherwise says why and moves to the nearest end.
    bool CoveredPeriodCheck(DateOrigin origin, double date);
    double PickerDate() const;
    // The day the week is drawn from, read back from the first row's date label.
    std::optional<double> ShownDay() const;
    // The day's first row in the calendar once its week is held
    // (HoldWeekShown); -1 when the date-format check fired or the calendar has
    // no such day.
    int LookUpDay(double day);
    // Looks the day up and, when the calendar has it, draws its week and moves
    // the track bar to it.
    void ShowWeekOf(double day);

    void BuildControls();
    void BuildMenus();
    void BuildStatusBar();
    void ReadSettings();
    void FirstRunPath();
    void ShowRegion(const ZoneChoice& choice);
    // Spans the track bar over the days that `day` belongs with (TrackSpanFor).
    void ApplyTrackSpan(double day);
    // Moves the track bar to a day's position without running its change handler.
    void SetTrackDay(double day);
    // ShowWeekOf the picker's day.
    void ShowPickerDay();
    // After the colours changed: redraw the shown day and recolour the legend.
    void RedrawAfterColours();
    void RedrawAfterRegion();
    void SetHeadline(const QString& text);
    void PlaceExplanation();
    void ExplanationFrameKnown();

    // One opener per window of another part of the program.
    void OpenMembersWindow();
    // The members from and to a spreadsheet (TForm1Roster.cpp).
    void ImportRoster();
    void ExportRoster();
    // The members of another members file added (TForm1Import.cpp).
    void ImportMembers();
    // MemberList read again after the members file changed, and the windows that show it.
    void ReloadMembers();
    void OpenRegionalWindow();
    void OpenColourWindow(int level);
    void OpenPrintWindow();
    void OpenAboutWindow();
    // The team window: opened (or brought to the front) on the shown day; it
    // follows changes of colours, region and members made here.
    void OpenTeamWindow();
    void FollowTeam(bool membersChanged);
    // A member chosen in the team window: chosen here too, shown from `day`.
    void ShowTeamMember(int memberIndex, double day);

    Gral& gral_;
    bool suppressTrackChange_ = false;
    int trackSelectionEnd_ = 0; // position of the shown day
    double trackOrigin_ = 0;    // the day at position 0
    ColourValue headlineFill_ = 0;
    QPointer<TForm5> explanation_;
    QPointer<TeamWindow> team_;
    bool explanationFramed_ = false; // placed again once its frame was known
    QString weekDescription_; // the chart's seven days in words
};
