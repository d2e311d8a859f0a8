// pronos-calendar as a process: a pattern it can't write a listing with, a
// zone the system does not know, and any word it would not use are refused
// with a message and exit code 2, before anything is printed.
#include <QProcess>
#include <QTest>

class TestCalendarTool : public QObject {
    Q_OBJECT
private slots:
    void patterns_data();
    void patterns();
    void refusedArguments_data();
    void refusedArguments();
    void changesOfTheAskedYears();
};

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun RunTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(PRONOS_PROGRAM_DIR "/pronos-calendar"), arguments);
    ToolRun run;
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = tool.exitCode();
    run.out = tool.readAllStandardOutput();
    run.err = tool.readAllStandardError();
    return run;
}

} // namespace

void TestCalendarTool::refusedArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("empty zone") << QStringList{"--zone", ""};
    QTest::newRow("a word as zone") << QStringList{"--zone", "hola"};
    QTest::newRow("junk zone") << QStringList{"--zone", "JUNK"};
    QTest::newRow("a zone-folder file") << QStringList{"--zone", "zone.tab"};
    QTest::newRow("repeated offset") << QStringList{"--offset", "3", "--offset", "4"};
    QTest::newRow("repeated zone") << QStringList{"--zone", "Europe/Madrid", "--zone", "Europe/Madrid"};
    QTest::newRow("repeated flag") << QStringList{"--changes", "--changes"};
    QTest::newRow("extra word") << QStringList{"--offset", "3", "extra"};
    QTest::newRow("unknown option") << QStringList{"--region", "3"};
    QTest::newRow("changes with an offset") << QStringList{"--changes", "--offset", "3"};
    QTest::newRow("changes with a zone") << QStringList{"--changes", "--zone", "Europe/Madrid"};
    QTest::newRow("changes, years out of range") << QStringList{"--changes", "--years", "1800-1801"};
    QTest::newRow("table with years") << QStringList{"--table", "--years", "2026-2026"};
}

void TestCalendarTool::refusedArguments()
{
    QFETCH(QStringList, arguments);
    const ToolRun run = RunTool(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains("usage: pronos-calendar"), run.err.constData());
}

// --changes lists the years asked for, not 2003-2004.
void TestCalendarTool::changesOfTheAskedYears()
{
    const ToolRun run = RunTool({"--changes", "--years", "2026-2026"});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QVERIFY(lines.size() > 150); // twelve sign changes a lunar month
    for (const QByteArray& line : lines)
        QVERIFY2(line.contains("/2026 "), line.constData()); // the base-zone date
}

void TestCalendarTool::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("empty") << u""_qs << 2;
    QTest::newRow("quote pair") << u"''"_qs << 2;
    QTest::newRow("double quote pair") << u"\"\""_qs << 2;
    QTest::newRow("one quote") << u"'"_qs << 2;
    QTest::newRow("all quoted") << u"'dd/MM/yyyy'"_qs << 2;
    QTest::newRow("blanks only") << u"   "_qs << 2;
    QTest::newRow("line feed") << u"dd/MM\nyyyy"_qs << 2;
    QTest::newRow("carriage return") << u"dd/MM/yyyy\r"_qs << 2;
    QTest::newRow("line separator") << u"dd\u2028MM/yyyy"_qs << 2;
    QTest::newRow("dd/MM/yyyy") << u"dd/MM/yyyy"_qs << 0;
    QTest::newRow("yyyy-MM-dd") << u"yyyy-MM-dd"_qs << 0;
}

void TestCalendarTool::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(int, exitCode);
    QProcess tool;
    tool.start(QStringLiteral(PRONOS_PROGRAM_DIR "/pronos-calendar"), {u"--pattern"_qs, pattern});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), exitCode);
    const QByteArray out = tool.readAllStandardOutput();
    if (exitCode == 2) {
        QVERIFY(out.isEmpty());
        QVERIFY(tool.readAllStandardError().contains("--pattern"));
    } else {
        QCOMPARE(out.count('\n'), 1052);
    }
}

QTEST_GUILESS_MAIN(TestCalendarTool)
#include "tst_calendartool.moc"
