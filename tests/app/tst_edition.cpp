// The two editions side by side: each names itself in its captions, About
// window and help file, keeps its own settings and single-instance key, and
// the DEMO's texts stay as they were.
#include "platform/DesktopPlatform.h"
#include "core/Edition.h"
#include "help/HelpFile.h"
#include "app/ProgramMessage.h"
#include "settings/SettingsStore.h"
#include "platform/SingleInstance.h"
#include "about/TForm7.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

class TestEdition : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { UseEdition(DemoEdition()); }
    void demoIsTheDefault();
    void periods();
    void captions_data();
    void captions();
    void settingsKeptApart();
    void singleInstanceKeysDiffer();
    void aboutTexts_data();
    void aboutTexts();
    void helpFileOfEachEdition();
    void fullHelpNamesItsPeriod();
};

void TestEdition::demoIsTheDefault()
{
    QCOMPARE(&CurrentEdition(), &DemoEdition());
    QCOMPARE(DemoEdition().applicationTitle, u"Zeltmark - Pronos  'DEMO'."_qs);
    QCOMPARE(DemoEdition().mainWindowCaption, u"Zeltmark - Pronos  'DEMO'"_qs);
    QCOMPARE(DemoEdition().messageCaption, u"Zeltmark - Pronos \"DEMO\""_qs);
    QCOMPARE(DemoEdition().helpFileName, HelpFileName);
    UseEdition(FullEdition());
    QCOMPARE(&CurrentEdition(), &FullEdition());
}

void TestEdition::periods()
{
    const double today = DayNumberFromDate(QDate(2026, 12, 9));
    QCOMPARE(DemoEdition().period(today), DemoPeriod);
    const CoveredPeriod full = FullEdition().period(today);
    QCOMPARE(full.firstDay, DayNumberFromDate(QDate(1900, 1, 1)));
    QCOMPARE(full.lastDay, DayNumberFromDate(QDate(2100, 12, 31)));
    QCOMPARE(full.startDay, today);
    QVERIFY(full.contains(today) && !full.contains(full.lastDay + 1) && !full.contains(full.firstDay - 1));
}

void TestEdition::captions_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("messageCaption");
    QTest::newRow("DEMO") << false << "Zeltmark - Pronos \"DEMO\"";
    QTest::newRow("full") << true << "Zeltmark - Pronos";
}

void TestEdition::captions()
{
    QFETCH(bool, full);
    QFETCH(QString, messageCaption);
    UseEdition(full ? FullEdition() : DemoEdition());
    const auto box = CreateMessageBox("texto", 64, nullptr);
    QCOMPARE(box->windowTitle(), messageCaption);
    QCOMPARE(CurrentEdition().mainWindowCaption.contains("DEMO"), !full);
    QCOMPARE(CurrentEdition().applicationTitle.contains("DEMO"), !full);
}

void TestEdition::settingsKeptApart()
{
    TestEnvironment env;
    SettingsStore().setZoneOffset(5);
    const QString demoFile = SettingsStore().fileName();
    QVERIFY(demoFile.endsWith("Zeltmark/Pronos.Demo.conf"));
    UseEdition(FullEdition());
    QVERIFY(SettingsStore().fileName().endsWith("Zeltmark/Pronos.conf"));
    QVERIFY(!SettingsStore().zoneOffset());
    SettingsStore().setZoneOffset(20);
    UseEdition(DemoEdition());
    QCOMPARE(SettingsStore().zoneOffset().value_or(-1), 5);
}

void TestEdition::singleInstanceKeysDiffer()
{
    const QString user = CurrentUserName();
    QVERIFY(SingleInstanceServerName(DemoEdition().applicationTitle, user)
            != SingleInstanceServerName(FullEdition().applicationTitle, user));
}

void TestEdition::aboutTexts_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("calendar");
    QTest::newRow("DEMO") << false << "Versión 1 DEMO" << "de signos de 2003 y 2004 según la región escogida.";
    QTest::newRow("full") << true << "Versión 1 completa" << "de signos de 1900 a 2100 según la región escogida.";
}

void TestEdition::aboutTexts()
{
    QFETCH(bool, full);
    QFETCH(QString, version);
    QFETCH(QString, calendar);
    UseEdition(full ? FullEdition() : DemoEdition());
    TestGral test;
    TForm7 about(test.platform);
    QCOMPARE(about.findChild<QLabel*>("Label1")->text(), QString("Pronos de Zeltmark 2004"));
    QCOMPARE(about.findChild<QLabel*>("Label2")->text(), version);
    const QString paragraph = about.findChild<QLabel*>("Label4")->text();
    QVERIFY2(paragraph.endsWith(calendar), qPrintable(paragraph));
    QVERIFY(paragraph.startsWith("Pronos muestra, para cada integrante del equipo"));
}

void TestEdition::helpFileOfEachEdition()
{
    for (const Edition* edition : {&DemoEdition(), &FullEdition()}) {
        UseEdition(*edition);
        TestProgram program;
        Gral& gral = program.gral;
        CheckHelpFile(gral);
        QCOMPARE(program.messages.texts(),
                 QStringList{"No se puede hallar el archivo de ayuda \"" + edition->helpFileName +
                             "\".\rCompruebe si existe en su disco; de lo contrario necesitará instalarlo "
                             "nuevamente."});
        QVERIFY(WriteBytes(gral.environment.programFolder + edition->helpFileName, {}));
        CheckHelpFile(gral);
        QCOMPARE(gral.environment.helpFile, gral.environment.programFolder + edition->helpFileName);
    }
}

void TestEdition::fullHelpNamesItsPeriod()
{
    const QString demo = QString::fromUtf8(ReadBytes(QStringLiteral(PRONOS_PROGRAM_DIR "/Pronos.hlp")));
    const QString full = QString::fromUtf8(ReadBytes(QStringLiteral(PRONOS_PROGRAM_DIR "/Pronos-full.hlp")));
    QCOMPARE(demo, QString::fromUtf8(ReadBytes(QStringLiteral(PRONOS_SOURCE_DIR "/resources/Pronos.hlp"))));
    QVERIFY(!full.isEmpty());
    QVERIFY(!full.contains("2003") && !full.contains("2004"));
    QVERIFY(full.contains("edición completa, del 1 de enero de 1900 al 31 de diciembre de 2100"));
    QVERIFY(full.contains("Al iniciarse muestra el día de hoy."));
    // The same topics, in the same order, with the same titles; then the team window's and the calendar
    // export's, which the DEMO lacks.
    const QList<HelpTopic> demoTopics = ParseHelpText(demo), fullTopics = ParseHelpText(full);
    QCOMPARE(fullTopics.size(), demoTopics.size() + 2);
    for (qsizetype i = 0; i < demoTopics.size(); ++i) {
        QCOMPARE(fullTopics[i].number, demoTopics[i].number);
        QCOMPARE(fullTopics[i].title, demoTopics[i].title);
    }
    QCOMPARE(fullTopics[demoTopics.size()].number, int(HelpTeam));
    QCOMPARE(fullTopics[demoTopics.size()].title, QString("Equipo"));
    QCOMPARE(fullTopics.last().number, int(HelpCalendarExport));
    QCOMPARE(fullTopics.last().title, QString("Exportar a calendario"));
    QVERIFY(full.contains("- **Exportar a calendario...**:"));
    QVERIFY(!demo.contains("Equipo"));
    QVERIFY(full.contains("- **Equipo...**:"));
}

QTEST_MAIN(TestEdition)
#include "tst_edition.moc"
