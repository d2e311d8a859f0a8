// The composed print: every text item with its page, line, x and font.
#include "tendencies/PeriodMessage.h"
#include "tendencies/PrintComposition.h"
#include "tendencies/RecordingCanvas.h"
#include "calendar/SignCalendar.h"
#include "tendencies/TendencyTestSupport.h"

#include <QTest>
#include <algorithm>
#include <map>

namespace {

// The last week of the period, with sign changes on 25/12, 28/12 and 31/12.
const QStringList LastWeek = {
    "24/12/2004 00:00 23:59 03", "25/12/2004 00:00 10:15 03", "25/12/2004 10:16 23:59 04",
    "26/12/2004 00:00 23:59 04", "27/12/2004 00:00 23:59 04", "28/12/2004 00:00 05:33 04",
    "28/12/2004 05:34 23:59 05", "29/12/2004 00:00 23:59 05", "30/12/2004 00:00 23:59 05",
    "31/12/2004 00:00 16:33 05", "31/12/2004 16:34 23:59 06",
};

// The four texts of a span for a member of sign 2, written out here from the tables.
QStringList SpanTexts(int sign)
{
    static const std::map<int, QStringList> texts = {
        {3, {"Tendencias: \"RESTRICTIVAS\"", "-Tendencia de Juego: Variable, inestable, cambiante.",
             "-Disposición Anímica: Impredecibles, no soportan la presión.",
             "-Recomendaciones: Adaptarse y doblar las marcas."}},
        {4, {"Tendencias: \"BUENAS\"", "-Tendencia de Juego: Emocional, intenso, cerrado.",
             "-Disposición Anímica: Cambios de ánimo, inseguridad.",
             "-Recomendaciones: Trabajar con seguridad, actitud de servicio."}},
        {5, {"Tendencias: \"COMPLICADAS\"", "-Tendencia de Juego: Exigente, ambicioso, atractivo.",
             "-Disposición Anímica: Confianza en si mismos, a liderar.",
             "-Recomendaciones: Responsabilidad y hacerse cargo."}},
        {6, {"Tendencias: \"EXCELENTES\"", "-Tendencia de Juego: Ordenado, pensado, analítico.",
             "-Disposición Anímica: Inconstantes, complejo de inferioridad.",
             "-Recomendaciones: Trabajar en equipo con practicidad y eficacia."}},
    };
    return texts.at(sign);
}

QStringList Span(const QString& date, const QString& hours, int sign)
{
    return QStringList{"Fecha: " + date + " - " + hours + ": "} + SpanTexts(sign);
}
QString Same(const QString& date, const QString& hours)
{
    return "Fecha: " + date + " - " + hours + ": Igual que anterior.";
}
const QString WholeDay = "De 00:00 hs. a 23:59 hs.";
const QStringList EndLines = {"", "Fecha final del programa.", "El mismo termina el 31/12/2004"};

QStringList Header()
{
    return {
        "1:1 x3 12 ||",
        "1:2 x20 12bu | ZELTMARK - PRONOS |",
        "1:3 x3 12bu ||",
        "1:4 x20 10u | TENDENCIAS - DISPOSICIONES - RECOMENDACIONES|",
        "1:5 x3 10 ||",
    };
}
// Body lines at x 3 in 10 points, one page, from line 6.
QStringList Body(const QStringList& texts)
{
    QStringList out;
    int line = 6;
    for (const QString& text : texts)
        out << RecordingCanvas::Describe(1, line++, 3, {10, false, false}, text);
    return out;
}

} // namespace

class TestPrintComposition : public QObject, private PrintTestFixture {
    Q_OBJECT

private slots:
    void init()
    {
        ResetFixture();
        gral_.members.memberSign = 2;
        UseCalendar(gral_, LastWeek);
    }

    void oneDay_data()
    {
        QTest::addColumn<double>("date");
        QTest::addColumn<QStringList>("body");
        QTest::newRow("one span") << Day(2004, 12, 24) << Span("24/12/2004", WholeDay, 3);
        // Two spans follow each other without an empty line.
        QTest::newRow("two spans") << Day(2004, 12, 25)
                                   << Span("25/12/2004", "De 00:00 hs. a 10:15 hs.", 3)
                                          + Span("25/12/2004", "De 10:16 hs. a 23:59 hs.", 4);
        QTest::newRow("last day") << Day(2004, 12, 31)
                                  << Span("31/12/2004", "De 00:00 hs. a 16:33 hs.", 5)
                                         + Span("31/12/2004", "De 16:34 hs. a 23:59 hs.", 6);
    }
    void oneDay()
    {
        QFETCH(double, date);
        QFETCH(QStringList, body);
        RecordingCanvas canvas;
        QCOMPARE(ComposeTendencies(gral_, canvas, false, date), PrintOutcome::Printed);
        QCOMPARE(canvas.described(), Header() + Body(body));
        QCOMPARE(canvas.begun, 1);
        QCOMPARE(canvas.ended, 1);
        QCOMPARE(canvas.fontAtBegin, (PrintFont{12, false, false})); // the line height comes from 12 points
        QCOMPARE(canvas.pages(), 1);
    }

    // A change on the hour (a named zone's clock, such as +05:45 on the base
    // zone's :15) ends the first span at hh:59: still two spans, in both printings.
    void changeOnTheHour_data()
    {
        QTest::addColumn<bool>("sevenDays");
        QTest::newRow("one day") << false;
        QTest::newRow("seven days") << true;
    }
    void changeOnTheHour()
    {
        QFETCH(bool, sevenDays);
        UseCalendar(gral_, {"25/12/2004 00:00 14:59 03", "25/12/2004 15:00 23:59 04"});
        RecordingCanvas canvas;
        ComposeTendencies(gral_, canvas, sevenDays, Day(2004, 12, 25));
        const QStringList printed = canvas.described().join('\n').split('\n');
        const auto has = [&printed](const QString& text) {
            return std::any_of(printed.begin(), printed.end(), [&](const QString& l) { return l.contains(text); });
        };
        QVERIFY(has("Fecha: 25/12/2004 - De 00:00 hs. a 14:59 hs.: "));
        QVERIFY(has("Fecha: 25/12/2004 - De 15:00 hs. a 23:59 hs.: "));
        QVERIFY(!has(WholeDay));
    }

    void sevenDays_data()
    {
        QTest::addColumn<double>("date");
        QTest::addColumn<QStringList>("body");
        // A day whose first span continues the sign printed last gets one line.
        QTest::newRow("repeated signs") << Day(2004, 12, 24)
            << QStringList{""} + Span("24/12/2004", WholeDay, 3)
                   + QStringList{Same("25/12/2004", "De 00:00 hs. a 10:15 hs."), ""}
                   + Span("25/12/2004", "De 10:16 hs. a 23:59 hs.", 4)
                   + QStringList{Same("26/12/2004", WholeDay), Same("27/12/2004", WholeDay),
                                 Same("28/12/2004", "De 00:00 hs. a 05:33 hs."), ""}
                   + Span("28/12/2004", "De 05:34 hs. a 23:59 hs.", 5)
                   + QStringList{Same("29/12/2004", WholeDay), Same("30/12/2004", WholeDay)};
        QTest::newRow("from the last day") << Day(2004, 12, 31)
            << QStringList{""} + Span("31/12/2004", "De 00:00 hs. a 16:33 hs.", 5) + QStringList{""}
                   + Span("31/12/2004", "De 16:34 hs. a 23:59 hs.", 6) + EndLines;
        QTest::newRow("three days before the last") << Day(2004, 12, 28)
            << QStringList{""} + Span("28/12/2004", "De 00:00 hs. a 05:33 hs.", 4) + QStringList{""}
                   + Span("28/12/2004", "De 05:34 hs. a 23:59 hs.", 5)
                   + QStringList{Same("29/12/2004", WholeDay), Same("30/12/2004", WholeDay),
                                 Same("31/12/2004", "De 00:00 hs. a 16:33 hs."), ""}
                   + Span("31/12/2004", "De 16:34 hs. a 23:59 hs.", 6) + EndLines;
    }
    void sevenDays()
    {
        QFETCH(double, date);
        QFETCH(QStringList, body);
        RecordingCanvas canvas;
        QCOMPARE(ComposeTendencies(gral_, canvas, true, date), PrintOutcome::Printed);
        QCOMPARE(canvas.described(), Header() + Body(body));
        QCOMPARE(canvas.ended, 1);
    }

    // The full edition's heading under the title (a long region wrapped like any line), then the body as before.
    void heading()
    {
        RecordingCanvas plain, canvas;
        ComposeTendencies(gral_, plain, true, Day(2004, 12, 25));
        const QString zone = "(GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, Lisboa, Londres";
        ComposeTendencies(gral_, canvas, true, Day(2004, 12, 25), {{"GARCÍA, LUIS", "15/07/1975", zone, "Horario verano: SI"}});
        QCOMPARE(canvas.described().mid(0, 10), Header() + Body({"Integrante: GARCÍA, LUIS", "Fecha de nacimiento: 15/07/1975",
            "Zona horaria: (GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, ", " Lisboa, Londres - Horario verano: SI", ""}));
        QCOMPARE(canvas.texts().mid(6), plain.texts().mid(2));
    }

    // The first day is printed in full even when its sign is the one printed last before.
    void firstDayAlwaysInFull()
    {
        RecordingCanvas before;
        ComposeTendencies(gral_, before, false, Day(2004, 12, 26)); // sign 4
        RecordingCanvas canvas;
        QCOMPARE(ComposeTendencies(gral_, canvas, true, Day(2004, 12, 27)), PrintOutcome::Printed);
        const QStringList lines = canvas.described().mid(5, 7);
        QCOMPARE(lines, Body(QStringList{""} + Span("27/12/2004", WholeDay, 4)
                             + QStringList{Same("28/12/2004", "De 00:00 hs. a 05:33 hs.")}));
    }

    void pageContinuation()
    {
        RecordingCanvas canvas(8);
        QCOMPARE(ComposeTendencies(gral_, canvas, false, Day(2004, 12, 25)), PrintOutcome::Printed);
        const QStringList first = Span("25/12/2004", "De 00:00 hs. a 10:15 hs.", 3);
        const QStringList second = Span("25/12/2004", "De 10:16 hs. a 23:59 hs.", 4);
        QStringList expected = Header();
        expected << "1:6 x3 10 |" + first[0] + "|" << "1:7 x3 10 |" + first[1] + "|"
                 << "1:8 x3 10 |" + first[2] + "|";
        // The rest starts at line 1 of the second page, without the header.
        int line = 1;
        for (const QString& text : first.mid(3) + second)
            expected << QStringLiteral("2:%1 x3 10 |%2|").arg(line++).arg(text);
        QCOMPARE(canvas.described(), expected);
        QCOMPARE(canvas.pages(), 2);
    }

    // A print that exactly fills its page starts no empty page.
    void fullPageStartsNoEmptyPage()
    {
        RecordingCanvas canvas(15);
        ComposeTendencies(gral_, canvas, false, Day(2004, 12, 25));
        QCOMPARE(canvas.items.size(), 15);
        QCOMPARE(canvas.pages(), 1);
    }

    void wrap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("nextLine");
        const QString a69 = QString(69, 'a');
        const QString b82 = QString(82, 'b');
        QTest::newRow("82 characters stay whole at x") << b82 << QStringList{"1:1 x20 10 |" + b82 + "|"} << 2;
        const QString blankAt75 = a69 + "bbbbb cccccccccc"; // 85 characters, blank at position 75
        QTest::newRow("blank from 70") << blankAt75
            << QStringList{"1:1 x3 10 |" + a69 + "bbbbb |", "1:2 x3 10 | cccccccccc|"} << 3;
        const QString blankAt70 = QString(69, 'a') + " " + QString(20, 'c');
        QTest::newRow("blank exactly at 70") << blankAt70
            << QStringList{"1:1 x3 10 |" + a69 + " |", "1:2 x3 10 | " + QString(20, 'c') + "|"} << 3;
        const QString blankBefore70 = QString(60, 'a') + " " + QString(30, 'c');
        QTest::newRow("blank only before 70") << blankBefore70 << QStringList{"1:1 x3 10 |" + blankBefore70 + "|"}
                                              << 2;
        const QString noBlank = QString(90, 'x');
        QTest::newRow("no blank") << noBlank << QStringList{"1:1 x3 10 |" + noBlank + "|"} << 2;
    }
    void wrap()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QFETCH(int, nextLine);
        RecordingCanvas canvas;
        canvas.setFont({10, false, false});
        PrintLineWriter writer(canvas);
        writer.line(20, text);
        QCOMPARE(canvas.described(), expected);
        QCOMPARE(writer.lineNumber(), nextLine);
    }

    // The second part of a wrapped line that doesn't fit goes to the next page.
    void wrapAcrossPages()
    {
        RecordingCanvas canvas(2);
        canvas.setFont({10, false, false});
        PrintLineWriter writer(canvas);
        writer.line(3, "short");
        writer.line(3, QString(75, 'a') + " tail" + QString(5, 'z'));
        QCOMPARE(canvas.described(), (QStringList{"1:1 x3 10 |short|", "1:2 x3 10 |" + QString(75, 'a') + " |",
                                                  "2:1 x3 10 | tail" + QString(5, 'z') + "|"}));
        QCOMPARE(writer.page(), 2);
    }

    void nothingPrinted()
    {
        RecordingCanvas missing;
        QCOMPARE(ComposeTendencies(gral_, missing, true, Day(2004, 12, 1)), PrintOutcome::DayNotFound);
        QCOMPARE(missing.begun, 0);

        RecordingCanvas failing;
        failing.beginSucceeds = false;
        QCOMPARE(ComposeTendencies(gral_, failing, false, Day(2004, 12, 24)), PrintOutcome::CanvasFailed);
        QVERIFY(failing.items.isEmpty());
        QCOMPARE(failing.ended, 0);

        env_->setShortDatePattern("yyyy-MM-dd"); // the system's pattern changed: the program is ending
        RecordingCanvas ending;
        QCOMPARE(ComposeTendencies(gral_, ending, false, Day(2004, 12, 24)), PrintOutcome::Ending);
        QCOMPARE(ending.begun, 0);
        QVERIFY(gral_.environment.quitRequested);
    }

    void periodMessage_data()
    {
        QTest::addColumn<double>("date");
        QTest::addColumn<QString>("message");
        QTest::newRow("day before") << Day(2002, 12, 31)
            << "La fecha \"31/12/2002\" es anterior a la fecha con la cual se inicia este programa.\r\r"
               "El mismo comienza el \"01/01/2003\"";
        QTest::newRow("first day") << Day(2003, 1, 1) << QString();
        QTest::newRow("first day with a time") << Day(2003, 1, 1) + 0.75 << QString();
        QTest::newRow("last day") << Day(2004, 12, 31) << QString();
        QTest::newRow("day after") << Day(2005, 1, 1)
            << "La fecha \"01/01/2005\" es posterior a la fecha con la cual finaliza este programa.\r\r"
               "El mismo finaliza el \"31/12/2004\"";
    }
    void periodMessage()
    {
        QFETCH(double, date);
        QFETCH(QString, message);
        QCOMPARE(CoveredPeriodMessage(gral_.calendar.coveredPeriod, gral_.environment.systemDateFormat, DateOrigin::Printed, date), message);
    }

    // The built calendar ends on 31/12/2004: with a sign change there for the
    // region UTC (zone offset 12), as one whole day when unshifted (offset 0).
    void endOfBuiltCalendar_data()
    {
        QTest::addColumn<int>("zoneOffset");
        QTest::addColumn<QStringList>("spanLines");
        QTest::newRow("UTC") << 12
            << QStringList{"Fecha: 31/12/2004 - De 00:00 hs. a 05:33 hs.: ", "Fecha: 31/12/2004 - De 05:34 hs. a 23:59 hs.: "};
        QTest::newRow("unshifted") << 0 << QStringList{"Fecha: 31/12/2004 - De 00:00 hs. a 23:59 hs.: "};
    }
    void endOfBuiltCalendar()
    {
        QFETCH(int, zoneOffset);
        QFETCH(QStringList, spanLines);
        gral_.calendar.zoneOffset = zoneOffset;
        BuildCalendarShown(gral_);
        QCOMPARE(gral_.calendar.signCalendar.size(), 1052);

        RecordingCanvas last;
        QCOMPARE(ComposeTendencies(gral_, last, true, gral_.calendar.coveredPeriod.lastDay), PrintOutcome::Printed);
        const QStringList texts = last.texts().mid(2); // after the two title lines
        QCOMPARE(texts.size(), 5 * spanLines.size() + 2);
        for (int span = 0; span < spanLines.size(); ++span)
            QCOMPARE(texts[5 * span], spanLines[span]);
        QCOMPARE(texts.mid(texts.size() - 2), EndLines.mid(1));

        RecordingCanvas fromThreeBefore;
        ComposeTendencies(gral_, fromThreeBefore, true, gral_.calendar.coveredPeriod.lastDay - 3);
        QStringList dates;
        for (const QString& text : fromThreeBefore.texts())
            if (text.startsWith("Fecha: ") && !dates.contains(text.mid(7, 10)))
                dates << text.mid(7, 10);
        QCOMPARE(dates, (QStringList{"28/12/2004", "29/12/2004", "30/12/2004", "31/12/2004"}));
        const QStringList all = fromThreeBefore.texts();
        QCOMPARE(all.mid(all.size() - 2), EndLines.mid(1));
        QCOMPARE(fromThreeBefore.items.at(fromThreeBefore.items.size() - 3).text, QString()); // an empty line before them
    }
};

QTEST_GUILESS_MAIN(TestPrintComposition)
#include "tst_printcomposition.moc"
