#include "PrintTendencies.h"

#include "PrintComposition.h"
#include "PrinterCanvas.h"
#include "ProgramMessage.h"
#include "SystemDateFormat.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

bool DesktopHasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

QString DesktopChoosePdfFile(const QString& suggestedPath)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Guardar tendencias como PDF"),
                                        suggestedPath, QStringLiteral("Documentos PDF (*.pdf)"));
}

bool HasDefaultPrinter()
{
    const auto& seam = PrintTendenciesSeams().hasDefaultPrinter;
    return seam ? seam() : DesktopHasDefaultPrinter();
}

QString ChoosePdfFile(const QString& suggestedPath)
{
    const auto& seam = PrintTendenciesSeams().choosePdfFile;
    return seam ? seam(suggestedPath) : DesktopChoosePdfFile(suggestedPath);
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

PrintSeams& PrintTendenciesSeams()
{
    static PrintSeams seams;
    return seams;
}

void PrintTendencies(Gral& gral, bool sevenDays, double date)
{
    if (HasDefaultPrinter()) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        PrintOn(gral, printer, sevenDays, date,
                QStringLiteral("No se pudo iniciar la impresión en \"%1\".").arg(printer.printerName()));
        return;
    }
    // Many desktops have no default printer: say so instead of printing into nothing.
    if (ProgramMessage(gral, NoDefaultPrinterMessage, StyleOkCancel) != ResultOk)
        return;
    QString path = ChoosePdfFile(SuggestedPdfPath());
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
