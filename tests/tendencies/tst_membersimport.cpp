// "Importar integrantes..." in the full edition's main window: another
// members file, found where an earlier installation kept it, counted, asked
// about, and its missing members added after a backup; damaged records told,
// never imported.
#include "MainWindowFixture.h"
#include "../members/MembersTestFiles.h"
#include "MembersFile.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QTest>
#include <cmath>

class TestMembersImport : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void importsTheMissingMembers_data();
    void importsTheMissingMembers();

private:
    QString membersPath() const { return gral_->environment.dataFolder + MembersFileName; }
    std::unique_ptr<TForm1> window_;
    QByteArray oldBytes_;
    QByteArray savedHome_;
};

void TestMembersImport::init()
{
    ResetMainWindow(FullEdition(), {u"15/06/1985"_qs + u"ACUÑA MARCOS"_qs.leftJustified(60)},
                    {FullEdition().helpFileName});
    oldBytes_ = Records({{Day(1985, 6, 15), u"ACUÑA MARCOS"_qs, {}}});
    QVERIFY(WriteBytes(membersPath(), oldBytes_));
    savedHome_ = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(env_->path()));
    window_ = MakeMainWindow(13, "(GMT+01:00) Madrid", QDate::currentDate());
}

void TestMembersImport::cleanup()
{
    qputenv("HOME", savedHome_);
    window_.reset();
    ReleaseMainWindow();
}

void TestMembersImport::importsTheMissingMembers_data()
{
    QTest::addColumn<QByteArray>("earlier"); // the earlier installation's members file
    QTest::addColumn<int>("answer");         // to the question, when one is asked
    QTest::addColumn<QStringList>("told");   // the start of each message
    QTest::addColumn<int>("members");        // in the main window afterwards
    const MemberRecord notADate{std::nan(""), u"RUIZ EVA"_qs, {}};
    const QByteArray three = Records({{Day(1980, 5, 5), u"PEREZ ANA"_qs, u"arquera"_qs},
                                      {Day(1985, 6, 15), u"ACUÑA MARCOS"_qs, u"otra nota"_qs},
                                      FreeSlotRecord(),
                                      notADate,
                                      {Day(1990, 2, 1), u"GOMEZ LUIS"_qs, {}}})
        + "cut off";
    const QString question = u"El archivo \"%1\" tiene 3 integrantes.\r\r2 registros están dañados y no se importarán."_qs;
    QTest::newRow("OK: the two missing ones") << three << int(ResultOk)
                                              << QStringList{question, u"Se agregaron 2 integrantes. 1 ya estaba entre los integrantes."_qs}
                                              << 3;
    QTest::newRow("Cancel") << three << int(ResultCancel) << QStringList{question} << 1;
    QTest::newRow("damaged only") << Records({notADate}) << 0
                                  << QStringList{u"No se puede importar \"%1\".\r\rNo tiene ningún integrante.\r\rUn registro está dañado"_qs}
                                  << 1;
}

void TestMembersImport::importsTheMissingMembers()
{
    QFETCH(QByteArray, earlier);
    QFETCH(int, answer);
    QFETCH(QStringList, told);
    QFETCH(int, members);
    const QString earlierFile = env_->path() + u"/.local/bin/Fechas.dat"_qs;
    QVERIFY(QDir().mkpath(env_->path() + u"/.local/bin"_qs));
    QVERIFY(WriteBytes(earlierFile, earlier));
    // The dialog starts on the earlier installation's file, in a hidden folder it shows.
    gral_->platform.chooseOpenFile = [](const QString& title, const QString& suggested, const QString& filter,
                                        bool hiddenShown) {
        return title == u"Importar integrantes" && filter.contains(u"Fechas.dat") && hiddenShown ? suggested : QString();
    };
    messages_->answerNext(answer);
    window_->findChild<QAction*>("Importar1")->trigger();

    QCOMPARE(messages_->texts().size(), told.size());
    for (qsizetype i = 0; i < told.size(); ++i)
        QVERIFY2(messages_->texts()[i].startsWith(told[i].arg(QDir::toNativeSeparators(earlierFile))),
                 qPrintable(messages_->texts()[i]));
    QCOMPARE(window_->Combo1->count(), members);
    const bool added = members > 1;
    QCOMPARE(ReadBytes(membersPath() + MembersBackupSuffix), added ? oldBytes_ : QByteArray());
    QCOMPARE(ReadBytes(membersPath()).size(), oldBytes_.size() * members);
    if (added)
        QVERIFY(window_->Combo1->findText(u"GOMEZ LUIS - 01/02/1990"_qs) >= 0);
    QCOMPARE(ReadBytes(earlierFile), earlier); // the earlier file is only read
}

QTEST_MAIN(TestMembersImport)
#include "tst_membersimport.moc"
