// pronos-calendar: prints the sign calendar the program uses, so it can be
// checked against another ephemeris.
//   pronos-calendar [--offset N] [--pattern P]   the region's list, one line per row
//   pronos-calendar --years A-B [--offset N] [--pattern P]
//                                                the same for the whole years A..B of 1900-2100
//   pronos-calendar --zone NAME [--years A-B] [--pattern P]
//                                                the same on the clock of a named time zone
//   pronos-calendar --changes [--years A-B] [--pattern P]
//                                                every sign change: UT instant and base-zone minute
//   pronos-calendar --table                      the carried sign-change table, as C++ rows
// Anything else (an unknown, repeated or contradicting option, a stray word)
// is refused with exit code 2 and the usage.
#include "calendar/CalendarWindow.h"
#include "core/DatePattern.h"
#include "core/DayNumber.h"
#include "calendar/LunarTheory.h"
#include "calendar/SignCalendar.h"
#include "calendar/SignChanges.h"
#include "platform/TimeZoneNames.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const char* const Usage =
    "usage: pronos-calendar [--offset N | --zone NAME] [--years A-B] [--pattern P]\n"
    "       pronos-calendar --changes [--years A-B] [--pattern P]\n"
    "       pronos-calendar --table";

QString UtInstantText(double jdUT)
{
    const double dayNumber = DayNumberOfJulianDay(jdUT);
    const qint64 totalSeconds = std::llround(dayNumber * 86400.0);
    const qint64 day = totalSeconds / 86400;
    const qint64 second = totalSeconds % 86400;
    return QStringLiteral("%1 %2:%3:%4 UT")
        .arg(DateFromDayNumber(double(day)).toString(QStringLiteral("yyyy-MM-dd")))
        .arg(second / 3600, 2, 10, QLatin1Char('0'))
        .arg(second / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(second % 60, 2, 10, QLatin1Char('0'));
}

// "A-B" (or a single year "A") within the full edition's years.
std::optional<CalendarYears> ReadYears(const QString& text)
{
    const QStringList parts = text.split(u'-');
    if (parts.size() > 2)
        return std::nullopt;
    bool firstOk = false, lastOk = false;
    const int first = parts.front().trimmed().toInt(&firstOk);
    const int last = parts.back().trimmed().toInt(&lastOk);
    const int minYear = YearOfDay(FullFirstDayNumber), maxYear = YearOfDay(FullLastDayNumber);
    if (!firstOk || !lastOk || first < minYear || last > maxYear || first > last)
        return std::nullopt;
    return CalendarYears{first, last};
}

// A pattern the listing can use: at least one date letter outside quotes
// (an empty or quote-only pattern writes nothing), and no line break, which
// would split the one-line-per-row listing.
bool UsablePattern(const QString& pattern)
{
    for (const QChar c : pattern)
        if (c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0x85) || c == QChar(0x2028)
            || c == QChar(0x2029))
            return false;
    return DatePattern(pattern).hasDateLetter();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints the sign calendar (base zone UTC-12 shifted by the offset)."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption offsetOption(QStringLiteral("offset"), QStringLiteral("Hours added to the base zone, 0..24 (default 0)."), QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption patternOption(QStringLiteral("pattern"), QStringLiteral("Short-date pattern of the date fields (default dd/MM/yyyy)."), QStringLiteral("P"), QStringLiteral("dd/MM/yyyy"));
    const QCommandLineOption changesOption(QStringLiteral("changes"), QStringLiteral("Print every sign change of the base calendar instead (2003-2004, or the years of --years)."));
    const QCommandLineOption tableOption(QStringLiteral("table"), QStringLiteral("Print the sign changes computed from the lunar theory as the rows of src/calendar/SignChangeTable.inc."));
    const QCommandLineOption yearsOption(QStringLiteral("years"), QStringLiteral("Print the whole years A..B (within 1900-2100) instead of 2003-2004."), QStringLiteral("A-B"));
    const QCommandLineOption zoneOption(QStringLiteral("zone"), QStringLiteral("A time zone by name (Europe/Madrid): each change at that zone's offset at its instant, instead of --offset."), QStringLiteral("NAME"));
    parser.addOptions({offsetOption, patternOption, changesOption, tableOption, yearsOption, zoneOption});

    // Every word given is used or refused: nothing is dropped without a word.
    const auto refuse = [&err](const QString& why) {
        err << "pronos-calendar: " << why << '\n' << Usage << Qt::endl;
        return 2;
    };
    if (!parser.parse(app.arguments()))
        return refuse(parser.errorText());
    if (parser.isSet(helpOption))
        parser.showHelp(0);
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected words: ") + parser.positionalArguments().join(u' '));
    for (const QString& name : parser.optionNames())
        if (parser.optionNames().count(name) > 1)
            return refuse(QStringLiteral("--%1 given more than once").arg(name));
    if (parser.isSet(tableOption) && parser.optionNames().size() > 1)
        return refuse(QStringLiteral("--table takes no other option"));
    if (parser.isSet(changesOption) && (parser.isSet(offsetOption) || parser.isSet(zoneOption)))
        return refuse(QStringLiteral("--changes lists the base zone's changes: no --offset or --zone beside it"));

    const DatePattern pattern(parser.value(patternOption));
    CalendarState calendar;
    if (!UsablePattern(pattern.text()))
        return refuse(QStringLiteral("--pattern needs a day, month or year letter (d, M, y) outside quotes "
                                     "and no line break"));
    std::optional<CalendarYears> years;
    if (parser.isSet(yearsOption)) {
        years = ReadYears(parser.value(yearsOption));
        if (!years)
            return refuse(QStringLiteral("--years takes two years A-B with 1900 <= A <= B <= 2100"));
    }

    if (parser.isSet(tableOption)) {
        out << "// Generated by `pronos-calendar --table` from the lunar theory; do not edit.\n";
        for (const SignChange& change : TheorySignChanges())
            out << "{" << QString::number(change.jdUT, 'f', 9) << ", " << change.baseDay << ", " << change.baseMinute
                << ", " << change.newSign << "},\n";
        return 0;
    }

    if (parser.isSet(changesOption)) {
        // UT instant, base-zone date and minute, old -> new sign, straight from the theory.
        const std::vector<SignChange> changes = years
            ? ComputeSignChanges(int(DayNumberFromDate(QDate(years->first, 1, 1))),
                                 int(DayNumberFromDate(QDate(years->last, 12, 31))))
            : TheorySignChanges();
        for (const SignChange& change : changes) {
            const int oldSign = change.newSign == 1 ? 12 : change.newSign - 1;
            out << UtInstantText(change.jdUT) << "  " << pattern.format(change.baseDay) << ' '
                << FormatHourMinute(change.baseMinute) << " UTC-12  " << QString::number(oldSign).rightJustified(2, u'0')
                << " -> " << QString::number(change.newSign).rightJustified(2, u'0') << '\n';
        }
        return 0;
    }

    bool ok = false;
    const int offset = parser.value(offsetOption).toInt(&ok);
    if (!ok || offset < 0 || offset > 24)
        return refuse(QStringLiteral("--offset takes a whole number from 0 to 24"));
    calendar.zoneOffset = offset;
    if (parser.isSet(zoneOption)) {
        // Only a zone the system knows: Qt would take any word as UTC.
        calendar.namedZone = KnownZone(parser.value(zoneOption));
        if (!calendar.namedZone.isValid() || parser.isSet(offsetOption))
            return refuse(QStringLiteral("--zone takes a time zone the system knows (such as Europe/Madrid), "
                                         "and no --offset beside it"));
    }
    if (years) {
        calendar.coveredPeriod.firstDay = FullFirstDayNumber;
        calendar.coveredPeriod.lastDay = FullLastDayNumber;
    }
    const Result<void> built =
        years ? BuildShiftedCalendarYears(calendar, pattern, years->first, years->last)
              : BuildShiftedCalendar(calendar, pattern);
    if (!built)
        err << built.failure().text << Qt::endl;
    for (const QString& line : calendar.signCalendar)
        out << line << '\n';
    return calendar.dateIndex.isEmpty() ? 1 : 0;
}
