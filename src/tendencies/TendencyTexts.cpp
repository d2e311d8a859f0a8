#include "tendencies/TendencyTexts.h"

#include <array>

namespace {
struct SignTexts {
    const char* game;
    const char* disposition;
    const char* recommendation;
};

constexpr std::array<SignTexts, 12> TextsBySign = {{
    {"Rápido, impulsivo, agresivo.", "Nerviosismo, impaciencia, indisciplina.",
     "Poner autoridad, reacciones rápidas, evitar roces."},
    {"Lento, de control, favorece localía.", "Serenas, firmes, conservadoras.", "Tenacidad y practicidad."},
    {"Variable, inestable, cambiante.", "Impredecibles, no soportan la presión.", "Adaptarse y doblar las marcas."},
    {"Emocional, intenso, cerrado.", "Cambios de ánimo, inseguridad.",
     "Trabajar con seguridad, actitud de servicio."},
    {"Exigente, ambicioso, atractivo.", "Confianza en si mismos, a liderar.", "Responsabilidad y hacerse cargo."},
    {"Ordenado, pensado, analítico.", "Inconstantes, complejo de inferioridad.",
     "Trabajar en equipo con practicidad y eficacia."},
    {"Equilibrado, buen juego.", "Frías, influenciables.", "Cooperar y equilibrar todas las líneas."},
    {"Enérgico, brusco, friccionado.", "Seguros, malhumor, reacios a cambios.",
     "Decisión, firmeza anímica y mental."},
    {"Físico y mentalmente activo, favorece visita.", "Incansables y constantes.",
     "Cambiar los ritmos y sistemas."},
    {"Práctico, frío, estratégico.", "Ambiciosos, egoistas, manipuladores.",
     "Seriedad, prudencia, responsabilidad."},
    {"Movido, raro, cambiante.", "Independientes, desapegados, van fuerte.",
     "Creatividad, libertad de juego (Passing game)."},
    {"Tranquilo, fácil de jugar.", "Desánimo, falta de ambición y colaboración.",
     "Poner sacrificio, entrega, voluntad."},
}};

struct Explanation {
    const char* caption;
    const char* lines[3];
};

constexpr std::array<Explanation, 5> ExplanationsByLevel = {{
    {"Tendencia Excelente, ¿Qué indica?",
     {"Nos indica un estado de equilibrio y tranquilidad.",
      "Brinda creatividad, expansión y facilita los esfuerzos constructivos.", "Ideal para actividades físicas."}},
    {"Tendencia Buena, ¿Qué indica?",
     {"Nos indica que debemos ejercer energia y dinamismo para obtener logros.",
      "Señala oportunidades e ideas a través de lo mental.", "Depende de nosotros llevarlas a la práctica."}},
    {"Tendencia Normal, ¿Qué indica?",
     {"Nos indica que nada se da servido, muy poco se resuelve individualmente.",
      "Se requiere trabajo de equipo, esfuerzo y voluntad para que algo se concrete.",
      "Brinda apoyo, solidaridad y compañerismo."}},
    {"Tendencia Complicada, ¿Qué indica?",
     {"Nos indica inestabilidades, fricciones, tensiones, separaciones.",
      "Provoca conflictos internos, acción y decisión para solucionar problemas.",
      "No presionar o resistirse a los cambios."}},
    {"Tendencia Restrictiva, ¿Qué indica?",
     {"Nos indica impedimentos físicos y restricciones crónicas.",
      "Todo lo que no somos capaces de encarar y aceptar, aparece aquí.",
      "Provoca problemas, errores, equivocaciones. -SOLUCION: SACRIFICIO-"}},
}};

const SignTexts* TextsOf(int sign)
{
    return (sign >= 1 && sign <= 12) ? &TextsBySign[size_t(sign - 1)] : nullptr;
}

const Explanation* ExplanationOf(int level)
{
    return (level >= 1 && level <= 5) ? &ExplanationsByLevel[size_t(level - 1)] : nullptr;
}
} // namespace

QString GameTendencyText(int sign)
{
    const SignTexts* t = TextsOf(sign);
    return t ? QString::fromUtf8(t->game) : QString();
}

QString DispositionText(int sign)
{
    const SignTexts* t = TextsOf(sign);
    return t ? QString::fromUtf8(t->disposition) : QString();
}

QString RecommendationText(int sign)
{
    const SignTexts* t = TextsOf(sign);
    return t ? QString::fromUtf8(t->recommendation) : QString();
}

QString ExplanationCaption(int level)
{
    const Explanation* e = ExplanationOf(level);
    return e ? QString::fromUtf8(e->caption) : QString();
}

QString ExplanationText(int level)
{
    const Explanation* e = ExplanationOf(level);
    if (!e)
        return {};
    return QString::fromUtf8(e->lines[0]) + u'\r' + QString::fromUtf8(e->lines[1]) + u'\r' +
           QString::fromUtf8(e->lines[2]);
}
