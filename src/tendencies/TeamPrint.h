#pragma once
// The team grid on paper: a header with the day, the zone and the order, a
// legend of the five levels, the hour headings, then one line per member with
// the member's spans in the level colours on the chart's time scale. Pages
// follow one another when the team does not fit on one; each repeats the
// header.
#include "tendencies/PrintCanvas.h"
#include "tendencies/PrintComposition.h"
#include "tendencies/TeamGrid.h"

struct TeamPrintHeading {
    QString zone;     // the region as the main window's status bar shows it
    QString daylight; // "Horario verano: SI" / "Horario verano: NO"
};

PrintOutcome ComposeTeamPrint(const LevelColorTable& colours, PrintCanvas& canvas, const TeamGrid& grid,
                              const TeamPrintHeading& heading);

// "Orden: por nombre" or "Orden: por nivel a las 16:00 hs.".
QString TeamOrderText(const TeamGrid& grid);
