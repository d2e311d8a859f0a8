#include "core/DatePattern.h"
#include "core/DayNumber.h"

#include <QLocale>
#include <QVarLengthArray>
#include <algorithm>

namespace {

// The characters of a date with numbers only; used only for patterns whose
// longest date fits it (fitsFixedText_).
struct FixedText {
    std::array<char16_t, 64> chars;
    qsizetype size = 0;
    void append(char16_t c) { chars[size_t(size++)] = c; }
    void append(const char16_t* text, qsizetype length)
    {
        std::copy(text, text + length, chars.begin() + size);
        size += length;
    }
    const char16_t* constData() const { return chars.data(); }
};
using GrowingText = QVarLengthArray<char16_t, 64>;

// Appends a number as QString::number(value).rightJustified(minDigits, '0')
// would write it, without the temporary texts.
template <typename Text>
void AppendNumber(Text& out, int value, int minDigits)
{
    std::array<char16_t, 12> digits{};
    int n = 0;
    unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        digits[size_t(n++)] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    for (int pad = n + (value < 0 ? 1 : 0); pad < minDigits; ++pad)
        out.append(u'0');
    if (value < 0)
        out.append(u'-');
    while (n > 0)
        out.append(digits[size_t(--n)]);
}

template <typename Text>
void AppendText(Text& out, const QString& text)
{
    out.append(reinterpret_cast<const char16_t*>(text.utf16()), text.size());
}

// Reads minDigits..maxDigits ASCII digits at pos.
std::optional<int> ReadNumber(const QString& text, qsizetype& pos, int minDigits, int maxDigits)
{
    qsizetype end = pos;
    while (end < text.size() && end - pos < maxDigits && text.at(end).isDigit() && text.at(end).unicode() < 128)
        ++end;
    if (end - pos < minDigits)
        return std::nullopt;
    const int value = QStringView(text).mid(pos, end - pos).toInt();
    pos = end;
    return value;
}

// Matches the longest name of the list at pos, ignoring case; returns its index.
template <size_t N>
std::optional<int> ReadName(const QString& text, qsizetype& pos, const std::array<QString, N>& names)
{
    int best = -1;
    qsizetype bestLength = 0;
    for (size_t i = 0; i < N; ++i) {
        const QString& name = names[i];
        if (name.isEmpty() || name.size() <= bestLength)
            continue;
        if (QStringView(text).mid(pos, name.size()).compare(name, Qt::CaseInsensitive) == 0) {
            best = int(i);
            bestLength = name.size();
        }
    }
    if (best < 0)
        return std::nullopt;
    pos += bestLength;
    return best;
}

} // namespace

DatePattern::DatePattern(const QString& pattern) : text_(pattern)
{
    auto addLiteral = [this](QChar c) {
        if (tokens_.empty() || tokens_.back().piece != Piece::Literal)
            tokens_.push_back(Token{Piece::Literal, 0, {}});
        tokens_.back().literal.append(c);
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
            Token t;
            t.width = int(run);
            if (c == u'd')
                t.piece = run >= 3 ? Piece::DayName : Piece::Day;
            else if (lower == u'm')
                t.piece = run >= 3 ? Piece::MonthName : Piece::Month;
            else
                t.piece = Piece::Year;
            tokens_.push_back(t);
            i += run;
            continue;
        }
        addLiteral(c);
        ++i;
    }
    // Numbers take at most 11 characters (a sign and ten digits).
    qsizetype longest = 0;
    fitsFixedText_ = true;
    for (const Token& t : tokens_) {
        longest += t.piece == Piece::Literal ? t.literal.size() : 11;
        fitsFixedText_ = fitsFixedText_ && t.piece != Piece::DayName && t.piece != Piece::MonthName;
    }
    fitsFixedText_ = fitsFixedText_ && longest <= qsizetype(FixedText().chars.size());
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
            n.longMonths[size_t(m - 1)] = locale.standaloneMonthName(m, QLocale::LongFormat);
            n.shortMonths[size_t(m - 1)] = locale.standaloneMonthName(m, QLocale::ShortFormat);
        }
        for (int d = 1; d <= 7; ++d) {
            n.longDays[size_t(d - 1)] = locale.dayName(d, QLocale::LongFormat);
            n.shortDays[size_t(d - 1)] = locale.dayName(d, QLocale::ShortFormat);
        }
        return n;
    }();
    return names;
}

QString DatePattern::format(double dayNumber, const DateNames& names) const
{
    const QDate date = DateFromDayNumber(dayNumber);
    if (!date.isValid())
        return {};
    // Most patterns are numbers only: written on the stack, one allocation per date.
    if (fitsFixedText_) {
        FixedText out;
        write(out, date, names);
        return QString(reinterpret_cast<const QChar*>(out.constData()), out.size);
    }
    GrowingText out;
    write(out, date, names);
    return QString(reinterpret_cast<const QChar*>(out.constData()), out.size());
}

template <typename Text>
void DatePattern::write(Text& out, QDate date, const DateNames& names) const
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    for (const Token& t : tokens_) {
        const bool one = t.width == 1;
        switch (t.piece) {
        case Piece::Literal: AppendText(out, t.literal); break;
        case Piece::Day: AppendNumber(out, day, one ? 1 : 2); break;
        case Piece::DayName:
            AppendText(out, (t.width == 3 ? names.shortDays : names.longDays)[size_t(date.dayOfWeek() - 1)]);
            break;
        case Piece::Month: AppendNumber(out, month, one ? 1 : 2); break;
        case Piece::MonthName:
            AppendText(out, (t.width == 3 ? names.shortMonths : names.longMonths)[size_t(month - 1)]);
            break;
        case Piece::Year:
            if (t.width <= 2)
                AppendNumber(out, year % 100, t.width);
            else
                AppendNumber(out, year, 4);
            break;
        }
    }
}

std::optional<double> DatePattern::parse(const QString& rawText, const DateNames& names) const
{
    const QString text = rawText.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    int day = -1, month = -1, year = -1;
    qsizetype pos = 0;
    for (const Token& t : tokens_) {
        std::optional<int> v;
        switch (t.piece) {
        case Piece::Literal:
            if (QStringView(text).mid(pos, t.literal.size()).compare(t.literal, Qt::CaseInsensitive) != 0)
                return std::nullopt;
            pos += t.literal.size();
            continue;
        case Piece::Day:
            if (!(v = ReadNumber(text, pos, t.width, 2)))
                return std::nullopt;
            day = *v;
            break;
        case Piece::DayName:
            if (!ReadName(text, pos, t.width == 3 ? names.shortDays : names.longDays))
                return std::nullopt;
            break;
        case Piece::Month:
            if (!(v = ReadNumber(text, pos, t.width, 2)))
                return std::nullopt;
            month = *v;
            break;
        case Piece::MonthName:
            if (!(v = ReadName(text, pos, t.width == 3 ? names.shortMonths : names.longMonths)))
                return std::nullopt;
            month = *v + 1;
            break;
        case Piece::Year:
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

bool DatePattern::hasDayMonthAndFullYear() const
{
    bool day = false, month = false, year = false;
    for (const Token& t : tokens_) {
        day = day || t.piece == Piece::Day;
        month = month || t.piece == Piece::Month;
        year = year || (t.piece == Piece::Year && t.width >= 3);
    }
    return day && month && year;
}

bool DatePattern::hasDateLetter() const
{
    return std::any_of(tokens_.cbegin(), tokens_.cend(), [](const Token& t) { return t.piece != Piece::Literal; });
}

bool WritesTenCharacterDates(const DatePattern& pattern, const DateNames& names)
{
    if (!pattern.hasDayMonthAndFullYear())
        return false;
    static constexpr int ProbeYears[] = {FirstCheckedYear, 1805, 1899, 1940, 2000, 2009, 2050, LastCheckedYear};
    static constexpr int ProbeDays[] = {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16};
    for (int y : ProbeYears) {
        for (int m = 1; m <= 12; ++m) {
            auto holds = [&](int d) {
                const double dayNumber = DayNumberFromDate(QDate(y, m, d));
                const QString text = pattern.format(dayNumber, names);
                const std::optional<double> back = pattern.parse(text, names);
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
