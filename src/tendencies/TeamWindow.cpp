#include "tendencies/TeamWindow.h"

#include "widgets/DatePicker.h"
#include "help/HelpContext.h"
#include "app/CalendarBuild.h"
#include "tendencies/MomentTexts.h"
#include "tendencies/PrintTendencies.h"
#include "app/ProgramMessage.h"
#include "widgets/QtColour.h"
#include "tendencies/PeriodCheck.h"
#include "platform/SystemDateFormat.h"
#include "tendencies/TeamGridView.h"
#include "tendencies/TeamPrint.h"
#include "tendencies/TendencyRule.h"
#include "core/DisplayTexts.h"
#include "widgets/WindowKit.h"

#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {

// A sunken text panel with centred bold text, shown exactly as given.
QLabel* MakeTextPanel(QWidget* parent, const char* name)
{
    auto* text = new QLabel(parent);
    text->setObjectName(name);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setAlignment(Qt::AlignCenter);
    text->setTextFormat(Qt::PlainText);
    text->setAutoFillBackground(true);
    text->setMinimumHeight(19);
    QFont font = text->font();
    font.setBold(true);
    text->setFont(font);
    return text;
}

// Screen readers meet the team window as a window (a bare QWidget reads as a filler).
QAccessibleInterface* TeamWindowAccessible(const QString& key, QObject* object)
{
    if (key == QLatin1String("TeamWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

TeamWindow::TeamWindow(Gral& gral, double day, QWidget* parent) : QWidget(parent, Qt::Window), gral_(gral)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(TeamWindowAccessible), true);
    (void)accessibleInstalled;
    setObjectName("TeamWindow");
    setWindowTitle(QStringLiteral("Equipo"));
    setAttribute(Qt::WA_DeleteOnClose);
    BuildControls();
    SetHelpContext(this, HelpTeam);
    ShowDay(day);
    // The names and the chart's 24 columns without scrolling sideways, and room for about fifteen members.
    const int gridWidth = Grid1->horizontalHeader()->length() + Grid1->verticalScrollBar()->sizeHint().width() +
                          2 * Grid1->frameWidth();
    const QMargins margins = layout()->contentsMargins();
    QSize size(gridWidth + margins.left() + margins.right(), 640);
    // Never taller than the screen's free area (leaving room for the frame),
    // and centred on it; what is too wide for the screen scrolls or is resized.
    if (const QScreen* area = screen())
        size.setHeight(std::min(size.height(), area->availableGeometry().height() - 48));
    resize(size);
    CentreOnScreen(*this);
}

void TeamWindow::BuildControls()
{
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* dateLabel = new QLabel(QStringLiteral("Fecha"), this);
    QFont bold = dateLabel->font();
    bold.setBold(true);
    dateLabel->setFont(bold);
    DateTime1 = new DatePicker(this);
    DateTime1->setObjectName("DateTime1");
    DateTime1->setMinimumDate(QDate(1900, 1, 1));
    DateTime1->setCalendarPopup(true);
    DateTime1->setMinimumWidth(248);
    DateTime1->setAccessibleName(QStringLiteral("Fecha"));
    dateLabel->setBuddy(DateTime1);
    Button1 = new QPushButton(QStringLiteral("Aplicar fecha"), this);
    Button1->setObjectName("Button1");
    Button2 = new QPushButton(QStringLiteral("Imprimir"), this);
    Button2->setObjectName("Button2");
    Button3 = new QPushButton(QStringLiteral("Ayuda"), this);
    Button3->setObjectName("Button3");
    for (QPushButton* button : {Button1, Button2, Button3})
        button->setAutoDefault(true); // Enter on a focused button presses it
    top->addWidget(dateLabel);
    top->addWidget(DateTime1);
    top->addWidget(Button1);
    top->addStretch(1);
    top->addWidget(Button2);
    top->addWidget(Button3);
    layout->addLayout(top);

    // The region as the main window's status bar shows it.
    auto* region = new QHBoxLayout;
    auto panel = [this, region](const char* name, int stretch) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        SetRegionPanelLook(*label);
        region->addWidget(label, stretch);
        return label;
    };
    StatusPanel0 = panel("StatusPanel0", 1);
    StatusPanel1 = panel("StatusPanel1", 0);
    StatusPanel1->setMinimumWidth(160);
    StatusPanel1->setAlignment(Qt::AlignCenter);
    layout->addLayout(region);

    Grid1 = new TeamGridView(this);
    Grid1->setObjectName("Grid1");
    layout->addWidget(Grid1, 1);

    // The legend of the five levels, as under the main window's chart.
    auto* legend = new QHBoxLayout;
    legend->addStretch(1);
    for (int level = 1; level <= 5; ++level) {
        QLabel* box = MakeTextPanel(this, "");
        box->setObjectName(QStringLiteral("TextCol%1").arg(level));
        box->setText(LevelName(level));
        box->setMinimumWidth(85);
        legend->addWidget(box);
    }
    legend->addStretch(1);
    layout->addLayout(legend);

    Text1 = new QLabel(this);
    Text1->setObjectName("Text1");
    Text1->setTextFormat(Qt::PlainText);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setFont(bold);
    layout->addWidget(Text1);
    Text2 = MakeTextPanel(this, "Text2");
    layout->addWidget(Text2);
    Text3 = MakeTextPanel(this, "Text3");
    Text4 = MakeTextPanel(this, "Text4");
    Text5 = MakeTextPanel(this, "Text5");
    for (QLabel* text : {Text3, Text4, Text5}) {
        SetFillAndText(*text, ColourFromRgb(0, 128, 128), ColourFromRgb(255, 255, 0));
        layout->addWidget(text);
    }
    for (QLabel* text : {Text1, Text2, Text3, Text4, Text5})
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1_Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2_Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { ShowHelp(gral_.platform, HelpTeam); });
    connect(Grid1, &TeamGridView::momentChosen, this, &TeamWindow::Grid1_Moment);
    connect(Grid1, &TeamGridView::memberOpened, this, &TeamWindow::Grid1_Open);
    connect(Grid1, &TeamGridView::sortChosen, Grid1, &TeamGridView::sortAt);
    setTabOrder(DateTime1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Grid1);
    DateTime1->setFocus(); // where the keyboard starts when the window opens
}

QString TeamWindow::TeamNoPrinterMessage()
{
    return QStringLiteral("No hay una impresora predeterminada en el sistema, por lo que la hoja del equipo no se "
                          "puede imprimir.\r\r¿Desea guardarla en un archivo PDF?");
}

QString TeamWindow::MomentHint()
{
    return QStringLiteral("Un clic en una celda muestra aquí los textos de ese momento.");
}

void TeamWindow::ShowRegion(const QString& zone, const QString& daylight)
{
    StatusPanel0->setText(zone);
    StatusPanel1->setText(daylight);
    // Room for the text clear of the sunken edge, as the main window's panel has.
    const int needed = StatusPanel1->fontMetrics().horizontalAdvance(daylight) + 2 * StatusPanel1->frameWidth() + 16;
    StatusPanel1->setMinimumWidth(std::max(160, needed));
}

void TeamWindow::ShowDay(double day)
{
    day_ = std::floor(day);
    DateTime1->setDate(DateFromDayNumber(day_));
    ClearMoment();
    Refresh(false);
}

void TeamWindow::Refresh(bool membersChanged)
{
    const int sortHour = Grid1->teamModel()->grid().sortHour;
    HoldCalendarDays(gral_, day_, 0);
    TeamGrid grid = ComposeTeamGrid(gral_.calendar, gral_.environment.systemDateFormat, gral_.members, day_);
    if (sortHour >= 0)
        SortTeamAtHour(grid, sortHour);
    Grid1->showGrid(std::move(grid), gral_.levelColors);
    for (int level = 1; level <= 5; ++level) {
        SetLevelFill(*findChild<QLabel*>(QStringLiteral("TextCol%1").arg(level)), gral_.levelColors[size_t(level - 1)]);
    }
    if (membersChanged) {
        ClearMoment();
        return;
    }
    // The moment shown stays, in the new colours and the new region's spans.
    const QList<TeamRow>& rows = Grid1->teamModel()->grid().rows;
    for (qsizetype row = 0; row < rows.size(); ++row)
        if (rows.at(row).memberIndex == momentMember_)
            return Grid1_Moment(int(row), momentMinute_);
}

void TeamWindow::ClearMoment()
{
    momentMember_ = -1;
    for (QLabel* text : {Text2, Text3, Text4, Text5})
        text->clear();
    Text1->setText(MomentHint());
    SetFillAndText(*Text2, SilverColour, 0);
}

void TeamWindow::Grid1_Moment(int row, int minuteOfDay)
{
    if (DateFormatChanged(gral_))
        return;
    const QList<TeamRow>& rows = Grid1->teamModel()->grid().rows;
    if (row < 0 || row >= rows.size())
        return;
    const TeamRow& member = rows.at(row);
    const std::optional<TeamSpan> span = SpanAt(member, minuteOfDay);
    if (!span)
        return;
    const MomentTexts texts = MomentTextsFor(gral_.levelColors, member.memberSign, span->sign);
    Text1->setText(member.entry);
    Text2->setText(ClickedMomentHeadline(day_, minuteOfDay, texts.headline));
    SetLevelFill(*Text2, texts.fill);
    Text3->setText(texts.game);
    Text4->setText(texts.disposition);
    Text5->setText(texts.recommendation);
    momentMember_ = member.memberIndex;
    momentMinute_ = minuteOfDay;
}

void TeamWindow::Grid1_Open(int row)
{
    if (DateFormatChanged(gral_))
        return;
    const QList<TeamRow>& rows = Grid1->teamModel()->grid().rows;
    if (row >= 0 && row < rows.size())
        emit memberOpened(rows.at(row).memberIndex, day_);
}

void TeamWindow::Button1_Click()
{
    if (DateFormatChanged(gral_))
        return;
    const Result<QDate> entered = DateTime1->enteredDate();
    if (!entered) {
        ProgramMessage(gral_, entered.failure());
        return;
    }
    const double day = DayNumberFromDate(*entered);
    const QString message = CoveredPeriodMessage(gral_, DateOrigin::Entered, day);
    if (!message.isEmpty()) {
        ProgramMessage(gral_, message, StyleExclamation);
        ShowDay(gral_.calendar.coveredPeriod.nearestEnd(day));
        return;
    }
    if (std::floor(day) != day_)
        ShowDay(day);
    else
        DateTime1->setDate(*entered);
}

void TeamWindow::Button2_Click()
{
    if (DateFormatChanged(gral_))
        return;
    PrintJob job;
    job.name = QStringLiteral("Equipo");
    job.noPrinterMessage = TeamNoPrinterMessage();
    job.pdfDialogTitle = QStringLiteral("Guardar equipo como PDF");
    job.date = day_;
    job.landscape = true;
    job.marginMm = 10; // a printer clips what lies nearer its edge
    job.fileName = QStringLiteral("Equipo ") + DateFromDayNumber(day_).toString(Qt::ISODate);
    const TeamGrid grid = Grid1->teamModel()->grid();
    const TeamPrintHeading heading{StatusPanel0->text(), StatusPanel1->text()};
    job.compose = [this, grid, heading](PrintCanvas& canvas) {
        return ComposeTeamPrint(gral_.levelColors, canvas, grid, heading);
    };
    PrintDocument(gral_, job);
}

void TeamWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && DateTime1->hasFocus()) {
        Button1_Click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
