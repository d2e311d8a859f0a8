// The team window of the full edition, driven beside the main window: its
// menu entry, the grid against the main window's chart span by span, clicks
// and their texts, the orders, opening a member in the main window, the date
// checks, following changes, the keyboard, screen-reader words and printing.
#include "widgets/DatePicker.h"
#include "support/PdfText.h"
#include "core/Edition.h"
#include "help/HelpContext.h"
#include "tendencies/PrintTendencies.h"
#include "widgets/QtColour.h"
#include "settings/SettingsStore.h"
#include "calendar/SignCalendar.h"
#include "tendencies/TForm1.h"
#include "settings/TForm3.h"
#include "tendencies/TeamGridView.h"
#include "tendencies/TeamWindow.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/MainWindowFixture.h"
#include "tendencies/TendencyTestSupport.h"
#include "tendencies/WeekChart.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString MemberLine(const QString& date, const QString& name)
{
    return date + name.leftJustified(60, u' ');
}

// Five members of four member signs (PÉREZ and GÓMEZ share one).
const QStringList Team = {
    MemberLine("05/05/1990", "PÉREZ, LUIS"), MemberLine("21/04/1985", "GÓMEZ, RAÚL"),
    MemberLine("01/11/1980", "LÓPEZ, ANA"),  MemberLine("15/01/1970", "ÁBALOS, EVA"),
    MemberLine("10/04/2000", "ZAPATA, JUAN"),
};

QString Entry(const QString& line)
{
    return line.mid(10).trimmed() + " - " + line.left(10);
}

// The row of a member's entry in the team grid, -1 when it is not there.
int RowOf(const TeamWindow& team, const QString& entry)
{
    const QList<TeamRow>& rows = team.Grid1->teamModel()->grid().rows;
    for (int row = 0; row < rows.size(); ++row)
        if (rows[row].entry == entry)
            return row;
    return -1;
}

QStringList Entries(const TeamWindow& team)
{
    QStringList entries;
    for (const TeamRow& row : team.Grid1->teamModel()->grid().rows)
        entries << row.entry;
    return entries;
}

// The centre of a grid cell, `x` pixels into it when given.
QPoint CellPoint(const TeamWindow& team, int row, int column, int x = -1)
{
    const QRect cell = team.Grid1->visualRect(team.Grid1->model()->index(row, column));
    return x < 0 ? cell.center() : QPoint(cell.left() + x, cell.center().y());
}

struct MomentSeen {
    QString headline, game, disposition, recommendation;
    QColor fill, text;
    bool operator==(const MomentSeen&) const = default;
};
MomentSeen Seen(QLabel* t2, QLabel* t3, QLabel* t4, QLabel* t5)
{
    return {t2->text(), t3->text(), t4->text(), t5->text(), t2->palette().color(QPalette::Window),
            t2->palette().color(QPalette::WindowText)};
}
} // namespace

class TestTeamWindow : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuEntryOnlyInTheFullEdition_data();
    void menuEntryOnlyInTheFullEdition();
    void opensOnTheShownDay();
    void gridEqualsTheChartSpanBySpan_data();
    void gridEqualsTheChartSpanBySpan();
    void clickShowsTheMainWindowsTexts_data();
    void clickShowsTheMainWindowsTexts();
    void headingsSortAndMarkTheHour();
    void doubleClickOpensTheMember();
    void datesOutsideThePeriod_data();
    void datesOutsideThePeriod();
    void followsColoursRegionAndMembers();
    void keyboardOnly();
    void screenReaderWords();
    void printsToPdfOnSeveralPages();

private:
    std::unique_ptr<TForm1> makeWindow(QDate today);
    TeamWindow* openTeam(TForm1& w);
    void showInMain(TForm1& w, int memberIndex, QDate day);
    void applyTeam(TeamWindow& team, QDate day);

};

void TestTeamWindow::init()
{
    ResetMainWindow(FullEdition(), Team, {DemoEdition().helpFileName, FullEdition().helpFileName});
}

void TestTeamWindow::cleanup()
{
    ReleaseMainWindow();
}

std::unique_ptr<TForm1> TestTeamWindow::makeWindow(QDate today)
{
    return MakeMainWindow(13, "(GMT+01:00) Madrid", today);
}

TeamWindow* TestTeamWindow::openTeam(TForm1& w)
{
    if (!w.Equipo1)
        return nullptr;
    w.Equipo1->trigger();
    TeamWindow* team = w.TeamView();
    if (team && !QTest::qWaitForWindowExposed(team))
        qWarning("team window not shown");
    return team;
}

// The member chosen in the member box with the keyboard, and the day applied.
void TestTeamWindow::showInMain(TForm1& w, int memberIndex, QDate day)
{
    QApplication::setActiveWindow(&w);
    w.Combo1->setFocus();
    QTest::keyClick(w.Combo1, Qt::Key_Home);
    for (int i = 0; i < memberIndex; ++i)
        QTest::keyClick(w.Combo1, Qt::Key_Down);
    w.DateTime1->setDate(day);
    w.DateTime1->setFocus();
    QTest::mouseClick(w.Button1, Qt::LeftButton);
}

void TestTeamWindow::applyTeam(TeamWindow& team, QDate day)
{
    team.DateTime1->setDate(day);
    QTest::mouseClick(team.Button1, Qt::LeftButton);
}

void TestTeamWindow::menuEntryOnlyInTheFullEdition_data()
{
    QTest::addColumn<bool>("full");
    QTest::newRow("DEMO") << false;
    QTest::newRow("full edition") << true;
}

void TestTeamWindow::menuEntryOnlyInTheFullEdition()
{
    QFETCH(bool, full);
    UseEdition(full ? FullEdition() : DemoEdition());
    auto w = makeWindow(QDate(2025, 6, 15));
    auto* entry = w->findChild<QAction*>("Equipo1");
    QCOMPARE(entry != nullptr, full);
    const QList<QAction*> entries = w->menuBar()->actions().first()->menu()->actions();
    QCOMPARE(entries.contains(entry), full);
    if (!full)
        return;
    QCOMPARE(entry->text(), QString("&Equipo..."));
    // Right after "Gestión de Integrantes", with a mnemonic no other entry of the menu has.
    QCOMPARE(entries.indexOf(entry), entries.indexOf(w->Archiv6) + 1);
    QList<QChar> mnemonics;
    for (QAction* action : entries)
        if (const qsizetype at = action->text().indexOf('&'); at >= 0)
            mnemonics << action->text().at(at + 1).toLower();
    QCOMPARE(mnemonics.count(QChar('e')), 1);
    QCOMPARE(QSet<QChar>(mnemonics.begin(), mnemonics.end()).size(), mnemonics.size());
}

void TestTeamWindow::opensOnTheShownDay()
{
    auto w = makeWindow(QDate(2025, 6, 15));
    showInMain(*w, 0, QDate(2031, 3, 9));
    TeamWindow* team = openTeam(*w);
    QVERIFY(team);
    QCOMPARE(team->windowTitle(), QString("Equipo"));
    QVERIFY(!team->isModal());
    QVERIFY(team->minimumSize() != team->maximumSize()); // the user may size it
    QVERIFY(!team->Grid1->horizontalScrollBar()->isVisible()); // names and 24 hours at once
    QVERIFY(team->Grid1->columnWidth(0) >= 200);
    QCOMPARE(team->Grid1->columnWidth(1), ChartHourWidth);
    QCOMPARE(team->Grid1->columnWidth(24), ChartHourWidth + 1);
    QCOMPARE(team->DateTime1->date(), QDate(2031, 3, 9));
    QCOMPARE(team->StatusPanel0->text(), w->StatusPanel0->text());
    QCOMPARE(team->StatusPanel1->text(), QString("Horario verano: NO"));
    QCOMPARE(Entries(*team), QStringList({Entry(Team[3]), Entry(Team[1]), Entry(Team[2]), Entry(Team[0]),
                                          Entry(Team[4])}));
    // The main window goes on by itself; the menu entry brings the same window back.
    showInMain(*w, 2, QDate(2031, 3, 10));
    QCOMPARE(team->DateTime1->date(), QDate(2031, 3, 9));
    w->Equipo1->trigger();
    QCOMPARE(w->TeamView(), team);
    QCOMPARE(w->findChildren<TeamWindow*>().size(), 1);
}

void TestTeamWindow::gridEqualsTheChartSpanBySpan_data()
{
    QTest::addColumn<QDate>("day");
    QTest::newRow("today") << QDate(2025, 6, 15);
    QTest::newRow("a year later, the calendar's window moves") << QDate(2026, 9, 30);
    QTest::newRow("new year's day") << QDate(2027, 1, 1);
    QTest::newRow("the period's first day") << QDate(1900, 1, 1);
    QTest::newRow("the period's last day") << QDate(2100, 12, 31);
    QTest::newRow("a day with a change") << QDate(2025, 6, 16); // at 19:10 in Madrid
}

// For every member: the team grid's row is the main window's first chart row,
// pixel for pixel, and its spans are the calendar's spans of that day with the
// colours the chart shows for them.
void TestTeamWindow::gridEqualsTheChartSpanBySpan()
{
    QFETCH(QDate, day);
    auto w = makeWindow(QDate(2025, 6, 15));
    TeamWindow* team = openTeam(*w);
    QVERIFY(team);
    applyTeam(*team, day);
    QCOMPARE(team->DateTime1->date(), day);
    int changes = 0;
    for (int member = 0; member < Team.size(); ++member) {
        showInMain(*w, member, day);
        QCOMPARE(w->DateLabels[0]->text(), day.toString("dd/MM/yyyy"));
        QCOMPARE(w->Combo1->currentText(), Entry(Team[member]));
        const int row = RowOf(*team, Entry(Team[member]));
        QVERIFY(row >= 0);
        const QImage chartRow = w->Image1->image().copy(0, 0, ChartWidth, ChartRowHeight + 1);
        QCOMPARE(team->Grid1->teamModel()->rowImage(row), chartRow);
        const TeamRow& data = team->Grid1->teamModel()->grid().rows[row];
        QVERIFY(!data.spans.isEmpty());
        QCOMPARE(data.spans.first().fromMinute, 0);
        QCOMPARE(data.spans.last().toMinute, 23 * 60 + 59);
        for (qsizetype i = 0; i < data.spans.size(); ++i) {
            const TeamSpan& span = data.spans[i];
            if (i > 0)
                QCOMPARE(span.fromMinute, data.spans[i - 1].toMinute + 1);
            // The chart's colour at the span's first or last hour is the span's level colour.
            const int x = i == 0 ? 5 : ChartWidth - 10;
            QCOMPARE(FromQColor(QColor(w->Image1->pixel(x, 10))), gral_->levelColors[size_t(span.level - 1)]);
        }
        changes += int(data.spans.size()) - 1;
    }
    // What the grid shows on the screen is that picture, row by row.
    const QImage shown = team->Grid1->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < Team.size(); ++row) {
        const QRect cell = team->Grid1->visualRect(team->Grid1->model()->index(row, 1));
        QCOMPARE(shown.copy(cell.left(), cell.top(), ChartWidth, ChartRowHeight),
                 team->Grid1->teamModel()->rowImage(row).copy(0, 0, ChartWidth, ChartRowHeight));
    }
    if (QTest::currentDataTag() == QByteArray("a day with a change"))
        QCOMPARE(changes, Team.size());
    // The team window did not disturb the main window's week.
    QCOMPARE(w->DateLabels[6]->text().isEmpty(), day == QDate(2100, 12, 31));
}

void TestTeamWindow::clickShowsTheMainWindowsTexts_data()
{
    QTest::addColumn<int>("member");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("x"); // pixels into the hour's cell
    QTest::newRow("morning") << 0 << 9 << 5;
    QTest::newRow("afternoon, another member") << 2 << 16 << 20;
    QTest::newRow("the hour of the change, before it") << 3 << -1 << 2;
    QTest::newRow("the hour of the change, after it") << 4 << -1 << 26;
}

void TestTeamWindow::clickShowsTheMainWindowsTexts()
{
    QFETCH(int, member);
    QFETCH(int, hour);
    QFETCH(int, x);
    auto w = makeWindow(QDate(2025, 6, 15));
    // A day with a change of sign in the afternoon, the hour of the change when asked for.
    QDate day(2025, 6, 15);
    int changeHour = -1;
    for (; changeHour < 0; day = day.addDays(1)) {
        const TeamGrid grid = ComposeTeamGrid(*gral_, DayNumberFromDate(day));
        const int minute = grid.rows[0].spans.size() == 2 ? grid.rows[0].spans[1].fromMinute % 60 : -1;
        if (minute >= 10 && minute <= 50) { // clicks 2 and 26 pixels into the hour fall either side
            changeHour = grid.rows[0].spans[1].fromMinute / 60;
            break;
        }
        QVERIFY(day < QDate(2026, 6, 15));
    }
    if (hour < 0)
        hour = changeHour;
    TeamWindow* team = openTeam(*w);
    applyTeam(*team, day);
    const int row = RowOf(*team, Entry(Team[member]));
    QTest::mouseClick(team->Grid1->viewport(), Qt::LeftButton, {}, CellPoint(*team, row, hour + 1, x));
    QCOMPARE(team->Text1->text(), Entry(Team[member]));
    const MomentSeen inTeam = Seen(team->Text2, team->Text3, team->Text4, team->Text5);

    showInMain(*w, member, day);
    QTest::mouseClick(w->Image1, Qt::LeftButton, {}, QPoint(ChartHourWidth * hour + x, 10));
    const MomentSeen inMain = Seen(w->Text2, w->Text3, w->Text4, w->Text5);
    QCOMPARE(inTeam.headline, inMain.headline);
    QVERIFY(inTeam.headline.contains(QString(" - %1:").arg(hour, 2, 10, QChar('0'))));
    QCOMPARE(inTeam, inMain);
    // A click on a grid line is nothing, as on the chart.
    QTest::mouseClick(team->Grid1->viewport(), Qt::LeftButton, {}, CellPoint(*team, (row + 1) % 5, 3, 0));
    QCOMPARE(team->Text1->text(), Entry(Team[member]));
}

void TestTeamWindow::headingsSortAndMarkTheHour()
{
    auto w = makeWindow(QDate(2025, 6, 15));
    TeamWindow* team = openTeam(*w);
    QHeaderView* header = team->Grid1->horizontalHeader();
    const QStringList byName = Entries(*team);
    QCollator collator{QLocale(QLocale::Spanish)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (int hour : {23, 16, 3}) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(hour + 1) + 10, header->height() / 2));
        const TeamGrid& grid = team->Grid1->teamModel()->grid();
        QCOMPARE(grid.sortHour, hour);
        QCOMPARE(team->Text1->text(), TeamWindow::MomentHint()); // a heading chooses no moment
        if (hour != 23)
            QCOMPARE(header->sectionSize(0), 300); // the names as wide as the user made them
        // Best first; a tie goes by name.
        for (int i = 1; i < grid.rows.size(); ++i) {
            const int before = SpanAt(grid.rows[i - 1], hour * 60)->level;
            const int after = SpanAt(grid.rows[i], hour * 60)->level;
            QVERIFY(before <= after);
            if (before == after)
                QVERIFY(collator.compare(grid.rows[i - 1].name, grid.rows[i].name) < 0);
        }
        // The hour is marked: its heading bold, white on black, and only its.
        for (int section = 0; section <= 24; ++section) {
            const QVariant font = team->Grid1->model()->headerData(section, Qt::Horizontal, Qt::FontRole);
            const QVariant back = team->Grid1->model()->headerData(section, Qt::Horizontal, Qt::BackgroundRole);
            QCOMPARE(font.isValid() && font.value<QFont>().bold(), section == hour + 1);
            QCOMPARE(back.isValid() ? back.value<QBrush>().color() : QColor(), section == hour + 1 ? QColor(Qt::black) : QColor());
        }
        // Seen on the screen: the heading's middle is black.
        const QImage heading = header->grab().toImage();
        QCOMPARE(heading.pixelColor(header->sectionViewportPosition(hour + 1) + 2, 3), QColor(Qt::black));
        header->resizeSection(0, 300); // as the user may widen the names
    }
    // The name heading: back to the order by name.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(20, header->height() / 2));
    QCOMPARE(Entries(*team), byName);
    QCOMPARE(team->Grid1->teamModel()->grid().sortHour, -1);
    QVERIFY(!team->Grid1->model()->headerData(17, Qt::Horizontal, Qt::BackgroundRole).isValid());
    // Another day keeps the order at the chosen hour.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(17) + 10, header->height() / 2));
    applyTeam(*team, QDate(2025, 6, 20));
    QCOMPARE(team->Grid1->teamModel()->grid().sortHour, 16);
}

void TestTeamWindow::doubleClickOpensTheMember()
{
    auto w = makeWindow(QDate(2025, 6, 15));
    TeamWindow* team = openTeam(*w);
    applyTeam(*team, QDate(2025, 8, 2));
    const int row = RowOf(*team, Entry(Team[4]));
    QTest::mouseDClick(team->Grid1->viewport(), Qt::LeftButton, {}, CellPoint(*team, row, 0));
    QCOMPARE(w->Combo1->currentIndex(), 4);
    QCOMPARE(gral_->members.memberSign, MemberSignOf(Day(2000, 4, 10)));
    QCOMPARE(w->DateLabels[0]->text(), QString("02/08/2025"));
    QCOMPARE(w->DateTime1->date(), QDate(2025, 8, 2));
    // The member's chart row and the team row agree.
    QCOMPARE(team->Grid1->teamModel()->rowImage(row), w->Image1->image().copy(0, 0, ChartWidth, ChartRowHeight + 1));
    // On an hour cell too.
    const int other = RowOf(*team, Entry(Team[1]));
    QTest::mouseDClick(team->Grid1->viewport(), Qt::LeftButton, {}, CellPoint(*team, other, 12));
    QCOMPARE(w->Combo1->currentIndex(), 1);
    QVERIFY(messages_->messages().isEmpty());
}

void TestTeamWindow::datesOutsideThePeriod_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QDate>("shown");
    QTest::newRow("after") << QDate(2101, 1, 1)
                           << "La fecha ingresada es posterior a la fecha con la cual finaliza este programa.\r\r"
                              "El mismo termina el \"31/12/2100\""
                           << QDate(2100, 12, 31);
    QTest::newRow("last day") << QDate(2100, 12, 31) << QString() << QDate(2100, 12, 31);
    QTest::newRow("first day") << QDate(1900, 1, 1) << QString() << QDate(1900, 1, 1);
}

void TestTeamWindow::datesOutsideThePeriod()
{
    QFETCH(QDate, date);
    QFETCH(QString, message);
    QFETCH(QDate, shown);
    auto w = makeWindow(QDate(2025, 6, 15));
    TeamWindow* team = openTeam(*w);
    QCOMPARE(team->DateTime1->minimumDate(), QDate(1900, 1, 1)); // no earlier day can be picked
    applyTeam(*team, date);
    QCOMPARE(messages_->texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(team->DateTime1->date(), shown);
    QCOMPARE(team->Grid1->teamModel()->grid().day, DayNumberFromDate(shown));
    QVERIFY(team->Grid1->teamModel()->grid().dayFound);
    // The main window stays where it was.
    QCOMPARE(w->DateLabels[0]->text(), QString("15/06/2025"));
}

void TestTeamWindow::followsColoursRegionAndMembers()
{
    SettingsStore().setLevelColours({0x010101, 0x020202, 0x030303, 0x040404, 0x050505});
    auto w = makeWindow(QDate(2025, 6, 15));
    TeamWindow* team = openTeam(*w);
    const int row = RowOf(*team, Entry(Team[0]));
    QTest::mouseClick(team->Grid1->viewport(), Qt::LeftButton, {}, CellPoint(*team, row, 11));
    QVERIFY(FromQColor(QColor(team->Grid1->teamModel()->rowImage(row).pixel(5, 5))) < 0x060606);

    // "Restaurar colores" in the main window.
    w->Archiv3->trigger();
    const QRgb first = team->Grid1->teamModel()->rowImage(row).pixel(5, 5);
    QVERIFY(std::find(DefaultLevelColors.begin(), DefaultLevelColors.end(), FromQColor(QColor(first))) !=
            DefaultLevelColors.end());
    QCOMPARE(team->findChild<QLabel*>("TextCol5")->palette().color(QPalette::Window), QColor(255, 0, 0));
    // The moment shown stays, in the new colour.
    QCOMPARE(team->Text1->text(), Entry(Team[0]));
    QCOMPARE(FromQColor(team->Text2->palette().color(QPalette::Window)),
             FromQColor(QColor(team->Grid1->teamModel()->rowImage(row).pixel(28 * 11 + 5, 5))));

    // Another region, confirmed in the regional window.
    modal_->push([&](QDialog& window) {
        auto* region = qobject_cast<TForm3*>(&window);
        if (!region)
            return -1;
        region->Combo1->setCurrentIndex(3); // "(GMT-09:00) Alaska"
        emit region->Combo1->activated(3);
        region->Check1->setChecked(true);
        QTest::mouseClick(region->Button1, Qt::LeftButton);
        return window.result();
    });
    w->Archiv1->trigger();
    QCOMPARE(team->StatusPanel0->text(), QString("(GMT-09:00) Alaska"));
    QCOMPARE(team->StatusPanel1->text(), QString("Horario verano: SI"));
    showInMain(*w, 0, QDate(2025, 6, 15));
    QCOMPARE(team->Grid1->teamModel()->rowImage(RowOf(*team, Entry(Team[0]))),
             w->Image1->image().copy(0, 0, ChartWidth, ChartRowHeight + 1));

    // A member added in the members window, which reads the members file back on closing.
    QByteArray records;
    for (const QString& line : Team + QStringList{MemberLine("02/02/2002", "BALBOA, ROCÍO")})
        records += RawMemberRecord(DayNumberFromDate(QDate::fromString(line.left(10), "dd/MM/yyyy")),
                                   line.mid(10).trimmed().toLatin1());
    QVERIFY(WriteBytes(gral_->environment.dataFolder + "Fechas.dat", records));
    w->Archiv6->trigger();
    QCOMPARE(gral_->members.memberList.size(), 6);
    QCOMPARE(team->Grid1->model()->rowCount(), 6);
    QCOMPARE(Entries(*team).at(1), QString("BALBOA, ROCÍO - 02/02/2002"));
    QCOMPARE(team->Text1->text(), TeamWindow::MomentHint()); // the moment shown is forgotten with the old list
    QVERIFY(team->Text2->text().isEmpty());
}

void TestTeamWindow::keyboardOnly()
{
    QList<int> topics;
    test_->platform.onShowHelpTopic = [&](HelpContext topic) { topics << topic; };
    QObject* helpKey = InstallHelpKey(*gral_);
    auto w = makeWindow(QDate(2025, 6, 15));
    // The menu entry by its mnemonic.
    QTest::keyClick(w.get(), Qt::Key_P, Qt::AltModifier);
    QMenu* menu = w->menuBar()->actions().first()->menu();
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_E);
    TeamWindow* team = w->TeamView();
    QVERIFY(team);
    QTRY_VERIFY(team->isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), team->DateTime1);

    // A date typed and applied with Enter.
    QTest::keyClicks(team->DateTime1, "01072025");
    QTest::keyClick(team->DateTime1, Qt::Key_Return);
    QCOMPARE(team->Grid1->teamModel()->grid().day, Day(2025, 7, 1));

    // Tab on to the grid; the arrows walk the cells and show each hour's start.
    for (int i = 0; i < 4 && QApplication::focusWidget() != team->Grid1; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), team->Grid1);
    team->Grid1->setCurrentIndex(team->Grid1->model()->index(0, 0));
    QTest::keyClick(team->Grid1, Qt::Key_Right);
    QTest::keyClick(team->Grid1, Qt::Key_Right);
    QCOMPARE(team->Grid1->currentIndex().column(), 2);
    QVERIFY(team->Text2->text().startsWith("martes 1 de julio - 01:00 hs. - Tendencias "));
    QTest::keyClick(team->Grid1, Qt::Key_Down);
    QCOMPARE(team->Text1->text(), team->Grid1->teamModel()->grid().rows[1].entry);
    // O sorts at the cell's hour; on the names, by name again. The cursor stays on its member.
    auto currentMember = [team] {
        const int row = team->Grid1->currentIndex().row();
        return row < 0 ? -1 : team->Grid1->teamModel()->grid().rows.at(row).memberIndex;
    };
    const int before = currentMember();
    QTest::keyClick(team->Grid1, Qt::Key_O);
    QCOMPARE(team->Grid1->teamModel()->grid().sortHour, 1);
    QCOMPARE(currentMember(), before);
    QCOMPARE(team->Grid1->currentIndex().column(), 2);
    QTest::keyClick(team->Grid1, Qt::Key_Home);
    QTest::keyClick(team->Grid1, Qt::Key_O);
    QCOMPARE(team->Grid1->teamModel()->grid().sortHour, -1);
    QCOMPARE(currentMember(), before);
    // F1: the team window's topic.
    QTest::keyClick(team->Grid1, Qt::Key_F1);
    QCOMPARE(topics, QList<int>{HelpTeam});
    QTest::mouseClick(team->Button3, Qt::LeftButton);
    QCOMPARE(topics, QList<int>({HelpTeam, HelpTeam}));
    // Enter: the member of the current row in the main window.
    const int member = team->Grid1->teamModel()->grid().rows[team->Grid1->currentIndex().row()].memberIndex;
    QTest::keyClick(team->Grid1, Qt::Key_Return);
    QCOMPARE(w->Combo1->currentIndex(), member);
    QCOMPARE(w->DateLabels[0]->text(), QString("01/07/2025"));
    // Esc closes the team window.
    QTest::keyClick(team->Grid1, Qt::Key_Escape);
    QTRY_VERIFY(!w->TeamView());
    delete helpKey;
}

void TestTeamWindow::screenReaderWords()
{
    auto w = makeWindow(QDate(2025, 6, 15));
    TeamWindow* team = openTeam(*w);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(team->Grid1);
    QVERIFY(grid);
    QCOMPARE(grid->text(QAccessible::Name), QString("Tendencias del equipo"));
    QVERIFY(grid->text(QAccessible::Description).contains("Flechas"));
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 5);
    QCOMPARE(table->columnCount(), 25);
    const TeamRow& first = team->Grid1->teamModel()->grid().rows[0];
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), first.entry);
    const QString words = table->cellAt(0, 17)->text(QAccessible::Name);
    QCOMPARE(words, first.name + ", " + DescribeTeamHour(first, 16));
    QVERIFY(words.contains(LevelName(SpanAt(first, 16 * 60)->level)));
    QCOMPARE(table->columnDescription(17), QString("16"));
    // The window is a window to a screen reader, not a filler; the daylight panel's
    // longest text keeps clear of its edge; an applied date leaves no selection.
    QCOMPARE(QAccessible::queryAccessibleInterface(team)->role(), QAccessible::Window);
    team->ShowRegion("(GMT+01:00) Madrid", "Horario verano: según la fecha");
    QApplication::processEvents();
    const QLabel* panel = team->StatusPanel1;
    QVERIFY(panel->width() >= panel->fontMetrics().horizontalAdvance(panel->text()) + 2 * panel->frameWidth() + 12);
    team->DateTime1->setFocus();
    QTest::keyClicks(team->DateTime1, "01/07/2025");
    QTest::keyClick(team->DateTime1, Qt::Key_Return);
    team->Grid1->setFocus();
    QVERIFY(!team->DateTime1->findChild<QLineEdit*>("qt_spinbox_lineedit")->hasSelectedText());
}

void TestTeamWindow::printsToPdfOnSeveralPages()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    for (int i = 0; i < 55; ++i)
        gral_->members.memberList << MemberLine(QString("%1/03/1990").arg(1 + i % 28, 2, 10, QChar('0')),
                                        QString("SUPLENTE %1").arg(i + 1, 2, 10, QChar('0')));
    QTemporaryDir folder;
    const QString path = folder.filePath("equipo");
    QStringList suggested, titles;
    test_->platform.onChoosePdfFile = [&](const QString& title, const QString& suggestion) {
        titles << title;
        suggested << suggestion;
        return path;
    };
    auto w = makeWindow(QDate(2025, 6, 15));
    TeamWindow* team = openTeam(*w);
    QTest::mouseClick(team->Button2, Qt::LeftButton);
    // Asked about the team's sheet, not the tendencies of the main print.
    QCOMPARE(messages_->texts(),
             QStringList{"No hay una impresora predeterminada en el sistema, por lo que la hoja del equipo no se "
                         "puede imprimir.\r\r¿Desea guardarla en un archivo PDF?"});
    QCOMPARE(messages_->messages().first().style, int(StyleOkCancel));
    QCOMPARE(titles, QStringList{"Guardar equipo como PDF"});
    QCOMPARE(suggested.size(), 1);
    QVERIFY2(suggested.first().endsWith("/Equipo 2025-06-15.pdf"), qPrintable(suggested.first()));
    QVERIFY(QFile::exists(path + ".pdf"));

    const QStringList pages = PdfLayoutText(path + ".pdf").split('\f', Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    for (const QString& page : pages.mid(0, 2)) {
        QVERIFY(page.contains("ZELTMARK - PRONOS - EQUIPO"));
        QVERIFY(page.contains("domingo 15 de junio de 2025"));
        QVERIFY(page.contains("(GMT+01:00) Madrid - Horario verano: NO"));
        QVERIFY(page.contains("Restrictiva"));
    }
    QVERIFY(pages[0].contains("ÁBALOS, EVA - 15/01/1970"));
    QVERIFY(pages.last().contains("ZAPATA, JUAN - 10/04/2000"));
    QVERIFY(pages.last().contains(QString("Hoja %1 de %1").arg(pages.size())));
    QVERIFY(pages.first().contains(QString("Hoja 1 de %1").arg(pages.size())));
    // Every word at least 28 points (10 mm) inside the landscape page; the legend's names stand apart.
    const QString boxes = PdfWordBoxes(path + ".pdf");
    const QRegularExpressionMatch page = QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)")re").match(boxes);
    QVERIFY(page.captured(1).toDouble() > page.captured(2).toDouble());
    int words = 0;
    QCOMPARE(WordsNearEdge(boxes, 28, &words), QStringList());
    QVERIFY(words > 60 * 3 && pages.first().contains(QRegularExpression("Complicada +")));
    // A cancelled choice of file prints nothing more.
    messages_->answerNext(ResultCancel);
    QTest::mouseClick(team->Button2, Qt::LeftButton);
    QCOMPARE(suggested.size(), 1);
}

QTEST_MAIN(TestTeamWindow)
#include "tst_teamwindow.moc"
