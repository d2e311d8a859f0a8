#pragma once
// The built-in texts of the tendencies.
#include <QString>

// By calendar sign 1..12; empty text for any other sign.
QString GameTendencyText(int sign);     // "Tendencia de Juego"
QString DispositionText(int sign);      // "Disposiciones Anímicas"
QString RecommendationText(int sign);   // "Recomendaciones"

// By level 1..5; empty for any other level.
QString ExplanationCaption(int level);  // "Tendencia Excelente, ¿Qué indica?" ...
QString ExplanationText(int level);     // three lines joined by "\r"
