// The built executable as a process: a second copy started while the first
// runs ends at once, without a window or a message, and the first one is
// asked to come to the front. The DEMO and the full edition run side by side.
#include "core/Edition.h"
#include "e2e/ConfiguredRegion.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// A program folder with the executable and its help file, and one member in
// the user's data folder.
void LayOutProgramFolder(const QString& folder, const QString& dataFolder)
{
    QDir().mkpath(folder);
    QDir().mkpath(dataFolder);
    QVERIFY(QFile::copy(QStringLiteral(PRONOS_PROGRAM_DIR "/pronos"), folder + "pronos"));
    QVERIFY(QFile::copy(QStringLiteral(PRONOS_PROGRAM_DIR "/Pronos.hlp"), folder + "Pronos.hlp"));
    QVERIFY(QFile::copy(QStringLiteral(PRONOS_PROGRAM_DIR "/pronos-full"), folder + "pronos-full"));
    QVERIFY(QFile::copy(QStringLiteral(PRONOS_PROGRAM_DIR "/Pronos-full.hlp"), folder + "Pronos-full.hlp"));
    QVERIFY(WriteBytes(dataFolder + "Fechas.dat", RawMemberRecord(29346, "PEREZ ANA"))); // born 5 May 1980
}

qsizetype Sockets(const QString& folder)
{
    return QDir(folder).entryList(QDir::System | QDir::NoDotAndDotDot).size();
}

// A configured region for both editions, a folder for the copies' sockets, and
// the environment the copies run in.
QProcessEnvironment ProgramEnvironment(const TestEnvironment& env, const QString& socketFolder)
{
    ConfigureRegion();
    UseEdition(FullEdition());
    ConfigureRegion();
    UseEdition(DemoEdition());
    QDir().mkpath(socketFolder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", env.path() + "/config");
    environment.insert("XDG_DATA_HOME", env.path() + "/data");
    environment.insert("TMPDIR", socketFolder);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("USER", "pronos-test");
    return environment;
}

// Both editions laid out in a program folder, and the environment their copies run in.
struct ProgramFolder {
    TestEnvironment env;
    QString folder = env.path() + "/bin/";
    QString socketFolder = env.path() + "/tmp";
    QProcessEnvironment environment = ProgramEnvironment(env, socketFolder);
    ProgramFolder() { LayOutProgramFolder(folder, env.dataFolder()); }
    void start(QProcess& copy, const QString& program) const
    {
        copy.setProcessEnvironment(environment);
        copy.start(folder + program);
    }
};

} // namespace

class TestProcess : public QObject {
    Q_OBJECT
private slots:
    void secondCopyEndsAndFirstComesForward();
    void bothEditionsRunAtOnce();
};

void TestProcess::secondCopyEndsAndFirstComesForward()
{
    const ProgramFolder run;
    QProcess first;
    run.start(first, "pronos");
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Sockets(run.socketFolder) > 0, 30000);
    QVERIFY(first.state() == QProcess::Running);
    first.readAllStandardError();

    QProcess second;
    QElapsedTimer clock;
    clock.start();
    run.start(second, "pronos");
    QVERIFY(second.waitForFinished(10000));
    const qint64 elapsedMs = clock.elapsed();
    qInfo("second copy ended after %lld ms", elapsedMs);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(elapsedMs < 5000);
    QVERIFY(first.state() == QProcess::Running);
    // The first copy brings its window forward; the offscreen platform says it can't raise it.
    QByteArray firstOutput;
    QTRY_VERIFY_WITH_TIMEOUT((firstOutput += first.readAllStandardError()).contains("raise()"), 5000);

    first.kill();
    first.waitForFinished();
}

void TestProcess::bothEditionsRunAtOnce()
{
    const ProgramFolder run;
    QProcess demo;
    run.start(demo, "pronos");
    QVERIFY(demo.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(Sockets(run.socketFolder), 1, 30000);
    // The full edition is no second copy of the DEMO: it starts and answers copies of its own.
    QProcess full;
    run.start(full, "pronos-full");
    QVERIFY(full.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(Sockets(run.socketFolder), 2, 30000);
    QVERIFY(demo.state() == QProcess::Running);
    QVERIFY(full.state() == QProcess::Running);
    // A second copy of the full edition finds the first.
    QProcess secondFull;
    run.start(secondFull, "pronos-full");
    QVERIFY(secondFull.waitForFinished(10000));
    QCOMPARE(secondFull.exitCode(), 0);
    QVERIFY(full.state() == QProcess::Running);

    demo.kill();
    full.kill();
    demo.waitForFinished();
    full.waitForFinished();
}

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
