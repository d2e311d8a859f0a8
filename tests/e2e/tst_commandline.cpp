// The built executables' --help and --version: answered in Spanish on the
// standard output with exit code 0 on a machine without any display (no
// DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM), each true to its edition.
#include <QProcess>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
};

void TestCommandLine::answersWithoutDisplay_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("expected");
    const QStringList demo{"2003", "2004", "DEMO"};
    const QStringList full{"1900", "2100"};
    const QStringList help{"Uso:", "--help", "--version", "Estado de salida"};
    QTest::newRow("pronos --help") << "pronos" << "--help" << (QStringList{"Uso: pronos "} + help + demo);
    QTest::newRow("pronos --version") << "pronos" << "--version" << (QStringList{"pronos 1.0\n"} + demo);
    QTest::newRow("pronos-full --help") << "pronos-full" << "--help" << (QStringList{"Uso: pronos-full ", "--exportar-calendario ARCHIVO", "--integrantes", "--equipo "} + help + full);
    QTest::newRow("pronos-full --version") << "pronos-full" << "--version" << (QStringList{"pronos-full 1.0\n"} + full);
}

void TestCommandLine::answersWithoutDisplay()
{
    QFETCH(QString, executable);
    QFETCH(QString, option);
    QFETCH(QStringList, expected);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PRONOS_PROGRAM_DIR "/") + executable, {option});
    QVERIFY(program.waitForFinished(10000));
    const QString output = QString::fromUtf8(program.readAllStandardOutput());
    const QByteArray errors = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, errors.constData());
    QVERIFY2(errors.isEmpty(), errors.constData());
    for (const QString& text : expected)
        QVERIFY2(output.contains(text), qPrintable(text + " missing from:\n" + output));
    // The DEMO's answer never offers the full edition's period, nor the full edition's the DEMO's.
    QCOMPARE(output.contains("1900"), executable == "pronos-full");
    QCOMPARE(output.contains("DEMO"), executable == "pronos");
    QCOMPARE(output.contains("--integrantes"), executable == "pronos-full" && option == "--help");
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
