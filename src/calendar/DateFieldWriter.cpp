#include "DateFieldWriter.h"
#include "DatePattern.h"
#include "DayNumber.h"

#include <array>

DateFieldWriter::DateFieldWriter(const QString& pattern) : pattern_(pattern)
{
    fast_ = compile();
    // The compiled pattern must write exactly what FormatDate writes; probe a
    // few dates (one- and two-digit days and months, both years) to be sure.
    for (int probe : {37622, 37630, 37935, 38046, 38352}) {
        if (!fast_)
            break;
        fast_ = write(probe) == FormatDate(probe, pattern_);
    }
}

// Numbers and literal text are written here; names are left to FormatDate.
bool DateFieldWriter::compile()
{
    for (const DatePatternToken& token : TokenizeDatePattern(pattern_)) {
        const bool one = token.width == 1;
        switch (token.field) {
        case DateField::Literal: pieces_.push_back(Piece{Kind::Literal, token.literal}); break;
        case DateField::Day: pieces_.push_back(Piece{one ? Kind::Day : Kind::Day2, {}}); break;
        case DateField::Month: pieces_.push_back(Piece{one ? Kind::Month : Kind::Month2, {}}); break;
        case DateField::Year:
            pieces_.push_back(Piece{one ? Kind::Year : token.width == 2 ? Kind::Year2 : Kind::Year4, {}});
            break;
        case DateField::DayName:
        case DateField::MonthName: return false;
        }
    }
    return true;
}

QString DateFieldWriter::write(int dayNumber) const
{
    if (!fast_)
        return FormatDate(dayNumber, pattern_);
    const QDate date = DateFromDayNumber(dayNumber);
    if (!date.isValid())
        return {};
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    std::array<char16_t, 64> buffer{};
    qsizetype length = 0;
    auto put = [&](char16_t ch) {
        if (length < qsizetype(buffer.size()))
            buffer[length] = ch;
        ++length;
    };
    auto putNumber = [&](int value, int minDigits) {
        std::array<char16_t, 12> digits{};
        int n = 0;
        do {
            digits[n++] = char16_t(u'0' + value % 10);
            value /= 10;
        } while (value > 0 && n < 12);
        while (n < minDigits)
            digits[n++] = u'0';
        while (n > 0)
            put(digits[--n]);
    };
    for (const Piece& piece : pieces_) {
        switch (piece.kind) {
        case Kind::Literal:
            for (QChar ch : piece.literal)
                put(ch.unicode());
            break;
        case Kind::Day: putNumber(day, 1); break;
        case Kind::Day2: putNumber(day, 2); break;
        case Kind::Month: putNumber(month, 1); break;
        case Kind::Month2: putNumber(month, 2); break;
        case Kind::Year: putNumber(year % 100, 1); break;
        case Kind::Year2: putNumber(year % 100, 2); break;
        case Kind::Year4: putNumber(year, 4); break;
        }
    }
    if (length > qsizetype(buffer.size()))
        return FormatDate(dayNumber, pattern_);
    return QString(reinterpret_cast<const QChar*>(buffer.data()), length);
}
