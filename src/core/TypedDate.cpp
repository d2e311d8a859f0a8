#include "core/TypedDate.h"

#include <QRegularExpression>

Result<QDate> ReadTypedDate(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{4})$"));
    QString compact = text;
    compact.remove(u'_').remove(u' ');
    const QRegularExpressionMatch match = shape.match(compact);
    if (!match.hasMatch())
        return Failure{QStringLiteral("La fecha \"%1\" está incompleta.\r\rEscríbala como dd/mm/aaaa, "
                                      "por ejemplo 25/07/1995.").arg(compact)};
    const QDate date(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
    if (!date.isValid())
        return Failure{QStringLiteral("La fecha \"%1\" no existe.").arg(compact)};
    return date;
}
