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

// Same reading of the pattern as FormatDate: d/dd, M/MM (m as M), y/yy/yyyy,
// quoted text and any other character literal; names are not handled here.
bool DateFieldWriter::compile()
{
    auto addLiteral = [this](QChar c) {
        if (pieces_.empty() || pieces_.back().kind != Kind::Literal)
            pieces_.push_back(Piece{});
        pieces_.back().literal.append(c);
    };
    for (qsizetype i = 0; i < pattern_.size();) {
        const QChar c = pattern_.at(i);
        if (c == u'"' || c == u'\'') {
            const qsizetype close = pattern_.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? pattern_.size() : close;
            for (qsizetype k = i + 1; k < end; ++k)
                addLiteral(pattern_.at(k));
            i = end + 1;
            continue;
        }
        const QChar lower = c.toLower();
        if (c == u'd' || c == u'M' || c == u'm' || lower == u'y') {
            qsizetype run = 1;
            while (i + run < pattern_.size() && pattern_.at(i + run).toLower() == lower
                   && (lower != u'd' || pattern_.at(i + run) == u'd'))
                ++run;
            Piece piece;
            if (lower == u'y')
                piece.kind = run == 1 ? Kind::Year : run == 2 ? Kind::Year2 : Kind::Year4;
            else if (run >= 3)
                return false; // day or month names
            else if (c == u'd')
                piece.kind = run == 1 ? Kind::Day : Kind::Day2;
            else
                piece.kind = run == 1 ? Kind::Month : Kind::Month2;
            pieces_.push_back(piece);
            i += run;
            continue;
        }
        addLiteral(c);
        ++i;
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
