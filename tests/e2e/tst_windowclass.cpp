// The built executables on a virtual X server: the first window's WM_CLASS is
// the executable's name and the edition's fixed class (the menu entry's
// StartupWMClass) on a first run, whose first window is a first-run message,
// and on a later run, whose first window is the main window. Skipped without
// Xvfb, xwininfo or xprop (Debian packages xvfb, x11-utils).
#include "Edition.h"
#include "ConfiguredRegion.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

QString Run(const QString& program, const QStringList& arguments, const QString& display)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The WM_CLASS lines of the server's top-level windows that have one.
QStringList WindowClasses(const QString& display)
{
    QStringList classes;
    const QString tree = Run("xwininfo", {"-root", "-children"}, display);
    static const QRegularExpression window(QStringLiteral("^\\s+(0x[0-9a-f]+)"), QRegularExpression::MultilineOption);
    for (auto match = window.globalMatch(tree); match.hasNext();) {
        const QString line = Run("xprop", {"-id", match.next().captured(1), "WM_CLASS"}, display).trimmed();
        if (line.startsWith("WM_CLASS(STRING) = "))
            classes << line.mid(19);
    }
    return classes;
}

} // namespace

class TestWindowClass : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
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
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (Debian packages xvfb, x11-utils)").arg(tool)));
    // Xvfb picks a free display and writes its number on descriptor 1.
    server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    QVERIFY(server_.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(server_.canReadLine(), 20000);
    display_ = ":" + QString::fromLatin1(server_.readLine()).trimmed();
}

void TestWindowClass::cleanupTestCase()
{
    server_.terminate();
    server_.waitForFinished();
}

void TestWindowClass::firstWindowsClass_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<bool>("laterRun");
    QTest::addColumn<QString>("windowClass");
    QTest::newRow("pronos, first run") << "pronos" << false << R"("pronos", "Pronos-DEMO")";
    QTest::newRow("pronos, later run") << "pronos" << true << R"("pronos", "Pronos-DEMO")";
    QTest::newRow("pronos-full, first run") << "pronos-full" << false << R"("pronos-full", "Pronos")";
    QTest::newRow("pronos-full, later run") << "pronos-full" << true << R"("pronos-full", "Pronos")";
}

void TestWindowClass::firstWindowsClass()
{
    QFETCH(QString, executable);
    QFETCH(bool, laterRun);
    QFETCH(QString, windowClass);
    TestEnvironment env;
    if (laterRun) {
        // A member and a confirmed region: the start goes straight to the main window.
        UseEdition(executable == "pronos" ? DemoEdition() : FullEdition());
        ConfigureRegion();
        UseEdition(DemoEdition());
        QVERIFY(QDir().mkpath(env.dataFolder()));
        QFile members(env.dataFolder() + "Fechas.dat");
        QVERIFY(members.open(QIODevice::WriteOnly));
        members.write(RawMemberRecord(29346, "PEREZ ANA"));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("DISPLAY", display_);
    environment.insert("XDG_CONFIG_HOME", env.path() + "/config");
    environment.insert("XDG_DATA_HOME", env.path() + "/data");
    environment.insert("TMPDIR", env.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PRONOS_PROGRAM_DIR "/") + executable);
    QVERIFY(program.waitForStarted());
    QStringList classes;
    QTRY_VERIFY_WITH_TIMEOUT(!(classes = WindowClasses(display_)).isEmpty(), 20000);
    program.kill();
    program.waitForFinished();
    QCOMPARE(classes, QStringList{windowClass});
}

QTEST_GUILESS_MAIN(TestWindowClass)
#include "tst_windowclass.moc"
