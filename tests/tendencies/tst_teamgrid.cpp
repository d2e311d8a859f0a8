// The team grid's data without windows: every member's spans of a day with
// the level of the member, the orders by name and by an hour, the words of a
// cell, and the team print composed onto a recording canvas.
#include "tendencies/RecordingCanvas.h"
#include "tendencies/TeamGrid.h"
#include "tendencies/TeamPrint.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/TendencyTestSupport.h"

#include <QTest>

namespace {
QString MemberLine(const QString& date, const QString& name)
{
    return date + name.leftJustified(60, u' ');
}

QStringList Names(const TeamGrid& grid)
{
    QStringList names;
    for (const TeamRow& row : grid.rows)
        names << row.name;
    return names;
}

// Member signs: PÉREZ and GÓMEZ 2, LÓPEZ 8, ábalos 10, ZAPATA 1.
const QStringList Team = {
    MemberLine("05/05/1990", "PÉREZ, LUIS"), MemberLine("21/04/1985", "GÓMEZ, RAÚL"),
    MemberLine("01/11/1980", "LÓPEZ, ANA"),  MemberLine("15/01/1970", "ábalos, eva"),
    MemberLine("10/04/2000", "ZAPATA, JUAN"),
};

// 10 January 2003 changes from sign 2 to sign 3 at 14:30; the 11th stays in 3.
const QStringList Calendar = {
    "09/01/2003 00:00 23:59 02",
    "10/01/2003 00:00 14:29 02",
    "10/01/2003 14:30 23:59 03",
    "11/01/2003 00:00 23:59 03",
};
} // namespace

class TestTeamGrid : public QObject, private PrintTestFixture {
    Q_OBJECT

private slots:
    void init()
    {
        ResetFixture();
        gral_.members.memberList = Team;
        UseCalendar(gral_, Calendar);
    }

    void rowsCarryEachMembersLevels()
    {
        const TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 10) + 0.75);
        QVERIFY(grid.dayFound);
        QCOMPARE(grid.day, Day(2003, 1, 10));
        QCOMPARE(grid.rows.size(), 5);
        // The member box's entry, and the position in the member list it came from.
        QCOMPARE(grid.rows[1].entry, QString("GÓMEZ, RAÚL - 21/04/1985"));
        QCOMPARE(grid.rows[1].memberIndex, 1);
        QCOMPARE(grid.rows[0].memberIndex, 3);
        // Sign 2 then sign 3: for member sign 2 "Excelente" then "Restrictiva";
        // for member sign 8 "Complicada" then "Normal".
        QCOMPARE(grid.rows[1].spans, QList<TeamSpan>({{0, 869, 2, 1}, {870, 1439, 3, 5}}));
        QCOMPARE(grid.rows[2].spans, QList<TeamSpan>({{0, 869, 2, 4}, {870, 1439, 3, 3}}));
        // A day of one span.
        const TeamGrid next = ComposeTeamGrid(gral_, Day(2003, 1, 11));
        QCOMPARE(next.rows[2].spans, QList<TeamSpan>({{0, 1439, 3, 3}}));
        // The main window's member sign is nobody's business here.
        QCOMPARE(gral_.members.memberSign, 1);
    }

    void dayMissingFromTheCalendar()
    {
        const TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 12));
        QVERIFY(!grid.dayFound);
        QCOMPARE(grid.rows.size(), 5);
        QVERIFY(grid.rows[0].spans.isEmpty());
        QVERIFY(!SpanAt(grid.rows[0], 600));
        QCOMPARE(DescribeTeamHour(grid.rows[0], 10), QString());
    }

    void unreadableBirthDateShownAsStored()
    {
        gral_.members.memberList = {MemberLine("31/02/1990", "SIN FECHA"), MemberLine("01/11/1980", "LÓPEZ, ANA")};
        const TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 10));
        QCOMPARE(Names(grid), QStringList({"LÓPEZ, ANA", "SIN FECHA"}));
        QCOMPARE(grid.rows[1].entry, QString("SIN FECHA - 31/02/1990"));
        QCOMPARE(grid.rows[1].spans.size(), 2);
    }

    void sortAtHour_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<QStringList>("order");
        const QStringList byName = {"ábalos, eva", "GÓMEZ, RAÚL", "LÓPEZ, ANA", "PÉREZ, LUIS", "ZAPATA, JUAN"};
        QTest::newRow("by name, letter case and accents aside") << -1 << byName;
        // 10:00, sign 2: ábalos, GÓMEZ, PÉREZ Excelente (by name), LÓPEZ Complicada, ZAPATA Restrictiva.
        QTest::newRow("10:00")
            << 10 << QStringList({"ábalos, eva", "GÓMEZ, RAÚL", "PÉREZ, LUIS", "LÓPEZ, ANA", "ZAPATA, JUAN"});
        // The change at 14:30 lies inside hour 14: its start counts.
        QTest::newRow("14:00, a change inside the hour")
            << 14 << QStringList({"ábalos, eva", "GÓMEZ, RAÚL", "PÉREZ, LUIS", "LÓPEZ, ANA", "ZAPATA, JUAN"});
        // 16:00, sign 3: ábalos and ZAPATA Buena, LÓPEZ Normal, GÓMEZ and PÉREZ Restrictiva.
        QTest::newRow("16:00")
            << 16 << QStringList({"ábalos, eva", "ZAPATA, JUAN", "LÓPEZ, ANA", "GÓMEZ, RAÚL", "PÉREZ, LUIS"});
        QTest::newRow("23:00") << 23
                               << QStringList({"ábalos, eva", "ZAPATA, JUAN", "LÓPEZ, ANA", "GÓMEZ, RAÚL",
                                               "PÉREZ, LUIS"});
    }

    void sortAtHour()
    {
        QFETCH(int, hour);
        QFETCH(QStringList, order);
        TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 10));
        SortTeamAtHour(grid, 16); // an order to start from that is neither
        if (hour < 0)
            SortTeamByName(grid);
        else
            SortTeamAtHour(grid, hour);
        QCOMPARE(Names(grid), order);
        QCOMPARE(grid.sortHour, hour);
    }

    void sameNameTellsByBirthDate()
    {
        gral_.members.memberList = {MemberLine("05/05/1990", "RUIZ, ANA"), MemberLine("01/11/1980", "Ruiz, Ana")};
        const TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 10));
        QCOMPARE(grid.rows[0].memberIndex, 1);
        QCOMPARE(grid.rows[1].memberIndex, 0);
    }

    void spanAtMinute_data()
    {
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("sign");
        QTest::newRow("00:00") << 0 << 2;
        QTest::newRow("last minute of the first span") << 869 << 2;
        QTest::newRow("first minute of the second") << 870 << 3;
        QTest::newRow("23:59") << 1439 << 3;
    }

    void spanAtMinute()
    {
        QFETCH(int, minute);
        QFETCH(int, sign);
        const TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 10));
        const std::optional<TeamSpan> span = SpanAt(grid.rows[0], minute);
        QVERIFY(span);
        QCOMPARE(span->sign, sign);
    }

    void cellWords_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("words");
        QTest::newRow("one level") << 1 << 9 << "09:00: Excelente";
        QTest::newRow("a change inside the hour") << 1 << 14 << "14:00: Excelente hasta 14:29, luego Restrictiva";
        QTest::newRow("after it") << 1 << 15 << "15:00: Restrictiva";
        QTest::newRow("another member") << 2 << 14 << "14:00: Complicada hasta 14:29, luego Normal";
    }

    void cellWords()
    {
        QFETCH(int, row);
        QFETCH(int, hour);
        QFETCH(QString, words);
        const TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 10));
        QCOMPARE(DescribeTeamHour(grid.rows[row], hour), words);
    }

    void rowPiecesFollowTheChartScale()
    {
        const TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 10));
        const QList<ChartPiece> pieces = TeamRowPieces(grid.rows[1], 3, DefaultLevelColors);
        // Hours 0..14 of the first span, then the second from 14:30 (x 392 + 14 = 406) and hours 15..23.
        QCOMPARE(pieces.size(), 25);
        QCOMPARE(pieces.first(), (ChartPiece{3, 0, 28, DefaultLevelColors[0]}));
        QCOMPARE(pieces[14], (ChartPiece{3, 392, 420, DefaultLevelColors[0]}));
        QCOMPARE(pieces[15], (ChartPiece{3, 406, 420, DefaultLevelColors[4]}));
        QCOMPARE(pieces.last(), (ChartPiece{3, 644, 672, DefaultLevelColors[4]}));
    }

    // --- The team print.

    void printHasHeaderLegendAndRows()
    {
        TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 10));
        SortTeamAtHour(grid, 16);
        RecordingCanvas canvas(0, 3000);
        const TeamPrintHeading heading{"(GMT+01:00) Madrid", "Horario verano: NO"};
        QCOMPARE(ComposeTeamPrint(gral_.levelColors, canvas, grid, heading), PrintOutcome::Printed);
        QCOMPARE(canvas.begun, 1);
        QCOMPARE(canvas.ended, 1);
        QCOMPARE(canvas.pages(), 1);
        const QStringList texts = canvas.texts();
        QVERIFY(texts.contains(" ZELTMARK - PRONOS - EQUIPO "));
        QVERIFY(texts.contains("Hoja 1 de 1"));
        QVERIFY(texts.contains("viernes 10 de enero de 2003 - Orden: por nivel a las 16:00 hs."));
        // Cells wide enough carry their level's initial, inside a box of that level's colour.
        int initials = 0;
        for (const RecordingCanvas::Item& item : canvas.items)
            for (const RecordingCanvas::Box& box : canvas.boxes)
                initials += item.text.size() == 1 && box.line == item.line && box.left <= item.x && item.x < box.right
                            && box.fill == gral_.levelColors[size_t(QString("EBNCR").indexOf(item.text) % 5)];
        QVERIFY(initials >= grid.rows.size());
        QVERIFY(texts.contains("(GMT+01:00) Madrid - Horario verano: NO"));
        for (int level = 1; level <= 5; ++level)
            QVERIFY2(texts.contains(LevelName(level)), qPrintable(LevelName(level)));
        for (int hour = 0; hour < 24; ++hour)
            QVERIFY(texts.contains(QString("%1").arg(hour, 2, 10, QChar('0'))));
        // The members in the grid's order, each on a line of its own.
        QStringList entries;
        QList<int> lines;
        for (const RecordingCanvas::Item& item : canvas.items)
            if (item.text.contains(" - ") && item.text.at(item.text.size() - 5) == '/') {
                entries << item.text;
                lines << item.line;
            }
        QCOMPARE(entries, QStringList({"ábalos, eva - 15/01/1970", "ZAPATA, JUAN - 10/04/2000",
                                       "LÓPEZ, ANA - 01/11/1980", "GÓMEZ, RAÚL - 21/04/1985",
                                       "PÉREZ, LUIS - 05/05/1990"}));
        for (int i = 1; i < lines.size(); ++i)
            QCOMPARE(lines[i], lines[i - 1] + 1);

        // The legend: the five colours on one line, before the rows.
        QList<RecordingCanvas::Box> legend;
        for (const RecordingCanvas::Box& box : canvas.boxes)
            if (box.line < lines.first())
                legend << box;
        QCOMPARE(legend.size(), 5);
        for (int level = 0; level < 5; ++level)
            QCOMPARE(legend[level].fill, DefaultLevelColors[size_t(level)]);

        // GÓMEZ's row: Excelente up to 14:30, then Restrictiva, boxes one after another.
        QList<RecordingCanvas::Box> gomez;
        for (const RecordingCanvas::Box& box : canvas.boxes)
            if (box.line == lines[3])
                gomez << box;
        QCOMPARE(gomez.size(), 25);
        const int hourWidth = (gomez.last().right - gomez.first().left) / 24;
        QVERIFY(hourWidth > 40);
        QCOMPARE(gomez[14].fill, DefaultLevelColors[0]);
        QCOMPARE(gomez[15].fill, DefaultLevelColors[4]);
        // The change lies half way into hour 14, as on the chart.
        const int hour14 = gomez[14].left;
        QVERIFY2(std::abs(gomez[15].left - (hour14 + hourWidth / 2)) <= 3, qPrintable(QString::number(gomez[15].left)));
        for (const RecordingCanvas::Box& box : gomez)
            QVERIFY(box.left < box.right && box.right <= 3000);
    }

    void printGoesOnOnAnotherPage()
    {
        const TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 10));
        RecordingCanvas canvas(12, 3000);
        QCOMPARE(ComposeTeamPrint(gral_.levelColors, canvas, grid, {"Zona", "Horario verano: SI"}), PrintOutcome::Printed);
        QCOMPARE(canvas.pages(), 2);
        QStringList first, second;
        for (const RecordingCanvas::Item& item : canvas.items) {
            QVERIFY2(item.line <= 12, qPrintable(item.text));
            (item.page == 1 ? first : second) << item.text;
        }
        // Each page has the header and the hour headings; the rows go on where the first page ended.
        for (const QStringList& page : {first, second}) {
            QVERIFY(page.contains(" ZELTMARK - PRONOS - EQUIPO "));
            QVERIFY(page.contains("Integrante"));
            QVERIFY(page.contains("23"));
        }
        QVERIFY(first.contains("Hoja 1 de 2"));
        QVERIFY(second.contains("Hoja 2 de 2"));
        QVERIFY(first.contains("ábalos, eva - 15/01/1970"));
        QVERIFY(first.contains("PÉREZ, LUIS - 05/05/1990"));
        QVERIFY(second.contains("ZAPATA, JUAN - 10/04/2000"));
        QVERIFY(!first.contains("ZAPATA, JUAN - 10/04/2000"));
        const auto onSecondPage = std::count_if(canvas.boxes.begin(), canvas.boxes.end(),
                                                [](const RecordingCanvas::Box& box) { return box.page == 2; });
        QCOMPARE(onSecondPage, 5 + 25); // the legend again and ZAPATA's row
    }

    void longNamesAreCutBeforeTheGrid()
    {
        gral_.members.memberList = {MemberLine("05/05/1990", QString(58, 'N') + " X"),
                                    MemberLine("06/06/1991", QString(58, 'N') + " X")};
        const TeamGrid grid = ComposeTeamGrid(gral_, Day(2003, 1, 10));
        RecordingCanvas canvas(0, 1000);
        QCOMPARE(ComposeTeamPrint(gral_.levelColors, canvas, grid, {"Zona", "Horario verano: NO"}), PrintOutcome::Printed);
        int firstBox = 1000;
        for (const RecordingCanvas::Box& box : canvas.boxes)
            if (box.line == canvas.boxes.last().line)
                firstBox = std::min(firstBox, box.left);
        const auto name = std::find_if(canvas.items.begin(), canvas.items.end(),
                                       [](const RecordingCanvas::Item& item) { return item.text.startsWith("NNN"); });
        QVERIFY(name != canvas.items.end());
        // The name is cut, never the date: two members of one long name stay apart.
        QVERIFY2(name->text.endsWith("... - 05/05/1990"), qPrintable(name->text));
        QVERIFY(name->x + canvas.textWidth(name->text) <= firstBox);
        QVERIFY(std::any_of(canvas.items.begin(), canvas.items.end(), [](const RecordingCanvas::Item& item) {
            return item.text.startsWith("NNN") && item.text.endsWith("... - 06/06/1991");
        }));
    }

    void printRefusesWhatCannotBePrinted()
    {
        RecordingCanvas missing;
        QCOMPARE(ComposeTeamPrint(gral_.levelColors, missing, ComposeTeamGrid(gral_, Day(2003, 2, 1)), {}),
                 PrintOutcome::DayNotFound);
        QCOMPARE(missing.begun, 0);
        RecordingCanvas failing;
        failing.beginSucceeds = false;
        QCOMPARE(ComposeTeamPrint(gral_.levelColors, failing, ComposeTeamGrid(gral_, Day(2003, 1, 10)), {}),
                 PrintOutcome::CanvasFailed);
        QVERIFY(failing.items.isEmpty());
        QVERIFY(failing.boxes.isEmpty());
        QCOMPARE(failing.ended, 0);
    }
};

QTEST_GUILESS_MAIN(TestTeamGrid)
#include "tst_teamgrid.moc"
