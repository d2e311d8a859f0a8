// pronos-calendar as a process: a pattern it can't write a listing with is
// refused with a message and exit code 2, before anything is printed.
#include <QProcess>
#include <QTest>

class TestCalendarTool : public QObject {
    Q_OBJECT
private slots:
    void patterns_data();
    void patterns();
    void arguments_data();
    void arguments();
};

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

void TestCalendarTool::arguments_data()
{
    QTest::addColumn<QStringList>("arguments"); // each word used, or refused with exit 2 and the usage
    QTest::newRow("empty zone") << QStringList{"--zone", ""};
    QTest::newRow("a word as zone") << QStringList{"--zone", "hola"};
    QTest::newRow("repeated option") << QStringList{"--offset", "3", "--offset", "4"};
    QTest::newRow("extra word") << QStringList{"--offset", "3", "extra"};
    QTest::newRow("changes of the asked years") << QStringList{"--changes", "--years", "2026-2026"};
}

void TestCalendarTool::arguments()
{
    QFETCH(QStringList, arguments);
    QProcess tool;
    tool.start(QStringLiteral(PRONOS_PROGRAM_DIR "/pronos-calendar"), arguments);
    QVERIFY(tool.waitForFinished(60000));
    const QByteArray out = tool.readAllStandardOutput();
    const bool listing = arguments.contains("--years"); // every change on its base-zone date in 2026
    QCOMPARE(tool.exitCode(), listing ? 0 : 2);
    QCOMPARE(tool.readAllStandardError().contains("usage: pronos-calendar"), !listing);
    QVERIFY(listing ? out.count("/2026 ") == out.count('\n') && out.count('\n') > 150 : out.isEmpty());
}

QTEST_GUILESS_MAIN(TestCalendarTool)
#include "tst_calendartool.moc"
