#pragma once
// Date patterns in the letters of the system's short-date setting: d dd ddd
// dddd, M MM MMM MMMM (m is read as M: the patterns are date-only), y yy yyyy,
// text in single or double quotes literal, every other character literal.
// A pattern is read into its pieces once and then writes and reads any number
// of dates: the calendar writes a thousand of them at every rebuild.
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

struct DateNames {
    std::array<QString, 12> longMonths;  // January first
    std::array<QString, 12> shortMonths;
    std::array<QString, 7> longDays;     // Monday first (QDate::dayOfWeek() - 1)
    std::array<QString, 7> shortDays;

    static DateNames Spanish();
    // The system locale's names; Spanish when the system locale is C/POSIX.
    static const DateNames& System();
};

class DatePattern {
public:
    DatePattern() = default;
    // Implicit: a pattern is given by its text wherever one is expected.
    DatePattern(const QString& pattern);

    const QString& text() const { return text_; }
    qsizetype size() const { return text_.size(); }
    bool isEmpty() const { return text_.isEmpty(); }
    void clear() { *this = DatePattern(); }

    // Writes the date part of a day number. Returns an empty text when the
    // day number is not a date (NaN, infinite, far out of range).
    QString format(double dayNumber, const DateNames& names = DateNames::System()) const;

    // Reads text written with the pattern (same order, same separators) back
    // as a whole day number. Blanks around the text are allowed; anything else
    // that does not fit the pattern, or an impossible date, fails.
    std::optional<double> parse(const QString& text, const DateNames& names = DateNames::System()) const;

    // A day, a numeric month and a four-digit year are all written.
    bool hasDayMonthAndFullYear() const;
    // At least one date letter outside quotes (else every date writes the same text).
    bool hasDateLetter() const;

private:
    // One run of a pattern letter, or literal text.
    enum class Piece { Literal, Day, DayName, Month, MonthName, Year };
    struct Token {
        Piece piece = Piece::Literal;
        int width = 0; // pattern letters in the run
        QString literal;
    };

    template <typename Text>
    void write(Text& out, QDate date, const DateNames& names) const;

    QString text_;
    std::vector<Token> tokens_;
    bool fitsFixedText_ = false; // numbers and short literals only
};

// The dates every stored date text must hold, and their fixed width.
constexpr int FirstCheckedYear = 1800;
constexpr int LastCheckedYear = 2100;
constexpr int DateTextWidth = 10;

// True when the pattern has a day, a numeric month and a four-digit year and
// writes every date of 1800..2100 as exactly 10 characters that parse reads
// back as the same date. Checked on probe dates that take every value the
// written width or the read-back can depend on: each month, each weekday with
// one- and two-digit days, the last day of each month, and years on both sides
// of a century and of a two-digit year below 10.
bool WritesTenCharacterDates(const DatePattern& pattern, const DateNames& names = DateNames::System());
