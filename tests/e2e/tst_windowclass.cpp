// The built executables on a virtual X server: the first window's WM_CLASS is
// the executable's name and the edition's fixed class (the menu entry's
// StartupWMClass), on a first run (a first-run message) as on a later run (the
// main window). Skipped without Xvfb and xprop (packages xvfb, x11-utils).
#include "core/Edition.h"
#include "e2e/ConfiguredRegion.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

QString Output(const QString& display, const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments + QStringList{"-display", display});
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The WM_CLASS values of the server's top-level windows that have one.
QStringList WindowClasses(const QString& display)
{
    QStringList classes;
    const QString tree = Output(display, "xwininfo", {"-root", "-children"});
    static const QRegularExpression window(QStringLiteral("^\\s+(0x[0-9a-f]+)"), QRegularExpression::MultilineOption);
    for (auto match = window.globalMatch(tree); match.hasNext();) {
        const QString line = Output(display, "xprop", {"-id", match.next().captured(1), "WM_CLASS"});
        if (line.startsWith("WM_CLASS(STRING) = "))
            classes << line.mid(19).trimmed();
    }
    return classes;
}

} // namespace

class TestWindowClass : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase()
    {
        server_.terminate();
        server_.waitForFinished();
    }
    void firstWindowsClass_data();
    void firstWindowsClass();

private:
    QProcess server_;
    QString display_;
};

void TestWindowClass::initTestCase()
{
    for (const char* tool : {"Xvfb", "xwininfo", "xprop"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP("Xvfb, xwininfo or xprop is not installed (Debian packages xvfb, x11-utils)");
    server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    QTRY_VERIFY_WITH_TIMEOUT(server_.canReadLine(), 20000); // the free display it took
    display_ = ":" + QString::fromLatin1(server_.readLine()).trimmed();
}

void TestWindowClass::firstWindowsClass_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<bool>("laterRun");
    QTest::addColumn<QString>("windowClass");
    for (const bool later : {false, true}) {
        const char* run = later ? "later" : "first";
        QTest::addRow("pronos, %s run", run) << "pronos" << later << R"("pronos", "Pronos-DEMO")";
        QTest::addRow("pronos-full, %s run", run) << "pronos-full" << later << R"("pronos-full", "Pronos")";
    }
}

void TestWindowClass::firstWindowsClass()
{
    QFETCH(QString, executable);
    QFETCH(bool, laterRun);
    QFETCH(QString, windowClass);
    TestEnvironment env;
    if (laterRun) { // a member and a confirmed region: the start goes straight to the main window
        UseEdition(executable == "pronos" ? DemoEdition() : FullEdition());
        ConfigureRegion();
        UseEdition(DemoEdition());
        QVERIFY(QDir().mkpath(env.dataFolder())
                && WriteBytes(env.dataFolder() + "Fechas.dat", RawMemberRecord(29346, "PEREZ ANA")));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("DISPLAY", display_);
    environment.insert("XDG_CONFIG_HOME", env.path() + "/config");
    environment.insert("TMPDIR", env.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PRONOS_PROGRAM_DIR "/") + executable);
    QStringList classes;
    QTRY_VERIFY_WITH_TIMEOUT(!(classes = WindowClasses(display_)).isEmpty(), 60000); // a sanitizer build starts slowly
    program.kill();
    program.waitForFinished();
    QCOMPARE(classes, QStringList{windowClass});
}

QTEST_GUILESS_MAIN(TestWindowClass)
#include "tst_windowclass.moc"
