// The roster sheet in the full edition's main window: "Importar desde planilla
// (CSV)..." through the preview window, driven by its controls and keys, and
// "Exportar a planilla (CSV)..."; and "Importar integrantes...", the members of
// another members file.
#include "core/Edition.h"
#include "platform/FileAccess.h"
#include "tendencies/MainWindowFixture.h"
#include "members/MembersTestFiles.h"
#include "members/MembersFile.h"
#include "members/RosterImportWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <cmath>

namespace {

const QString Fixtures = QStringLiteral(PRONOS_ROSTER_FIXTURES "/");

RosterImportWindow& Preview(QDialog& window) { return *qobject_cast<RosterImportWindow*>(&window); }

} // namespace

class TestRosterWindow : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void onlyTheFullEditionOffersIt();
    void importByKeyboard();
    void damagedSheetChangesNothing_data();
    void damagedSheetChangesNothing();
    void columnsChosenWithoutTitles();
    void fullDiskDuringImportKeepsMembers();
    void longSheetShowsProgress();
    void exportWritesTheSheet();
    void importsAnotherMembersFile_data();
    void importsAnotherMembersFile();

private:
    QString membersPath() const { return gral_->environment.dataFolder + MembersFileName; }
    void chooseSheet(const QString& path);
    std::unique_ptr<TForm1> window_;
    QByteArray oldBytes_;
};

void TestRosterWindow::init()
{
    ResetMainWindow(FullEdition(), {u"15/06/1985"_qs + u"ACUÑA MARCOS"_qs.leftJustified(60)},
                    {FullEdition().helpFileName});
    oldBytes_ = EncodeMemberRecord({Day(1985, 6, 15), u"ACUÑA MARCOS"_qs, u"Ya está en el programa"_qs});
    QVERIFY(WriteBytes(membersPath(), oldBytes_));
    window_ = MakeMainWindow(13, "(GMT+01:00) Madrid", QDate::currentDate());
}

void TestRosterWindow::cleanup()
{
    SetFileSpaceLimit({});
    window_.reset();
    ReleaseMainWindow();
}

void TestRosterWindow::chooseSheet(const QString& path)
{
    test_->platform.onChooseOpenFile = [path](const QString& title, const QString&, const QString& filter, bool) {
        return title == u"Importar desde planilla (CSV)" && filter.contains(u"*.csv") ? path : QString();
    };
}

void TestRosterWindow::onlyTheFullEditionOffersIt()
{
    QVERIFY(window_->Planilla1 && window_->Planilla2);
    window_.reset();
    UseEdition(DemoEdition());
    TForm1 demo(*gral_);
    QVERIFY(!demo.Planilla1 && !demo.Planilla2);
}

// Escape ("Cancelar") changes nothing. The preview opens on the sheet's
// titles; Enter is "Importar"; the members file gets the rows to add and the
// main window lists them.
void TestRosterWindow::importByKeyboard()
{
    chooseSheet(Fixtures + u"equipo-fechas-utf8.csv"_qs);
    modal_->push([](QDialog& window) {
        QTest::keyClick(&window, Qt::Key_Escape);
        return window.result();
    });
    window_->Planilla1->trigger();
    QVERIFY(messages_->texts().isEmpty() && !QFile::exists(membersPath() + MembersBackupSuffix));
    QCOMPARE(ReadBytes(membersPath()), oldBytes_);
    modal_->push([](QDialog& window) {
        RosterImportWindow& preview = Preview(window);
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("preview not active");
        [&] {
            QVERIFY(preview.HeaderBox->isChecked());
            QCOMPARE(preview.Rows->model()->rowCount(), 12);
            QCOMPARE(preview.Rows->model()->index(11, 1).data().toString(), u"Ya es integrante: mismo nombre y fecha de nacimiento"_qs);
            QVERIFY2(preview.CountsLabel->text().contains(u"Se agrega: 4"), qPrintable(preview.CountsLabel->text()));
            QVERIFY(preview.ImportButton->isDefault());
        }();
        // The keys go where the user's would: to the control that has the focus.
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return window.result();
    });
    window_->Planilla1->trigger();
    QCOMPARE(messages_->texts(), QStringList{u"Se agregaron 4 integrantes."_qs});
    QCOMPARE(ReadBytes(membersPath() + MembersBackupSuffix), oldBytes_);
    QCOMPARE(window_->Combo1->count(), 5);
    QVERIFY(window_->Combo1->findText(u"PÉREZ, JUAN CARLOS - 30/11/1988"_qs) >= 0);
}

void TestRosterWindow::damagedSheetChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("told");
    QTest::newRow("binary") << QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0\0", 12) << "caracteres de control";
    QTest::newRow("1 MB on one line") << QByteArray(1024 * 1024, ';') << "tiene más de 16384 caracteres";
    QTest::newRow("9 MB") << QByteArray(9 * 1024 * 1024, '\n') << "demasiado grande";
    QTest::newRow("no rows") << QByteArray("\r\n;;\r\n") << "ninguna fila";
    QTest::newRow("a pipe") << QByteArray("FIFO") << "No es un archivo común.";
}

void TestRosterWindow::damagedSheetChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, told);
    const QString sheet = env_->path() + u"/planilla.csv"_qs;
    QVERIFY(bytes == "FIFO" ? MakeFifo(sheet) : WriteBytes(sheet, bytes));
    chooseSheet(sheet);
    QVERIFY(FinishesWithoutFifoWriter(sheet, [&] { window_->Planilla1->trigger(); }));
    QCOMPARE(modal_->opened(), 0);
    QCOMPARE(messages_->messages().size(), 1);
    const QString text = messages_->messages()[0].text;
    QVERIFY2(text.startsWith(u"No se puede importar la planilla"), qPrintable(text));
    QVERIFY2(text.contains(told) && text.contains(u"No se agregó ningún integrante."), qPrintable(text));
    QCOMPARE(ReadBytes(membersPath()), oldBytes_);
}

// A sheet without titles: name, remarks and date in that order; the date
// column is chosen in the preview with the keyboard.
void TestRosterWindow::columnsChosenWithoutTitles()
{
    const QString sheet = env_->path() + u"/sin-titulos.csv"_qs;
    QVERIFY(WriteBytes(sheet, "Perez Juan;delantero;05/03/1990\r\nGomez Ana;;7/8/2001\r\n"));
    chooseSheet(sheet);
    modal_->push([](QDialog& window) {
        RosterImportWindow& preview = Preview(window);
        [&] {
            QVERIFY(!preview.HeaderBox->isChecked());
            QCOMPARE(preview.preview().count(RowOutcome::BadDate), 2); // "delantero" read as the date
            QVERIFY(!preview.ImportButton->isEnabled());
            preview.DateColumn->setFocus();
            QTest::keyClick(preview.DateColumn, Qt::Key_Down); // column C
            QCOMPARE(preview.preview().count(RowOutcome::Add), 2);
        }();
        QTest::mouseClick(preview.ImportButton, Qt::LeftButton);
        return window.result();
    });
    window_->Planilla1->trigger();
    QCOMPARE(messages_->texts(), QStringList{u"Se agregaron 2 integrantes."_qs});
    QVERIFY(window_->Combo1->findText(u"GOMEZ ANA - 07/08/2001"_qs) >= 0);
}

// The disk takes no more bytes for the members file: the preview says so,
// stays open, and the file keeps its member.
void TestRosterWindow::fullDiskDuringImportKeepsMembers()
{
    chooseSheet(Fixtures + u"equipo-fechas-1252.csv"_qs);
    SetFileSpaceLimit([](const QString& file, qint64 length) { return file.endsWith(MembersFileName) ? 100 : length; });
    bool stayedOpen = false;
    modal_->push([&](QDialog& window) {
        QTest::mouseClick(Preview(window).ImportButton, Qt::LeftButton);
        stayedOpen = window.isVisible();
        QTest::mouseClick(Preview(window).CancelButton, Qt::LeftButton);
        return window.result();
    });
    window_->Planilla1->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(messages_->messages().size(), 1);
    const RecordedMessage& told = messages_->messages()[0];
    QCOMPARE(told.style, int(StyleError));
    QVERIFY2(told.text.contains(u"quedó como estaba, con su único integrante"), qPrintable(told.text));
    QCOMPARE(ReadBytes(membersPath()), oldBytes_);
    QCOMPARE(window_->Combo1->count(), 1);
}

// A long sheet is read once the preview shows, its progress bar moving to the end.
void TestRosterWindow::longSheetShowsProgress()
{
    QByteArray sheet = "Nombre;Nacimiento\r\n";
    for (int i = 0; i < 1500; ++i)
        sheet += "JUGADOR " + QByteArray::number(i) + ";1/1/" + QByteArray::number(1900 + i % 100) + "\r\n";
    QVERIFY(WriteBytes(env_->path() + u"/largo.csv"_qs, sheet));
    chooseSheet(env_->path() + u"/largo.csv"_qs);
    QList<int> steps;
    bool shownWhileReading = true, hiddenAfter = false; int toAdd = 0;
    modal_->push([&](QDialog& window) {
        RosterImportWindow& preview = Preview(window);
        connect(preview.Progress, &QProgressBar::valueChanged, [&](int value) {
            steps << value;
            shownWhileReading = shownWhileReading && preview.Progress->isVisible() && !preview.ImportButton->isEnabled();
        });
        hiddenAfter = QTest::qWaitFor([&] { return preview.ImportButton->isEnabled(); })
            && preview.Progress->isHidden();
        toAdd = preview.preview().count(RowOutcome::Add);
        return 0;
    });
    window_->Planilla1->trigger();
    QCOMPARE(steps, (QList<int>{500, 1000, 1500}));
    QVERIFY(shownWhileReading && hiddenAfter);
    QCOMPARE(toAdd, 1500);
}

void TestRosterWindow::exportWritesTheSheet()
{
    const QString chosen = env_->path() + u"/equipo"_qs; // without ".csv"
    test_->platform.onChooseSaveFile = [&](const QString& title, const QString& suggested, const QString&) {
        return title == u"Exportar a planilla (CSV)" && suggested.endsWith(u"Integrantes.csv") ? chosen : QString();
    };
    window_->Planilla2->trigger();
    QCOMPARE(messages_->texts(),
             QStringList{u"Se exportó 1 integrante a \"%1.csv\"."_qs.arg(QDir::toNativeSeparators(chosen))});
    QCOMPARE(ReadBytes(chosen + u".csv"_qs),
             QByteArray("\xEF\xBB\xBF" "Apellidos y Nombres;Fecha de nacimiento;Observaciones\r\n") + u"ACUÑA MARCOS;15/06/1985;Ya está en el programa\r\n"_qs.toUtf8());
    messages_->answerNext(ResultCancel); // to "ya existe": the sheet is kept
    QVERIFY(WriteBytes(chosen + u".csv"_qs, "kept"));
    window_->Planilla2->trigger();
    QCOMPARE(messages_->texts().last(),
             u"El archivo \"%1.csv\" ya existe.\r¿Desea reemplazarlo?"_qs.arg(QDir::toNativeSeparators(chosen)));
    QCOMPARE(ReadBytes(chosen + u".csv"_qs), QByteArray("kept"));
}

// An earlier installation's file under ~/.local/bin, where the dialog starts
// (hidden folders shown): its members counted and its damaged records told in
// the question; OK adds the missing ones after a backup, Cancel nothing.
void TestRosterWindow::importsAnotherMembersFile_data()
{
    QTest::addColumn<QByteArray>("earlier");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("told"); // the start of each message
    QTest::addColumn<int>("members");      // in the main window afterwards
    const MemberRecord notADate{std::nan(""), u"RUIZ EVA"_qs, {}};
    const QByteArray three = Records({{Day(1980, 5, 5), u"PEREZ ANA"_qs, {}}, {Day(1985, 6, 15), u"ACUÑA MARCOS"_qs, {}},
                                      FreeSlotRecord(), notADate, {Day(1990, 2, 1), u"GOMEZ LUIS"_qs, {}}}) + "cut off";
    const QString asked = u"El archivo \"%1\" tiene 3 integrantes.\r\r2 registros están dañados y no se importarán."_qs;
    QTest::newRow("OK") << three << int(ResultOk)
                        << QStringList{asked, u"Se agregaron 2 integrantes. 1 ya estaba entre los integrantes."_qs} << 3;
    QTest::newRow("Cancel") << three << int(ResultCancel) << QStringList{asked} << 1;
    QTest::newRow("damaged only") << Records({notADate}) << 0
                                  << QStringList{u"No se puede importar \"%1\".\r\rNo tiene ningún integrante.\r\rUn registro"_qs} << 1;
}

void TestRosterWindow::importsAnotherMembersFile()
{
    QFETCH(QByteArray, earlier);
    QFETCH(int, answer);
    QFETCH(QStringList, told);
    QFETCH(int, members);
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(env_->path()));
    const auto restoreHome = qScopeGuard([&savedHome] { qputenv("HOME", savedHome); });
    const QString earlierFile = env_->path() + u"/.local/bin/Fechas.dat"_qs;
    QVERIFY(QDir().mkpath(env_->path() + u"/.local/bin"_qs) && WriteBytes(earlierFile, earlier));
    test_->platform.onChooseOpenFile = [](const QString& title, const QString& start, const QString& filter, bool hidden) {
        return title == u"Importar integrantes" && filter.contains(u"Fechas.dat") && hidden ? start : QString();
    };
    messages_->answerNext(answer);
    window_->findChild<QAction*>("Importar1")->trigger();
    QCOMPARE(messages_->texts().size(), told.size());
    for (qsizetype i = 0; i < told.size(); ++i)
        QVERIFY2(messages_->texts()[i].startsWith(told[i].arg(earlierFile)), qPrintable(messages_->texts()[i]));
    QCOMPARE(window_->Combo1->count(), members);
    QCOMPARE(ReadBytes(membersPath() + MembersBackupSuffix), members > 1 ? oldBytes_ : QByteArray());
    QCOMPARE(ReadBytes(membersPath()).size(), oldBytes_.size() * members);
}

QTEST_MAIN(TestRosterWindow)
#include "tst_rosterwindow.moc"
