#include "members/RosterDate.h"
#include "members/BirthDateRule.h"
#include "core/DayNumber.h"

#include <QRegularExpression>

namespace {

// True when the pattern names the month first (letters outside quotes); a
// pattern that starts with the year, as ISO does, says nothing of the order
// of a date written with the year last.
bool MonthBeforeDay(const QString& pattern)
{
    bool inQuote = false;
    for (QChar c : pattern) {
        if (c == u'\'' || c == u'"')
            inQuote = !inQuote;
        else if (!inQuote && (c == u'd' || c == u'D' || c == u'y' || c == u'Y'))
            return false;
        else if (!inQuote && (c == u'm' || c == u'M'))
            return true;
    }
    return false;
}

Result<QDate> Refused(const QString& why) { return Failure{why}; }

Result<QDate> Checked(int year, int month, int day, QDate today, const QString& text)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return Refused(QStringLiteral("la fecha «%1» no existe").arg(text));
    if (date < EarliestBirthDate) // the members window's range: 01/01/1800 to today
        return Refused(QStringLiteral("fecha anterior al 01/01/1800"));
    if (date > today)
        return Refused(QStringLiteral("fecha posterior a hoy"));
    return date;
}

} // namespace

Result<QDate> ReadRosterDate(const QString& rawText, const QString& pattern, QDate today)
{
    const QString text = rawText.trimmed();
    if (text.isEmpty())
        return Refused(QStringLiteral("falta la fecha"));

    static const QRegularExpression numeric(QStringLiteral("^(\\d{1,4})([/.-])(\\d{1,2})\\2(\\d{1,4})$"));
    if (const QRegularExpressionMatch m = numeric.match(text); m.hasMatch()) {
        const QString first = m.captured(1);
        const QString second = m.captured(3);
        const QString last = m.captured(4);
        if (first.size() == 4) // ISO order, whatever the separator
            return last.size() <= 2 ? Checked(first.toInt(), second.toInt(), last.toInt(), today, text)
                                    : Refused(QStringLiteral("«%1» no es una fecha").arg(text));
        if (first.size() > 2)
            return Refused(QStringLiteral("«%1» no es una fecha").arg(text));
        if (last.size() != 4)
            return Refused(last.size() <= 2 ? QStringLiteral("año de dos cifras en «%1»: escríbalo con cuatro").arg(text)
                                            : QStringLiteral("«%1» no es una fecha").arg(text));
        const int a = first.toInt();
        const int b = second.toInt();
        return MonthBeforeDay(pattern) ? Checked(last.toInt(), a, b, today, text)
                                       : Checked(last.toInt(), b, a, today, text);
    }

    // A date cell written as a number: the spreadsheet's day count from
    // 30/12/1899. Four digits or fewer are taken for a year or a typing error.
    static const QRegularExpression dayNumber(QStringLiteral("^(\\d{5})(?:[.,]0+)?$"));
    if (const QRegularExpressionMatch m = dayNumber.match(text); m.hasMatch()) {
        const QDate date = DateFromDayNumber(m.captured(1).toDouble());
        return Checked(date.year(), date.month(), date.day(), today, text);
    }
    return Refused(QStringLiteral("«%1» no es una fecha").arg(text));
}
