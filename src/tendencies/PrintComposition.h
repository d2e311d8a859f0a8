#pragma once
// Composes the printed tendencies (one day, or seven days from a date) for the
// selected member onto a PrintCanvas.
#include "calendar/CalendarState.h"
#include "members/MemberState.h"
#include "tendencies/PrintCanvas.h"

#include <optional>

class DatePattern;

// Writes lines one after another, wrapping long ones and starting a new page
// when the next line would fall below the last line that fits.
class PrintLineWriter {
public:
    static constexpr int MaxLineLength = 82;
    static constexpr int WrapSearchFrom = 70; // 1-based position where a blank is looked for
    static constexpr int WrapX = 3;

    explicit PrintLineWriter(PrintCanvas& canvas) : canvas_(canvas) {}
    // A text of at most 82 characters goes at x. A longer one is split at the
    // first blank from position 70 on (both parts at x 3, the second starting
    // with the blank), or written whole at x 3 when there is none.
    void line(int x, const QString& text);
    int lineNumber() const { return lineNumber_; }
    int page() const { return page_; }

private:
    void put(int x, const QString& text);
    PrintCanvas& canvas_;
    int lineNumber_ = 1;
    int page_ = 1;
};

enum class PrintOutcome {
    Printed,
    Ending,       // the window's date-format check fired: the program is ending, nothing printed
    DayNotFound,  // the date is not in the sign calendar: nothing printed
    CanvasFailed, // the document could not be started
};

// Whom and where a print handed out speaks of, written under its title so
// that the sheet still says so away from the screen.
struct TendencyPrintHeading {
    QString member;    // the member's name
    QString birthDate; // the birth date as the member box writes it
    QString zone;      // the region or zone as the main window's status bar shows it
    QString daylight;  // "Horario verano: ..." as the status bar shows it
};

// Prints the day `date` (sevenDays false) or seven days from it (true), ending
// early with the end-of-program lines when the calendar runs out. Without a
// heading the print is the DEMO's, line for line. The day is looked up in the
// calendar as it is built (the window moves its years to the week first).
PrintOutcome ComposeTendencies(const CalendarState& calendar, const DatePattern& pattern, const MemberState& members,
                               PrintCanvas& canvas, bool sevenDays, double date,
                               const std::optional<TendencyPrintHeading>& heading = std::nullopt);
