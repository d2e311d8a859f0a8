#pragma once
// The four lines that speak of one moment for one member: the headline with
// the level's plural and colour, and the sign's three texts. The main window
// and the team window both show them, so they are composed here once.
#include "core/Colour.h"

#include <QString>

struct MomentTexts {
    QString headline;       // "Tendencias " + plural of the level
    QString game;           // "Tendencia de Juego: " + text of the sign
    QString disposition;    // "Disposiciones Anímicas: " + text
    QString recommendation; // "Recomendaciones: " + text
    ColourValue fill = 0;   // the level's colour, behind the headline
};

// The texts of calendar sign 1..12 for a member of sign memberSign, in the
// level colours `colours`.
MomentTexts MomentTextsFor(const LevelColorTable& colours, int memberSign, int sign);

// The headline of a clicked moment: "jueves 1 de enero - 16:04 hs. - " + headline.
QString ClickedMomentHeadline(double day, int minuteOfDay, const QString& headline);
