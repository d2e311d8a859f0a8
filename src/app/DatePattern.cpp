#include "DatePattern.h"
#include "DayNumber.h"

#include <QLocale>

namespace {

QString TwoDigits(int v) { return QString::number(v).rightJustified(2, u'0'); }

// Reads 1..maxDigits digits (exactly `exact` when given) at pos.
std::optional<int> ReadNumber(const QString& text, qsizetype& pos, int minDigits, int maxDigits)
{
    qsizetype end = pos;
    while (end < text.size() && end - pos < maxDigits && text.at(end).isDigit() && text.at(end).unicode() < 128)
        ++end;
    if (end - pos < minDigits)
        return std::nullopt;
    const int value = text.mid(pos, end - pos).toInt();
    pos = end;
    return value;
}

// Matches the longest name of the list at pos, ignoring case; returns its index.
std::optional<int> ReadName(const QString& text, qsizetype& pos, const QString* names, int count)
{
    int best = -1;
    qsizetype bestLength = 0;
    for (int i = 0; i < count; ++i) {
        const QString& name = names[i];
        if (name.isEmpty() || name.size() <= bestLength)
            continue;
        if (QStringView(text).mid(pos, name.size()).compare(name, Qt::CaseInsensitive) == 0) {
            best = i;
            bestLength = name.size();
        }
    }
    if (best < 0)
        return std::nullopt;
    pos += bestLength;
    return best;
}

} // namespace

QList<DatePatternToken> TokenizeDatePattern(const QString& pattern)
{
    QList<DatePatternToken> tokens;
    auto addLiteral = [&tokens](QChar c) {
        if (tokens.isEmpty() || tokens.last().field != DateField::Literal)
            tokens.append(DatePatternToken{DateField::Literal, 0, {}});
        tokens.last().literal.append(c);
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == u'"' || c == u'\'') {
            const qsizetype close = pattern.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            for (qsizetype k = i + 1; k < end; ++k)
                addLiteral(pattern.at(k));
            i = end + 1;
            continue;
        }
        const QChar lower = c.toLower();
        if (c == u'd' || c == u'M' || c == u'm' || lower == u'y') {
            qsizetype run = 1;
            while (i + run < pattern.size() && pattern.at(i + run).toLower() == lower
                   && (lower != u'd' || pattern.at(i + run) == u'd'))
                ++run;
            DatePatternToken t;
            t.width = int(run);
            if (c == u'd')
                t.field = run >= 3 ? DateField::DayName : DateField::Day;
            else if (lower == u'm')
                t.field = run >= 3 ? DateField::MonthName : DateField::Month;
            else
                t.field = DateField::Year;
            tokens.append(t);
            i += run;
            continue;
        }
        addLiteral(c);
        ++i;
    }
    return tokens;
}

DateNames DateNames::Spanish()
{
    return DateNames{
        {u"enero"_qs, u"febrero"_qs, u"marzo"_qs, u"abril"_qs, u"mayo"_qs, u"junio"_qs, u"julio"_qs,
         u"agosto"_qs, u"septiembre"_qs, u"octubre"_qs, u"noviembre"_qs, u"diciembre"_qs},
        {u"ene"_qs, u"feb"_qs, u"mar"_qs, u"abr"_qs, u"may"_qs, u"jun"_qs, u"jul"_qs, u"ago"_qs,
         u"sep"_qs, u"oct"_qs, u"nov"_qs, u"dic"_qs},
        {u"lunes"_qs, u"martes"_qs, u"miércoles"_qs, u"jueves"_qs, u"viernes"_qs, u"sábado"_qs,
         u"domingo"_qs},
        {u"lun"_qs, u"mar"_qs, u"mié"_qs, u"jue"_qs, u"vie"_qs, u"sáb"_qs, u"dom"_qs},
    };
}

const DateNames& DateNames::System()
{
    static const DateNames names = [] {
        const QLocale locale = QLocale::system();
        if (locale.language() == QLocale::C)
            return Spanish();
        DateNames n;
        for (int m = 1; m <= 12; ++m) {
            n.longMonths[m - 1] = locale.standaloneMonthName(m, QLocale::LongFormat);
            n.shortMonths[m - 1] = locale.standaloneMonthName(m, QLocale::ShortFormat);
        }
        for (int d = 1; d <= 7; ++d) {
            n.longDays[d - 1] = locale.dayName(d, QLocale::LongFormat);
            n.shortDays[d - 1] = locale.dayName(d, QLocale::ShortFormat);
        }
        return n;
    }();
    return names;
}

QString FormatDate(double dayNumber, const QString& pattern, const DateNames& names)
{
    const QDate date = DateFromDayNumber(dayNumber);
    if (!date.isValid())
        return {};
    QString out;
    for (const DatePatternToken& t : TokenizeDatePattern(pattern)) {
        switch (t.field) {
        case DateField::Literal: out += t.literal; break;
        case DateField::Day: out += t.width == 1 ? QString::number(date.day()) : TwoDigits(date.day()); break;
        case DateField::DayName:
            out += (t.width == 3 ? names.shortDays : names.longDays)[date.dayOfWeek() - 1];
            break;
        case DateField::Month: out += t.width == 1 ? QString::number(date.month()) : TwoDigits(date.month()); break;
        case DateField::MonthName:
            out += (t.width == 3 ? names.shortMonths : names.longMonths)[date.month() - 1];
            break;
        case DateField::Year:
            if (t.width <= 2) {
                const int yy = date.year() % 100;
                out += t.width == 1 ? QString::number(yy) : TwoDigits(yy);
            } else {
                out += QString::number(date.year()).rightJustified(4, u'0');
            }
            break;
        }
    }
    return out;
}

std::optional<double> ParseDate(const QString& rawText, const QString& pattern, const DateNames& names)
{
    const QString text = rawText.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    int day = -1, month = -1, year = -1;
    qsizetype pos = 0;
    for (const DatePatternToken& t : TokenizeDatePattern(pattern)) {
        std::optional<int> v;
        switch (t.field) {
        case DateField::Literal:
            if (QStringView(text).mid(pos, t.literal.size()).compare(t.literal, Qt::CaseInsensitive) != 0)
                return std::nullopt;
            pos += t.literal.size();
            continue;
        case DateField::Day:
            if (!(v = ReadNumber(text, pos, t.width, 2)))
                return std::nullopt;
            day = *v;
            break;
        case DateField::DayName:
            if (!ReadName(text, pos, (t.width == 3 ? names.shortDays : names.longDays).data(), 7))
                return std::nullopt;
            break;
        case DateField::Month:
            if (!(v = ReadNumber(text, pos, t.width, 2)))
                return std::nullopt;
            month = *v;
            break;
        case DateField::MonthName:
            if (!(v = ReadName(text, pos, (t.width == 3 ? names.shortMonths : names.longMonths).data(), 12)))
                return std::nullopt;
            month = *v + 1;
            break;
        case DateField::Year:
            if (t.width <= 2) {
                if (!(v = ReadNumber(text, pos, t.width, 2)))
                    return std::nullopt;
                year = *v < 50 ? 2000 + *v : 1900 + *v;
            } else {
                if (!(v = ReadNumber(text, pos, 4, 4)))
                    return std::nullopt;
                year = *v;
            }
            break;
        }
    }
    if (pos != text.size() || day < 0 || month < 0 || year < 0)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return DayNumberFromDate(date);
}

bool HasDayMonthAndFullYear(const QString& pattern)
{
    bool day = false, month = false, year = false;
    for (const DatePatternToken& t : TokenizeDatePattern(pattern)) {
        day = day || t.field == DateField::Day;
        month = month || t.field == DateField::Month;
        year = year || (t.field == DateField::Year && t.width >= 3);
    }
    return day && month && year;
}

bool WritesTenCharacterDates(const QString& pattern, const DateNames& names)
{
    if (!HasDayMonthAndFullYear(pattern))
        return false;
    static constexpr int ProbeYears[] = {FirstCheckedYear, 1805, 1899, 1940, 2000, 2009, 2050, LastCheckedYear};
    static constexpr int ProbeDays[] = {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16};
    for (int y : ProbeYears) {
        for (int m = 1; m <= 12; ++m) {
            auto holds = [&](int d) {
                const double dayNumber = DayNumberFromDate(QDate(y, m, d));
                const QString text = FormatDate(dayNumber, pattern, names);
                const std::optional<double> back = ParseDate(text, pattern, names);
                return text.size() == DateTextWidth && back && *back == dayNumber;
            };
            for (int d : ProbeDays)
                if (!holds(d))
                    return false;
            if (!holds(QDate(y, m, 1).daysInMonth()))
                return false;
        }
    }
    return true;
}
