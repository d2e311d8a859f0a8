#include "members/BirthDateRule.h"

Result<QDate> CheckBirthDate(QDate birth, QDate today)
{
    const QString shown = birth.toString(QStringLiteral("dd/MM/yyyy"));
    if (birth < EarliestBirthDate)
        return Failure{
            QStringLiteral("La fecha de nacimiento %1 es anterior al 01/01/1800.\r\rNo se guardó ningún cambio.")
                .arg(shown)};
    if (birth > today)
        return Failure{
            QStringLiteral("La fecha de nacimiento %1 es posterior a hoy (%2).\r\rNo se guardó ningún cambio.")
                .arg(shown, today.toString(QStringLiteral("dd/MM/yyyy")))};
    return birth;
}
