#include "tendencies/MomentTexts.h"
#include "core/DatePattern.h"
#include "calendar/SignCalendar.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/TendencyTexts.h"

namespace {
const DatePattern DayMonthPattern(QStringLiteral("dddd d \"de\" mmmm"));
}

MomentTexts MomentTextsFor(const LevelColorTable& colours, int memberSign, int sign)
{
    MomentTexts texts;
    const int step = SignStepOf(memberSign, sign);
    texts.headline = QStringLiteral("Tendencias ") + PluralForStep(step);
    texts.game = QStringLiteral("Tendencia de Juego: ") + GameTendencyText(sign);
    texts.disposition = QStringLiteral("Disposiciones Anímicas: ") + DispositionText(sign);
    texts.recommendation = QStringLiteral("Recomendaciones: ") + RecommendationText(sign);
    const int level = LevelOfStep(step);
    texts.fill = level >= 1 ? colours[size_t(level - 1)] : SilverColour;
    return texts;
}

QString ClickedMomentHeadline(double day, int minuteOfDay, const QString& headline)
{
    return DayMonthPattern.format(day) + QStringLiteral(" - ") + FormatHourMinute(minuteOfDay) +
           QStringLiteral(" hs. - ") + headline;
}
