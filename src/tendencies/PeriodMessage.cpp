#include "tendencies/PeriodMessage.h"
#include "platform/SystemDateFormat.h"

#include <cmath>

namespace {
QString Quoted(const QString& text)
{
    return u'"' + text + u'"';
}
} // namespace

QString coveredPeriodMessage(const Gral& gral, DateOrigin origin, double date)
{
    const double day = std::floor(date);
    const bool before = day < gral.calendar.firstCoveredDay;
    if (!before && day <= gral.calendar.lastCoveredDay)
        return {};
    const QString subject = origin == DateOrigin::System    ? QStringLiteral("de su sistema")
                            : origin == DateOrigin::Entered ? QStringLiteral("ingresada")
                                                            : Quoted(gral.environment.systemDateFormat.format(day));
    // The main window says the program "termina"; the printed pages and the
    // print window, that it "finaliza".
    const QString ends = origin == DateOrigin::Printed ? QStringLiteral("finaliza") : QStringLiteral("termina");
    if (before)
        return QStringLiteral("La fecha ") + subject +
               QStringLiteral(" es anterior a la fecha con la cual se inicia este programa.\r\rEl mismo comienza el ") +
               Quoted(gral.environment.systemDateFormat.format(gral.calendar.firstCoveredDay));
    return QStringLiteral("La fecha ") + subject +
           QStringLiteral(" es posterior a la fecha con la cual finaliza este programa.\r\rEl mismo ") + ends +
           QStringLiteral(" el ") + Quoted(gral.environment.systemDateFormat.format(gral.calendar.lastCoveredDay));
}
