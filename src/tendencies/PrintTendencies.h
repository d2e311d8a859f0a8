#pragma once
// Printing the tendencies on the system's default printer. Without a default
// printer the user is told so and may save the same pages as a PDF file. The
// printer and the file dialog are reached through gral.platform.
#include "Gral.h"

// Prints the day `date` (sevenDays false) or seven days from it.
void PrintTendencies(Gral& gral, bool sevenDays, double date);

inline const QString NoDefaultPrinterMessage = QStringLiteral(
    "No hay una impresora predeterminada en el sistema, por lo que las tendencias no se pueden imprimir.\r\r"
    "¿Desea guardarlas en un archivo PDF?");
