#pragma once
// Writes the date fields of the calendar's lines. A rebuild writes some 730
// dates, so the pattern is read once here (with the same tokenizer as
// FormatDate) instead of at every date; patterns with day or month names go
// through FormatDate.
#include <QString>
#include <vector>

class DateFieldWriter {
public:
    explicit DateFieldWriter(const QString& pattern);
    // The day number's date written with the pattern (same text as FormatDate).
    QString write(int dayNumber) const;
    bool usesFastPath() const { return fast_; }

private:
    // The pattern's tokens as the fast path writes them.
    enum class Kind { Literal, Day, Day2, Month, Month2, Year, Year2, Year4 };
    struct Piece {
        Kind kind = Kind::Literal;
        QString literal;
    };
    bool compile();

    QString pattern_;
    std::vector<Piece> pieces_;
    bool fast_ = false;
};
