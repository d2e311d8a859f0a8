#pragma once
// Printing the tendencies on the system's default printer. Without a default
// printer the user is told so and may save the same pages as a PDF file.
#include "Gral.h"

#include <functional>

// Prints the day `date` (sevenDays false) or seven days from it.
void PrintTendencies(Gral& gral, bool sevenDays, double date);

// The places where printing meets the desktop, replaceable so tests never block.
struct PrintSeams {
    // True when the system has a default printer.
    std::function<bool()> hasDefaultPrinter;
    // Asks where to save the PDF file, starting from `suggestedPath`; empty when cancelled.
    std::function<QString(const QString& suggestedPath)> choosePdfFile;
};
// The seams in use; assigning an empty function brings back the desktop one.
PrintSeams& PrintTendenciesSeams();

inline const QString NoDefaultPrinterMessage = QStringLiteral(
    "No hay una impresora predeterminada en el sistema, por lo que las tendencias no se pueden imprimir.\r\r"
    "¿Desea guardarlas en un archivo PDF?");
