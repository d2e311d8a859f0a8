// The main window's week: drawing, the texts of a moment, the chart click,
// the covered-period check and the explanation of the shown level.
#include "tendencies/TForm1.h"
#include "widgets/DatePicker.h"
#include "core/DatePattern.h"
#include "tendencies/MomentTexts.h"
#include "app/ProgramMessage.h"
#include "widgets/QtColour.h"
#include "calendar/SignCalendar.h"
#include "platform/SystemDateFormat.h"
#include "tendencies/TForm5.h"
#include "tendencies/PeriodCheck.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/TendencyTexts.h"
#include "tendencies/WeekChart.h"
#include "tendencies/WeekDescription.h"
#include "widgets/WindowKit.h"

#include <QDateEdit>
#include <QLabel>
#include <QSlider>

namespace {
const DatePattern LongDatePattern(QStringLiteral("dddd d \"de\" mmmm \"de\" yyyy"));
} // namespace

void TForm1::SetHeadline(const QString& text)
{
    Text2->setText(text);
}

void TForm1::ShowMomentTexts(int sign)
{
    const MomentTexts texts = MomentTextsFor(gral_.levelColors, gral_.members.memberSign, sign);
    SetHeadline(texts.headline);
    Text3->setText(texts.game);
    Text4->setText(texts.disposition);
    Text5->setText(texts.recommendation);
    headlineFill_ = texts.fill;
    SetLevelFill(*Text2, headlineFill_);
}

void TForm1::ApplyLegendColours()
{
    for (int k = 0; k < 5; ++k)
        SetLevelFill(*TextCol[size_t(k)], gral_.levelColors[size_t(k)]);
}

void TForm1::DrawWeek()
{
    if (gral_.calendar.dayRowIndex < 1
        || !ReadSignRow(gral_.calendar, gral_.environment.systemDateFormat, gral_.calendar.dayRowIndex))
        return;
    // The program moves the track bar itself while drawing: its handler must not answer.
    const bool previous = suppressTrackChange_;
    suppressTrackChange_ = true;
    const WeekLayout week =
        ComposeWeek(gral_.calendar, gral_.environment.systemDateFormat, gral_.members, gral_.levelColors);
    Panel1->showWeek(week);
    weekDescription_ = DescribeWeek(gral_.calendar, gral_.environment.systemDateFormat, gral_.members);
    Image1->setAccessibleDescription(weekDescription_);
    for (int r = 0; r < ChartDays; ++r) {
        const double day = week.days[size_t(r)];
        DateLabels[size_t(r)]->setText(day != 0 ? gral_.environment.systemDateFormat.format(day) : QString());
    }
    const double shownDay = week.days[0];
    DateTime1->setDate(DateFromDayNumber(shownDay));

    if (const std::optional<FoundSignRow> found =
            ReadSignRowAt(gral_.calendar, gral_.environment.systemDateFormat, RowLookup::DayStart, shownDay, 0))
        ShowMomentTexts(found->row.sign);
    // The headline's text colour follows the first span of the shown day as painted.
    QPalette palette = Text2->palette();
    palette.setColor(QPalette::WindowText, ToQColor(ContrastTextColour(FromQColor(QColor(Image1->pixel(1, 1))))));
    Text2->setPalette(palette);
    SetHeadline(LongDatePattern.format(shownDay) + QStringLiteral(" - 00:00 hs. - ") + Text2->text());
    suppressTrackChange_ = previous;
    if (gral_.explanation.explanationOpen)
        Queindica_Click();
}

void TForm1::Image1_MouseUp(int x, int y)
{
    if (DateFormatChanged(gral_))
        return;
    // Integer division toward zero: a release just left of the picture still counts as hour 0.
    const int hour = x / ChartHourWidth;
    const int row = y / ChartRowHeight;
    if (hour < 0 || hour > 23 || row < 0 || row >= ChartDays)
        return;
    // Silver is a grid line or an empty area. A release outside the picture
    // (after a press inside) has no pixel and reads as 00:00 of its row.
    const bool inside = x >= 0 && y >= 0 && x < ChartWidth && y < ChartHeight;
    if (inside && FromQColor(QColor(Image1->pixel(x, y))) == SilverColour)
        return;
    Image1->choose(row, hour);
    ShowChartMoment(row, hour * 60 + ClickMinute(x, hour));
}

// The moment's headline and texts, for a click or the keys; the week stays
// drawn from the shown day's row, only the moment's row is read.
void TForm1::ShowChartMoment(int row, int minuteOfDay)
{
    if (DateFormatChanged(gral_))
        return;
    const QString dayText = DateLabels[size_t(row)]->text().trimmed();
    if (dayText.isEmpty())
        return;
    const std::optional<double> day = gral_.environment.systemDateFormat.parse(dayText);
    if (!day)
        return;
    const std::optional<FoundSignRow> found =
        ReadSignRowAt(gral_.calendar, gral_.environment.systemDateFormat, RowLookup::Moment, *day, minuteOfDay);
    if (!found)
        return;
    ShowMomentTexts(found->row.sign);
    SetHeadline(ClickedMomentHeadline(*day, minuteOfDay, Text2->text()));
    Image1->setAccessibleDescription(QStringLiteral("Momento elegido: %1. %2").arg(Text2->text(), weekDescription_));
    if (gral_.explanation.explanationOpen)
        Queindica_Click();
}

bool TForm1::CoveredPeriodCheck(DateOrigin origin, double date)
{
    const DatePattern& pattern = gral_.environment.systemDateFormat;
    const double day = pattern.parse(pattern.format(date)).value_or(std::floor(date));
    const QString message = CoveredPeriodMessage(gral_, origin, day);
    if (message.isEmpty())
        return true;
    ProgramMessage(gral_, message, StyleExclamation);
    const double end = gral_.calendar.coveredPeriod.nearestEnd(day);
    gral_.calendar.dayRowIndex = LookUpDay(end);
    DateTime1->setDate(DateFromDayNumber(end));
    SetTrackDay(end);
    if (gral_.calendar.dayRowIndex > 0)
        DrawWeek();
    return false;
}

void TForm1::Queindica_Click()
{
    for (int level = 1; level <= 5; ++level) {
        if (gral_.levelColors[size_t(level - 1)] == headlineFill_) {
            gral_.explanation.explainedLevel = level;
            break;
        }
    }
    if (gral_.explanation.explainedLevel < 1)
        return;
    if (explanation_ && gral_.explanation.explanationOpen) {
        explanation_->Refill();
        return;
    }
    explanation_ = new TForm5(gral_.explanation, gral_.levelColors, this);
    explanationFramed_ = false;
    explanation_->installEventFilter(this);
    PlaceExplanation();
    explanation_->show();
    PlaceExplanation(); // again with the frame the desktop gave it
    explanation_->Refill();
    // Opened to be read and closed with Esc, so it takes the keyboard.
    explanation_->activateWindow();
}

// Many desktops frame a new window only after it is shown; the first move or
// resize that reveals the frame places the window once more, so that its
// bottom edge, caption included, stays above the legend. Later moves are the
// user's own.
void TForm1::ExplanationFrameKnown()
{
    if (explanationFramed_ || !explanation_)
        return;
    if (explanation_->frameGeometry().height() <= explanation_->height())
        return;
    explanationFramed_ = true;
    PlaceExplanation();
}

void TForm1::PlaceExplanation()
{
    // Centred over the main window, its bottom edge 6 pixels above the level legend.
    const QRect outer = explanation_->frameGeometry();
    const int left = (frameGeometry().width() - outer.width()) / 2;
    const int top = TextCol[2]->y() - outer.height() - 6;
    const QPoint place = centralWidget()->mapToGlobal(QPoint(left, top));
    if (outer.topLeft() != place)
        explanation_->move(place);
}

TForm5* TForm1::ExplanationWindow() const
{
    return explanation_.data();
}
