#include "tendencies/TendencyRule.h"
#include "tendencies/TendencyTexts.h"
#include "tendencies/TendencyTestSupport.h"

#include <QTest>

class TestTendencyRule : public QObject {
    Q_OBJECT
private slots:
    void memberSignRangeEdges_data();
    void memberSignRangeEdges();
    void invalidBirthDateKeepsSign();
    void levelRows_data();
    void levelRows();
    void pluralForStep_data();
    void pluralForStep();
    void levelNames();
    void signTexts_data();
    void signTexts();
    void explanations_data();
    void explanations();
    void dayLookup();
};

void TestTendencyRule::memberSignRangeEdges_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("sign");
    QTest::newRow("20 April") << QDate(1980, 4, 20) << 1;
    QTest::newRow("21 April") << QDate(1980, 4, 21) << 2;
    QTest::newRow("21 May") << QDate(1975, 5, 21) << 2;
    QTest::newRow("22 May") << QDate(1975, 5, 22) << 3;
    QTest::newRow("23 July") << QDate(1990, 7, 23) << 4;
    QTest::newRow("24 July") << QDate(1990, 7, 24) << 5;
    QTest::newRow("22 November") << QDate(1966, 11, 22) << 8;
    QTest::newRow("23 November") << QDate(1966, 11, 23) << 9;
    QTest::newRow("22 December") << QDate(2001, 12, 22) << 9;
    QTest::newRow("23 December") << QDate(2001, 12, 23) << 10;
    QTest::newRow("31 December") << QDate(1999, 12, 31) << 10;
    QTest::newRow("1 January") << QDate(2000, 1, 1) << 10;
    QTest::newRow("20 January") << QDate(1985, 1, 20) << 10;
    QTest::newRow("21 January") << QDate(1985, 1, 21) << 11;
    QTest::newRow("19 February") << QDate(1985, 2, 19) << 11;
    QTest::newRow("20 February") << QDate(1985, 2, 20) << 12;
    QTest::newRow("29 February") << QDate(1984, 2, 29) << 12;
    QTest::newRow("21 March") << QDate(1970, 3, 21) << 12;
    QTest::newRow("22 March") << QDate(1970, 3, 22) << 1;
    QTest::newRow("5 May") << QDate(1950, 5, 5) << 2;
    QTest::newRow("year 1900") << QDate(1900, 3, 1) << 12;
}

void TestTendencyRule::memberSignRangeEdges()
{
    QFETCH(QDate, birth);
    QFETCH(int, sign);
    QCOMPARE(MemberSignOf(DayNumberFromDate(birth)), sign);
    TestPlatform platform;
    Gral gral{platform};
    gral.members.memberSign = sign == 7 ? 6 : 7;
    gral.members.selectedBirthDate = DayNumberFromDate(birth);
    ComputeMemberSign(gral.members);
    QCOMPARE(gral.members.memberSign, sign);
}

void TestTendencyRule::invalidBirthDateKeepsSign()
{
    TestPlatform platform;
    Gral gral{platform};
    gral.members.memberSign = 4;
    gral.members.selectedBirthDate = std::numeric_limits<double>::quiet_NaN();
    ComputeMemberSign(gral.members);
    QCOMPARE(gral.members.memberSign, 4);
    QCOMPARE(MemberSignOf(gral.members.selectedBirthDate), 0);
}

void TestTendencyRule::levelRows_data()
{
    QTest::addColumn<int>("memberSign");
    QTest::addColumn<QList<int>>("levels"); // for calendar signs 1..12
    QTest::newRow("member sign 1") << 1 << QList<int>{1, 5, 2, 4, 1, 2, 4, 3, 1, 4, 3, 5};
    QTest::newRow("member sign 2") << 2 << QList<int>{5, 1, 5, 2, 4, 1, 2, 4, 3, 1, 4, 3};
    QTest::newRow("member sign 12") << 12 << QList<int>{5, 2, 4, 1, 2, 4, 3, 1, 4, 3, 5, 1};
}

void TestTendencyRule::levelRows()
{
    QFETCH(int, memberSign);
    QFETCH(QList<int>, levels);
    TestPlatform platform;
    Gral gral{platform};
    gral.members.memberSign = memberSign;
    gral.levelColors = {0x000001, 0x000002, 0x000003, 0x000004, 0x000005};
    for (int s = 1; s <= 12; ++s) {
        QCOMPARE(LevelOfSign(gral.members, s), levels[s - 1]);
        QCOMPARE(ColourOfSign(gral.members, gral.levelColors, s), ColourValue(levels[s - 1]));
    }
    // Own sign is always the best level, the following sign (1 after 12) the worst.
    QCOMPARE(LevelOfSign(gral.members, memberSign), 1);
    QCOMPARE(LevelOfSign(gral.members, memberSign % 12 + 1), 5);
}

void TestTendencyRule::pluralForStep_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("plural");
    const char* names[] = {"Excelentes", "Restrictivas", "Normales", "Complicadas", "Excelentes", "Normales",
                           "Complicadas", "Buenas", "Excelentes", "Complicadas", "Buenas", "Restrictivas"};
    for (int c = 1; c <= 12; ++c)
        QTest::addRow("step %d", c) << c << QString(names[c - 1]);
    QTest::newRow("step 0") << 0 << QString();
    QTest::newRow("step 13") << 13 << QString();
}

void TestTendencyRule::pluralForStep()
{
    QFETCH(int, step);
    QFETCH(QString, plural);
    QCOMPARE(PluralForStep(step), plural);
}

void TestTendencyRule::levelNames()
{
    QCOMPARE(QStringList({LevelName(1), LevelName(2), LevelName(3), LevelName(4), LevelName(5)}),
             QStringList({"Excelente", "Buena", "Normal", "Complicada", "Restrictiva"}));
    QVERIFY(LevelName(0).isEmpty());
    QVERIFY(LevelName(6).isEmpty());
    QVERIFY(LevelPlural(6).isEmpty());
    QCOMPARE(SignStepOf(5, 5), 1);
    QCOMPARE(SignStepOf(12, 1), 12);
    QCOMPARE(SignStepOf(2, 12), 3);
}

void TestTendencyRule::signTexts_data()
{
    QTest::addColumn<int>("sign");
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("disposition");
    QTest::addColumn<QString>("recommendation");
    auto row = [](int s, const char* g, const char* d, const char* r) {
        QTest::addRow("sign %d", s) << s << QString::fromUtf8(g) << QString::fromUtf8(d) << QString::fromUtf8(r);
    };
    row(1, "Rápido, impulsivo, agresivo.", "Nerviosismo, impaciencia, indisciplina.",
        "Poner autoridad, reacciones rápidas, evitar roces.");
    row(2, "Lento, de control, favorece localía.", "Serenas, firmes, conservadoras.", "Tenacidad y practicidad.");
    row(3, "Variable, inestable, cambiante.", "Impredecibles, no soportan la presión.",
        "Adaptarse y doblar las marcas.");
    row(4, "Emocional, intenso, cerrado.", "Cambios de ánimo, inseguridad.",
        "Trabajar con seguridad, actitud de servicio.");
    row(5, "Exigente, ambicioso, atractivo.", "Confianza en si mismos, a liderar.",
        "Responsabilidad y hacerse cargo.");
    row(6, "Ordenado, pensado, analítico.", "Inconstantes, complejo de inferioridad.",
        "Trabajar en equipo con practicidad y eficacia.");
    row(7, "Equilibrado, buen juego.", "Frías, influenciables.", "Cooperar y equilibrar todas las líneas.");
    row(8, "Enérgico, brusco, friccionado.", "Seguros, malhumor, reacios a cambios.",
        "Decisión, firmeza anímica y mental.");
    row(9, "Físico y mentalmente activo, favorece visita.", "Incansables y constantes.",
        "Cambiar los ritmos y sistemas.");
    row(10, "Práctico, frío, estratégico.", "Ambiciosos, egoistas, manipuladores.",
        "Seriedad, prudencia, responsabilidad.");
    row(11, "Movido, raro, cambiante.", "Independientes, desapegados, van fuerte.",
        "Creatividad, libertad de juego (Passing game).");
    row(12, "Tranquilo, fácil de jugar.", "Desánimo, falta de ambición y colaboración.",
        "Poner sacrificio, entrega, voluntad.");
    row(0, "", "", "");
    row(13, "", "", "");
}

void TestTendencyRule::signTexts()
{
    QFETCH(int, sign);
    QFETCH(QString, game);
    QFETCH(QString, disposition);
    QFETCH(QString, recommendation);
    QCOMPARE(GameTendencyText(sign), game);
    QCOMPARE(DispositionText(sign), disposition);
    QCOMPARE(RecommendationText(sign), recommendation);
}

void TestTendencyRule::explanations_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    auto row = [](int level, const char* caption, const char* a, const char* b, const char* c) {
        QTest::addRow("level %d", level) << level << QString::fromUtf8(caption)
                                         << QString::fromUtf8(a) + "\r" + QString::fromUtf8(b) + "\r" +
                                                QString::fromUtf8(c);
    };
    row(1, "Tendencia Excelente, ¿Qué indica?", "Nos indica un estado de equilibrio y tranquilidad.",
        "Brinda creatividad, expansión y facilita los esfuerzos constructivos.", "Ideal para actividades físicas.");
    row(2, "Tendencia Buena, ¿Qué indica?",
        "Nos indica que debemos ejercer energia y dinamismo para obtener logros.",
        "Señala oportunidades e ideas a través de lo mental.", "Depende de nosotros llevarlas a la práctica.");
    row(3, "Tendencia Normal, ¿Qué indica?",
        "Nos indica que nada se da servido, muy poco se resuelve individualmente.",
        "Se requiere trabajo de equipo, esfuerzo y voluntad para que algo se concrete.",
        "Brinda apoyo, solidaridad y compañerismo.");
    row(4, "Tendencia Complicada, ¿Qué indica?", "Nos indica inestabilidades, fricciones, tensiones, separaciones.",
        "Provoca conflictos internos, acción y decisión para solucionar problemas.",
        "No presionar o resistirse a los cambios.");
    row(5, "Tendencia Restrictiva, ¿Qué indica?", "Nos indica impedimentos físicos y restricciones crónicas.",
        "Todo lo que no somos capaces de encarar y aceptar, aparece aquí.",
        "Provoca problemas, errores, equivocaciones. -SOLUCION: SACRIFICIO-");
}

void TestTendencyRule::explanations()
{
    QFETCH(int, level);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QCOMPARE(ExplanationCaption(level), caption);
    QCOMPARE(ExplanationText(level), text);
    QVERIFY(ExplanationCaption(0).isEmpty());
    QVERIFY(ExplanationText(6).isEmpty());
}

void TestTendencyRule::dayLookup()
{
    TestEnvironment env;
    TestGral test;
    Gral& gral = test.gral;
    gral.calendar.dateIndex = {"01/01/2003", "01/01/2003", "02/01/2003", "03/01/2003", "03/01/2003", "04/01/2003"};
    IndexCalendarDays(gral.calendar, gral.environment.systemDateFormat);
    QCOMPARE(DayLookup(gral, Day(2003, 1, 1)).row, 1);
    QCOMPARE(DayLookup(gral, Day(2003, 1, 3) + 0.75).row, 4); // the time of day plays no part
    QCOMPARE(DayLookup(gral, Day(2003, 1, 4)).row, 6);
    QCOMPARE(DayLookup(gral, Day(2003, 1, 4)).outcome, DayRow::Found);
    QCOMPARE(DayLookup(gral, Day(2003, 1, 5)).outcome, DayRow::NotInCalendar);
    QCOMPARE(DayLookup(gral, Day(2003, 1, 5)).row, -1);
    QVERIFY(test.messages.messages().isEmpty());

    // A changed system date format ends the program: the lookup says so.
    env.setShortDatePattern("yyyy-MM-dd");
    QCOMPARE(DayLookup(gral, Day(2003, 1, 1)).outcome, DayRow::Ending);
    QCOMPARE(test.messages.messages().size(), 1);
}

QTEST_GUILESS_MAIN(TestTendencyRule)
#include "tst_tendencyrule.moc"
