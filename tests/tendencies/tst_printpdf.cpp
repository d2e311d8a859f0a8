// Printing through QPainter: the no-printer path with its PDF offer, and a
// real PDF file read back with pdftotext.
#include "tendencies/PrintComposition.h"
#include "tendencies/PrintTendencies.h"
#include "tendencies/PrinterCanvas.h"
#include "tendencies/RecordingCanvas.h"
#include "tendencies/TendencyTestSupport.h"
#include "support/PdfText.h"

#include <QFile>
#include <QFontInfo>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Seven days, each with two spans in new signs, so nothing is "Igual que anterior":
// 5 header lines and 7 × 12 lines, more than one page holds.
QStringList BusyWeek()
{
    QStringList lines;
    int sign = 1;
    for (int day = 1; day <= 7; ++day) {
        const QString date = QStringLiteral("%1/01/2003").arg(day, 2, 10, QLatin1Char('0'));
        lines << QStringLiteral("%1 00:00 0%2:15 %3").arg(date).arg(day).arg(sign, 2, 10, QLatin1Char('0'));
        sign = sign % 12 + 1;
        lines << QStringLiteral("%1 0%2:16 23:59 %3").arg(date).arg(day).arg(sign, 2, 10, QLatin1Char('0'));
        sign = sign % 12 + 1;
    }
    lines << "08/01/2003 00:00 23:59 03";
    return lines;
}

// The pages of a PDF as pdftotext reads them, each a list of its non-empty lines, trimmed.
QList<QStringList> PdfPages(const QString& file)
{
    QList<QStringList> pages;
    for (const QString& page : PdfLayoutText(file).split(QLatin1Char('\f'))) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                lines << line.trimmed();
        if (!lines.isEmpty())
            pages << lines;
    }
    return pages;
}

QStringList Trimmed(const QStringList& texts)
{
    QStringList out;
    for (const QString& text : texts)
        out << text.trimmed();
    return out;
}

} // namespace

class TestPrintPdf : public QObject, private PrintTestFixture {
    Q_OBJECT

private slots:
    void init()
    {
        ResetFixture();
        gral_.members.memberSign = 5;
        UseCalendar(gral_, BusyWeek());
        chosen_.clear();
        titles_.clear();
        test_.platform.onChoosePdfFile = [this](const QString& title, const QString& suggested) {
            chosen_ << suggested;
            titles_ << title;
            return answerPath_;
        };
    }

    void printerFont()
    {
        const QFont font = PrinterCanvas::PrinterFont({12, true, true});
        QVERIFY(QFontInfo(font).fixedPitch());
        QVERIFY(font.bold());
        QVERIFY(font.underline());
        QCOMPARE(font.pointSize(), 12);
    }

    // Without a default printer the user is asked, and declining saves nothing.
    void noPrinterDeclined_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("choices");
        QTest::newRow("Cancel in the message") << 2 << "unused.pdf" << 0;
        QTest::newRow("Cancel in the file dialog") << 1 << "" << 1;
    }
    void noPrinterDeclined()
    {
        QFETCH(int, answer);
        QFETCH(QString, path);
        QFETCH(int, choices);
        QTemporaryDir dir;
        answerPath_ = path.isEmpty() ? QString() : dir.filePath(path);
        recorder_->answerNext(answer);
        PrintTendencies(gral_, false, DayNumberFromDate(QDate(2003, 1, 1)));
        QCOMPARE(recorder_->messages().size(), 1);
        QCOMPARE(recorder_->messages()[0].text, NoDefaultPrinterMessage);
        QCOMPARE(recorder_->messages()[0].style, 49);
        QCOMPARE(chosen_.size(), choices);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void unwritablePdfIsReported()
    {
        answerPath_ = "/nonexistent-folder/sub/tendencias.pdf";
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        PrintTendencies(gral_, false, DayNumberFromDate(QDate(2003, 1, 1)));
        QCOMPARE(recorder_->messages().size(), 2);
        QCOMPARE(recorder_->messages()[1].style, 16);
        QVERIFY(recorder_->messages()[1].text.contains("tendencias.pdf"));
    }

    // The same pages the printer would get, in a PDF file, read back as text.
    void pdfReadBack_data()
    {
        QTest::addColumn<bool>("sevenDays");
        QTest::addColumn<int>("pages");
        QTest::newRow("one day, one page") << false << 1;
        QTest::newRow("seven days, two pages") << true << 2;
    }
    void pdfReadBack()
    {
        QFETCH(bool, sevenDays);
        QFETCH(int, pages);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (Debian package poppler-utils) is not installed: the PDF cannot be read back");

        QTemporaryDir dir;
        if (qEnvironmentVariableIsSet("PRONOS_KEEP_PDF"))
            dir.setAutoRemove(false);
        answerPath_ = dir.filePath("tendencias"); // no suffix: ".pdf" is added
        const double date = DayNumberFromDate(QDate(2003, 1, 1));
        PrintTendencies(gral_, sevenDays, date);
        QCOMPARE(recorder_->messages().size(), 1); // only the no-printer question
        QVERIFY(chosen_.first().endsWith("Tendencias.pdf"));
        QCOMPARE(titles_, QStringList{"Guardar tendencias como PDF"});
        const QString file = answerPath_ + ".pdf";
        QVERIFY(QFile::exists(file));

        // What the composition writes, split into pages as the printer's page holds them.
        QPrinter probe(QPrinter::HighResolution);
        probe.setOutputFormat(QPrinter::PdfFormat);
        probe.setOutputFileName(dir.filePath("probe.pdf"));
        PrinterCanvas probeCanvas(probe);
        QVERIFY(probeCanvas.beginDocument());
        const int linesPerPage = probeCanvas.linesPerPage();
        probeCanvas.endDocument();
        QVERIFY(linesPerPage > 20);
        QVERIFY(linesPerPage < 89);
        RecordingCanvas expected(linesPerPage);
        QCOMPARE(ComposeTendencies(gral_, expected, sevenDays, date), PrintOutcome::Printed);
        QCOMPARE(expected.pages(), pages);

        const QList<QStringList> read = PdfPages(file);
        QCOMPARE(read.size(), pages);
        QStringList all;
        for (int page = 1; page <= pages; ++page) {
            QStringList onPage;
            for (const RecordingCanvas::Item& item : expected.items)
                if (item.page == page && !item.text.isEmpty())
                    onPage << item.text;
            QCOMPARE(read[page - 1], Trimmed(onPage));
            all += read[page - 1];
        }
        QCOMPARE(all.first(), "ZELTMARK - PRONOS");
        QCOMPARE(all.count("ZELTMARK - PRONOS"), 1); // the header only on the first page
        if (sevenDays) {
            QVERIFY(all.contains("-Disposición Anímica: Confianza en si mismos, a liderar."));
            QCOMPARE(all.last(), "-Recomendaciones: Tenacidad y practicidad.");
        }
    }

private:
    QStringList chosen_;
    QStringList titles_;
    QString answerPath_;
};

QTEST_MAIN(TestPrintPdf)
#include "tst_printpdf.moc"
