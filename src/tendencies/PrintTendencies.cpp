#include "tendencies/PrintTendencies.h"

#include "app/CalendarBuild.h"
#include "tendencies/PrintComposition.h"
#include "tendencies/PrinterCanvas.h"
#include "app/ProgramMessage.h"
#include "platform/SystemDateFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

QString SuggestedPdfPath(const QString& fileName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName + QStringLiteral(".pdf"));
}

// Prints the job on `printer`; a document that could not be started is reported.
void PrintOn(Gral& gral, QPrinter& printer, const PrintJob& job, const QString& failureText)
{
    if (job.landscape)
        printer.setPageOrientation(QPageLayout::Landscape);
    if (job.marginMm >= 0)
        printer.setPageMargins(QMarginsF(job.marginMm, job.marginMm, job.marginMm, job.marginMm),
                               QPageLayout::Millimeter);
    PrinterCanvas canvas(printer);
    PrintOutcome outcome;
    {
        BusyCursor busy(gral);
        outcome = job.compose(canvas);
    }
    if (outcome == PrintOutcome::CanvasFailed)
        ProgramMessage(gral, failureText, StyleError);
    else if (outcome == PrintOutcome::DayNotFound)
        ProgramMessage(gral,
                       QStringLiteral("La fecha \"%1\" no figura en el calendario del programa; no se imprimió nada.")
                           .arg(gral.environment.systemDateFormat.format(job.date)),
                       StyleError);
}

} // namespace

void PrintTendencies(Gral& gral, bool sevenDays, double date, const std::optional<TendencyPrintHeading>& heading)
{
    PrintJob job;
    job.name = QStringLiteral("Tendencias");
    job.date = date;
    if (heading) {
        job.marginMm = 10; // a printer clips what lies nearer its edge
        job.fileName = heading->member + u' ' + DateFromDayNumber(date).toString(Qt::ISODate);
    }
    job.compose = [&gral, sevenDays, date, heading](PrintCanvas& canvas) {
        if (!HoldWeekShown(gral, date)) // before the document starts
            return PrintOutcome::Ending;
        return ComposeTendencies(gral.calendar, gral.environment.systemDateFormat, gral.members, canvas, sevenDays, date,
                                 heading);
    };
    PrintDocument(gral, job);
}

QString FileNameText(const QString& text)
{
    QString name = text.trimmed();
    for (QChar& c : name)
        if (c < QChar(32) || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'-';
    return name;
}

void PrintDocument(Gral& gral, const PrintJob& job)
{
    if (gral.platform.hasDefaultPrinter()) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        PrintOn(gral, printer, job,
                QStringLiteral("No se pudo iniciar la impresión en \"%1\".").arg(printer.printerName()));
        return;
    }
    // Many desktops have no default printer: say so instead of printing into nothing.
    if (ProgramMessage(gral, job.noPrinterMessage, StyleOkCancel) != ResultOk)
        return;
    QString path = gral.platform.choosePdfFile(
        job.pdfDialogTitle, SuggestedPdfPath(FileNameText(job.fileName.isEmpty() ? job.name : job.fileName)));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(job.name);
    PrintOn(gral, printer, job,
            QStringLiteral("No se pudo crear el archivo \"%1\".").arg(QDir::toNativeSeparators(path)));
}
