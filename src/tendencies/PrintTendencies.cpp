#include "PrintTendencies.h"

#include "PrintComposition.h"
#include "PrinterCanvas.h"
#include "ProgramMessage.h"
#include "SystemDateFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

// Without a printer service there is nothing to print on, and without a file
// dialog no file is chosen.
bool HasDefaultPrinter(const Gral& gral)
{
    return gral.platform.hasDefaultPrinter && gral.platform.hasDefaultPrinter();
}

QString ChoosePdfFile(const Gral& gral, const QString& suggestedPath)
{
    return gral.platform.choosePdfFile ? gral.platform.choosePdfFile(suggestedPath) : QString();
}

QString SuggestedPdfPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Tendencias.pdf"));
}

// Prints on `printer`; a document that could not be started is reported.
void PrintOn(Gral& gral, QPrinter& printer, bool sevenDays, double date, const QString& failureText)
{
    PrinterCanvas canvas(printer);
    PrintOutcome outcome;
    {
        BusyCursor busy(gral);
        outcome = ComposeTendencies(gral, canvas, sevenDays, date);
    }
    if (outcome == PrintOutcome::CanvasFailed)
        ProgramMessage(gral, failureText, StyleError);
    else if (outcome == PrintOutcome::DayNotFound)
        ProgramMessage(gral,
                       QStringLiteral("La fecha \"%1\" no figura en el calendario del programa; no se imprimió nada.")
                           .arg(DateText(gral, date)),
                       StyleError);
}

} // namespace

void PrintTendencies(Gral& gral, bool sevenDays, double date)
{
    if (HasDefaultPrinter(gral)) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        PrintOn(gral, printer, sevenDays, date,
                QStringLiteral("No se pudo iniciar la impresión en \"%1\".").arg(printer.printerName()));
        return;
    }
    // Many desktops have no default printer: say so instead of printing into nothing.
    if (ProgramMessage(gral, NoDefaultPrinterMessage, StyleOkCancel) != ResultOk)
        return;
    QString path = ChoosePdfFile(gral, SuggestedPdfPath());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(QStringLiteral("Tendencias"));
    PrintOn(gral, printer, sevenDays, date,
            QStringLiteral("No se pudo crear el archivo \"%1\".").arg(QDir::toNativeSeparators(path)));
}
