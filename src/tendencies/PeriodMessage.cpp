#include "tendencies/PeriodMessage.h"
#include "core/DatePattern.h"

#include <cmath>

namespace {
QString Quoted(const QString& text)
{
    return u'"' + text + u'"';
}
} // namespace

QString CoveredPeriodMessage(const CoveredPeriod& period, const DatePattern& pattern, DateOrigin origin, double date)
{
    const double day = std::floor(date);
    const bool before = day < period.firstDay;
    if (!before && day <= period.lastDay)
        return {};
    const QString subject = origin == DateOrigin::System    ? QStringLiteral("de su sistema")
                            : origin == DateOrigin::Entered ? QStringLiteral("ingresada")
                                                            : Quoted(pattern.format(day));
    // The main window says the program "termina"; the printed pages and the
    // print window, that it "finaliza".
    const QString ends = origin == DateOrigin::Printed ? QStringLiteral("finaliza") : QStringLiteral("termina");
    if (before)
        return QStringLiteral("La fecha ") + subject +
               QStringLiteral(" es anterior a la fecha con la cual se inicia este programa.\r\rEl mismo comienza el ") +
               Quoted(pattern.format(period.firstDay));
    return QStringLiteral("La fecha ") + subject +
           QStringLiteral(" es posterior a la fecha con la cual finaliza este programa.\r\rEl mismo ") + ends +
           QStringLiteral(" el ") + Quoted(pattern.format(period.lastDay));
}
