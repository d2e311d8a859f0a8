// The main window's side of the team window: opening it, telling it of
// changes, and showing the member it hands over.
#include "tendencies/TForm1.h"
#include "widgets/DatePicker.h"
#include "tendencies/TeamWindow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>

void TForm1::OpenTeamWindow()
{
    if (!team_) {
        team_ = new TeamWindow(gral_, PickerDate(), this);
        team_->ShowRegion(StatusPanel0->text(), StatusPanel1->text());
        connect(team_, &TeamWindow::memberOpened, this, &TForm1::ShowTeamMember);
    }
    team_->show();
    team_->raise();
    team_->activateWindow();
    // Chosen from the menu, whose closing gives the keyboard back to this
    // window: take it to the team window once the menu is gone.
    QMetaObject::invokeMethod(
        team_, [team = team_] { team->activateWindow(); }, Qt::QueuedConnection);
}

void TForm1::FollowTeam(bool membersChanged)
{
    if (team_)
        team_->Refresh(membersChanged);
}

void TForm1::ShowTeamMember(int memberIndex, double day)
{
    if (memberIndex < 0 || memberIndex >= Combo1->count())
        return;
    Combo1->setCurrentIndex(memberIndex);
    DateTime1->setDate(DateFromDayNumber(day));
    Combo1_Click();
    raise();
    activateWindow();
}

TeamWindow* TForm1::TeamView() const
{
    return team_.data();
}
