// The real start-up sequence when something it reads is unusable: a date
// pattern that can't write ten-character dates, a members file that can't be
// opened, a date-format change in the first-run members window, level colours
// that repeat one another in the settings.
#include "main/Startup.h"
#include "app/TFAviso.h"
#include "tendencies/TForm1.h"
#include "members/TForm2.h"
#include "members/MemberRecord.h"
#include "e2e/ConfiguredRegion.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>

namespace {

const QString NoMemberMessage =
    QStringLiteral("Como no se ha generado ningún integrante, la aplicación se cerrará.");

StartupOptions OptionsFor(const QString& folder)
{
    // The help file beside the program, as an installation has it.
    if (!QFile::exists(folder + "Pronos.hlp"))
        QFile::copy(QStringLiteral(PRONOS_PROGRAM_DIR "/Pronos.hlp"), folder + "Pronos.hlp");
    StartupOptions options;
    options.programFolder = folder;
    options.singleInstance = false;
    return options;
}

// A start-up with its messages recorded and its modal windows scripted.
struct ScriptedStart : TestGral {
    ScriptedStart() { gral.environment.systemDateFormat.clear(); } // read by the start-up itself
};

void WriteOneMember(const QString& folder)
{
    QVERIFY(WriteBytes(folder + "Fechas.dat", EncodeMemberRecord({29346, "PEREZ ANA", {}}))); // 5 May 1980
}

} // namespace

class TestStartFaults : public QObject {
    Q_OBJECT
private slots:
    void datePatterns_data();
    void datePatterns();
    void unusableMembersFile();
    void dateFormatChangeInFirstRunWindow();
    void repeatedStoredColours();
    void failedStartExitsWithFailure_data();
    void failedStartExitsWithFailure();
};

// Patterns of ten characters that pass the length test yet don't write every
// date as ten characters reading back the same: the notice, and the end.
void TestStartFaults::datePatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("usable");
    QTest::newRow("dd/MM/yy--") << "dd/MM/yy--" << false;
    QTest::newRow("dd'/'MM/yy") << "dd'/'MM/yy" << false;
    QTest::newRow("MMM/d/yyyy") << "MMM/d/yyyy" << false;
    QTest::newRow("d/M/yyyy/x") << "d/M/yyyy/x" << false;
    QTest::newRow("d/M/yyyy (8 characters)") << "d/M/yyyy" << false;
    QTest::newRow("dd/MM/yyyy") << "dd/MM/yyyy" << true;
    QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << true;
}

void TestStartFaults::datePatterns()
{
    QFETCH(QString, pattern);
    QFETCH(bool, usable);
    TestEnvironment env;
    env.setShortDatePattern(pattern);
    const QString folder = env.programFolder();
    QVERIFY(QDir().mkpath(env.dataFolder()));
    WriteOneMember(env.dataFolder());
    ConfigureRegion();
    ScriptedStart start;
    std::unique_ptr<TForm1> main = StartPronos(start.gral, OptionsFor(folder));
    QCOMPARE(bool(main), usable);
    QCOMPARE(start.modal.windows(), usable ? QStringList() : QStringList{"TFAviso"});
    QVERIFY(start.messages.messages().isEmpty());
}

// "Fechas.dat" that can't be opened (here a folder): told in Spanish, then
// the end, without the "no member" message (members may well exist).
void TestStartFaults::unusableMembersFile()
{
    TestEnvironment env;
    const QString folder = env.programFolder();
    QVERIFY(QDir().mkpath(env.dataFolder() + "Fechas.dat"));
    ScriptedStart start;
    QVERIFY(!StartPronos(start.gral, OptionsFor(folder)));
    QCOMPARE(start.messages.messages().size(), 1);
    const QString text = start.messages.messages()[0].text;
    QVERIFY2(text.contains("Es una carpeta, no un archivo."), qPrintable(text));
    QVERIFY(!text.contains(NoMemberMessage));
    QVERIFY(start.modal.windows().isEmpty());
}

void TestStartFaults::dateFormatChangeInFirstRunWindow()
{
    TestEnvironment env;
    const QString folder = env.programFolder();
    ScriptedStart start;
    start.modal.push([&env](QDialog& window) {
        auto* members = qobject_cast<TForm2*>(&window);
        if (!members)
            return -1;
        members->Edit1->setText("GARCIA LUIS");
        env.setShortDatePattern("yyyy-MM-dd");
        members->Button2->click();
        return window.isVisible() ? -2 : window.result();
    });
    QVERIFY(!StartPronos(start.gral, OptionsFor(folder)));
    QCOMPARE(start.modal.windows(), QStringList{"TForm2"});
    const QStringList texts = start.messages.texts();
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts[1].startsWith("Se han detectado cambios"));
    QCOMPARE(QFile(folder + "Fechas.dat").size(), qint64(0));
}

// Only "Color1" stored, as yellow: level 4's default is yellow too. Both
// can't be told apart on the chart, so the stored one falls back.
void TestStartFaults::repeatedStoredColours()
{
    TestEnvironment env;
    const QString folder = env.programFolder();
    QVERIFY(QDir().mkpath(env.dataFolder()));
    WriteOneMember(env.dataFolder());
    ConfigureRegion();
    {
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Zeltmark", "Pronos.Demo");
        raw.setValue("Color1", 65535);
    }
    ScriptedStart start;
    std::unique_ptr<TForm1> main = StartPronos(start.gral, OptionsFor(folder));
    QVERIFY(main);
    QCOMPARE(start.gral.levelColors, DefaultLevelColors);
}

// A start-up that ends because something failed ends the process with a code
// other than 0, for scripts and the desktop's launcher to see.
void TestStartFaults::failedStartExitsWithFailure_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("unusable date pattern") << "pattern";
    QTest::newRow("data folder can't be created") << "data folder";
    QTest::newRow("members file is a folder") << "members file";
}

void TestStartFaults::failedStartExitsWithFailure()
{
    QFETCH(QString, fault);
    TestEnvironment env;
    const QString folder = env.programFolder();
    ConfigureRegion();
    if (fault == "pattern")
        env.setShortDatePattern("d/M/yyyy");
    if (fault == "members file")
        QVERIFY(QDir().mkpath(env.dataFolder() + "Fechas.dat"));
    QFile blocker(env.path() + "/blocked");
    if (fault == "data folder") {
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the data folder's parent should be
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocker.fileName()));
    }
    // The single-instance socket in this test's folder, away from any copy running for real.
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(env.path()));
    const auto restoreTemp = qScopeGuard([&savedTemp] { qputenv("TMPDIR", savedTemp); });
    ScriptedStart start;
    const int code = RunPronosOnPlatform(*qobject_cast<QApplication*>(qApp), start.gral, OptionsFor(folder));
    QCOMPARE(code, StartupFailedExitCode);
    QVERIFY(code != 0);
    QCOMPARE(start.modal.windows().size() + start.messages.messages().size(), 1); // the one notice of the reason
}

QTEST_MAIN(TestStartFaults)
#include "tst_startfaults.moc"
