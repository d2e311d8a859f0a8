#pragma once
// Printing the tendencies on the system's default printer. Without a default
// printer the user is told so and may save the same pages as a PDF file. The
// printer and the file dialog are reached through gral.platform.
#include "app/Gral.h"
#include "tendencies/PrintComposition.h"

#include <functional>

// Prints the day `date` (sevenDays false) or seven days from it. With a
// heading (the full edition) the sheet names the member, the birth date and
// the zone, keeps 10 mm from the page's edges, and its PDF is offered as
// "<member> <yyyy-mm-dd>.pdf".
void PrintTendencies(Gral& gral, bool sevenDays, double date,
                     const std::optional<TendencyPrintHeading>& heading = std::nullopt);

inline const QString NoDefaultPrinterMessage = QStringLiteral(
    "No hay una impresora predeterminada en el sistema, por lo que las tendencias no se pueden imprimir.\r\r"
    "¿Desea guardarlas en un archivo PDF?");

// One document to print: what composes it, and how it is named and spoken of.
struct PrintJob {
    QString name = QStringLiteral("Tendencias"); // the document's name, and the suggested PDF file's
    QString noPrinterMessage = NoDefaultPrinterMessage;                // asked when there is no printer
    QString pdfDialogTitle = QStringLiteral("Guardar tendencias como PDF"); // the file dialog's title then
    double date = 0;        // the day it speaks of, for the message when the calendar lacks it
    bool landscape = false;
    double marginMm = -1;   // the page's margins; the printer's own when negative
    QString fileName;       // the suggested PDF file's name when not `name`
    std::function<PrintOutcome(PrintCanvas&)> compose;
};
// `text` made fit for a file's name: characters no file name may hold become '-'.
QString FileNameText(const QString& text);

// Prints the job on the default printer; without one the user is told so and
// may save the same pages as a PDF file.
void PrintDocument(Gral& gral, const PrintJob& job);
