// The main window's event handlers and the openers of the other windows.
#include "tendencies/TForm1.h"
#include "export/CalendarExportWindow.h"
#include "widgets/DatePicker.h"
#include "core/DatePattern.h"
#include "core/Edition.h"
#include "members/MemberList.h"
#include "app/ProgramMessage.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWrite.h"
#include "platform/SystemDateFormat.h"
#include "tendencies/TForm5.h"
#include "tendencies/PeriodCheck.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/WeekChart.h"
#include "widgets/WindowKit.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRegion>
#include <QSlider>
#include <QStatusBar>

#include "members/TForm2.h"
#include "settings/TForm3.h"
#include "settings/TForm4.h"
#include "tendencies/PrintTendencies.h"
#include "tendencies/TForm6.h"
#include "about/TForm7.h"
#include "tendencies/TeamWindow.h"

void TForm1::Combo1_Click()
{
    if (DateFormatChanged(gral_) || Combo1->count() == 0)
        return;
    const std::optional<double> birth =
        gral_.environment.systemDateFormat.parse(Combo1->currentText().right(10).trimmed());
    if (birth)
        gral_.members.selectedBirthDate = *birth;
    ComputeMemberSign(gral_.members);
    if (!CoveredPeriodCheck(DateOrigin::System, PickerDate()))
        return;
    ShowPickerDay();
}

void TForm1::Button1_Click()
{
    // Enter pressed in any other control is not meant for this button.
    if (!DateTime1->hasFocus() && !Button1->hasFocus())
        return;
    if (DateFormatChanged(gral_))
        return;
    // A typed date is read whole here, never on the way.
    const Result<QDate> entered = DateTime1->enteredDate();
    if (!entered) {
        ProgramMessage(gral_, entered.failure());
        return;
    }
    if (!CoveredPeriodCheck(DateOrigin::Entered, DayNumberFromDate(*entered)))
        return;
    DateTime1->setDate(*entered);
    const QString shown = DateLabels[0]->text().trimmed();
    if (!shown.isEmpty() && shown == gral_.environment.systemDateFormat.format(PickerDate()))
        return;
    ShowPickerDay();
}

void TForm1::Barra_Change()
{
    if (suppressTrackChange_)
        return;
    if (DateFormatChanged(gral_))
        return;
    const std::optional<double> shown = ShownDay();
    if (!shown)
        return;
    DateTime1->setDate(DateFromDayNumber(*shown));
    const double target = *shown + (Barra->value() - trackSelectionEnd_);
    gral_.calendar.dayRowIndex = LookUpDay(target);
    if (gral_.calendar.dayRowIndex < 1)
        return;
    DrawWeek();
    trackSelectionEnd_ = Barra->value();
    // Show the new week while the thumb is still being dragged: repaint what changed, now.
    QRegion changed = QRegion(Panel1->geometry()) + DateTime1->geometry() + Barra->geometry() +
                      QRect(DateLabels[0]->geometry().topLeft(), DateLabels[6]->geometry().bottomRight());
    for (QLabel* text : {Text2, Text3, Text4, Text5})
        changed += text->geometry();
    centralWidget()->repaint(changed);
}

void TForm1::Barra_PastEnd(int direction)
{
    if (DateFormatChanged(gral_))
        return;
    const std::optional<double> shown = ShownDay();
    if (!shown)
        return;
    const double target = *shown + direction;
    // The period's own ends stay ends, and the status bar says why.
    const QString refusal = CoveredPeriodMessage(gral_, DateOrigin::Entered, target);
    if (!refusal.isEmpty()) {
        statusBar()->showMessage(QString(refusal).replace(QStringLiteral("\r\r"), QStringLiteral(" ")), 8000);
        return;
    }
    ShowWeekOf(target);
}

void TForm1::Barra_Enter()
{
    if (DateFormatChanged(gral_))
        return;
    // A picker date that was changed but not applied gives way to the shown day.
    if (const std::optional<double> shown = ShownDay())
        DateTime1->setDate(DateFromDayNumber(*shown));
}

void TForm1::RedrawAfterColours()
{
    ShowPickerDay();
    ApplyLegendColours();
    FollowTeam(false);
}

void TForm1::RedrawAfterRegion()
{
    if (DateFormatChanged(gral_) || !gral_.regionChanged)
        return;
    ShowPickerDay();
    FollowTeam(false);
}

void TForm1::TextCol_DblClick(int level)
{
    OpenColourWindow(level);
    RedrawAfterColours();
}

void TForm1::Archiv_Click(QAction* entry)
{
    if (entry != Archiv5 && DateFormatChanged(gral_))
        return;
    if (entry == Archiv1) {
        OpenRegionalWindow();
        RedrawAfterRegion();
    } else if (entry == Archiv2) {
        OpenColourWindow(1);
        if (!DateFormatChanged(gral_))
            RedrawAfterColours();
    } else if (entry == Archiv3) {
        gral_.levelColors = DefaultLevelColors;
        SettingsStore store;
        store.setLevelColours(gral_.levelColors);
        SaveSettings(gral_, store);
        RedrawAfterColours();
    } else if (entry == Archiv4) {
        OpenPrintWindow();
    } else if (entry == Archiv5) {
        close();
    } else if (entry == Archiv6) {
        OpenMembersWindow();
        // A members file that could not be read back has already ended the program.
        if (!gral_.environment.quitRequested && !DateFormatChanged(gral_)) {
            FillMemberBox(true);
            FollowTeam(true);
        }
    } else if (entry == Equipo1) {
        OpenTeamWindow();
    } else if (entry == Exportar1) {
        CalendarExportWindow window(gral_, Combo1->currentIndex(), PickerDate(), this);
        RunModal(gral_, window);
    } else if (entry == Importar1) {
        ImportMembers();
    } else if (entry == Planilla1) {
        ImportRoster();
    } else if (entry == Planilla2) {
        ExportRoster();
    }
}

void TForm1::Ayuda_Click(QAction* entry)
{
    if (entry == Ayuda1) {
        ShowHelp(gral_.platform, HelpContents);
    } else if (entry == Ayuda2) {
        gral_.platform.showHelpFinder();
    } else if (entry == Ayuda3) {
        ShowHelp(gral_.platform, HelpConcepts);
    } else if (entry == Ayuda4) {
        OpenAboutWindow();
        DateFormatChanged(gral_); // a change ends the program; nothing else follows here
    }
}

void TForm1::StatusBar1_DblClick()
{
    Archiv_Click(Archiv1);
}

void TForm1::FirstRunPath()
{
    ProgramMessage(gral_, FirstRunMessage(), StyleInformation);
    gral_.regionalFirstRun = true;
    OpenRegionalWindow();
}

// --- Openers: each window is created for one opening and freed after it.

void TForm1::OpenMembersWindow()
{
    TForm2 window(gral_, this);
    RunModal(gral_, window);
}

void TForm1::OpenRegionalWindow()
{
    gral_.regionChanged = false;
    TForm3 window(gral_, this);
    connect(&window, &TForm3::regionSaved, this, &TForm1::ShowRegion);
    RunModal(gral_, window);
}

void TForm1::OpenColourWindow(int level)
{
    TForm4 window(gral_.levelColors, gral_.platform, level, this);
    RunModal(gral_, window);
}

void TForm1::OpenPrintWindow()
{
    bool sevenDays = false;
    double printDate = 0;
    {
        TForm6 window(gral_, PickerDate(), this);
        RunModal(gral_, window);
        sevenDays = window.sevenDays();
        printDate = window.printDate();
    }
    if (DateFormatChanged(gral_) || printDate == 0)
        return;
    std::optional<TendencyPrintHeading> heading;
    const int member = Combo1->currentIndex();
    if (CurrentEdition().handoutPrints && member >= 0 && member < gral_.members.memberList.size())
        heading = TendencyPrintHeading{gral_.members.memberList.at(member).mid(MemberLineDateWidth).trimmed(),
                                       gral_.environment.systemDateFormat.format(gral_.members.selectedBirthDate),
                                       StatusPanel0->text(), StatusPanel1->text()};
    PrintTendencies(gral_, sevenDays, printDate, heading);
}

void TForm1::OpenAboutWindow()
{
    TForm7 window(gral_.platform, this);
    RunModal(gral_, window);
}
