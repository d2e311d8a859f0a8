#pragma once
// Formatter and parser for Windows-style date patterns (the short-date
// setting's letters): d dd ddd dddd, M MM MMM MMMM (m is read as M: the
// patterns are date-only), y yy yyyy, text in single or double quotes
// literal, every other character literal.
#include <QList>
#include <QString>
#include <array>
#include <optional>

struct DateNames {
    std::array<QString, 12> longMonths;  // January first
    std::array<QString, 12> shortMonths;
    std::array<QString, 7> longDays;     // Monday first (QDate::dayOfWeek() - 1)
    std::array<QString, 7> shortDays;

    static DateNames Spanish();
    // The system locale's names; Spanish when the system locale is C/POSIX.
    static const DateNames& System();
};

// One piece of a pattern: a run of one pattern letter, or literal text.
enum class DateField { Day, DayName, Month, MonthName, Year, Literal };

struct DatePatternToken {
    DateField field = DateField::Literal;
    int width = 0;       // pattern letters in the run
    QString literal;
};

// Splits a pattern into tokens; consecutive literal characters form one token.
// FormatDate, ParseDate and the calendar's date writer all read patterns
// through this, so a letter means the same everywhere.
QList<DatePatternToken> TokenizeDatePattern(const QString& pattern);

// Writes the date part of a day number. Returns an empty text when the day
// number is not a date (NaN, infinite, far out of range).
QString FormatDate(double dayNumber, const QString& pattern, const DateNames& names = DateNames::System());

// Reads text written with the pattern (same order, same separators) back as a
// whole day number. Blanks around the text are allowed; anything else that
// does not fit the pattern, or an impossible date, fails.
std::optional<double> ParseDate(const QString& text, const QString& pattern, const DateNames& names = DateNames::System());

// The dates every stored date text must hold, and their fixed width.
constexpr int FirstCheckedYear = 1800;
constexpr int LastCheckedYear = 2100;
constexpr int DateTextWidth = 10;

// True when the pattern has a day, a numeric month and a four-digit year and
// writes every date of 1800..2100 as exactly 10 characters that ParseDate
// reads back as the same date. Checked on probe dates that take every value
// the written width or the read-back can depend on: each month, each weekday
// with one- and two-digit days, the last day of each month, and years on both
// sides of a century and of a two-digit year below 10.
bool WritesTenCharacterDates(const QString& pattern, const DateNames& names = DateNames::System());
// The first half of that test: a day, a numeric month and a four-digit year.
bool HasDayMonthAndFullYear(const QString& pattern);
