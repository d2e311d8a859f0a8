// pronos-calendar: prints the sign calendar the program uses, so it can be
// checked against another ephemeris.
//   pronos-calendar [--offset N] [--pattern P]   the region's list, one line per row
//   pronos-calendar --changes [--pattern P]      every sign change: UT instant and base-zone minute
#include "DatePattern.h"
#include "DayNumber.h"
#include "LunarTheory.h"
#include "SignCalendar.h"
#include "SignChanges.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <cmath>

namespace {

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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints the sign calendar (base zone UTC-12 shifted by the offset)."));
    parser.addHelpOption();
    const QCommandLineOption offsetOption(QStringLiteral("offset"), QStringLiteral("Hours added to the base zone, 0..24 (default 0)."), QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption patternOption(QStringLiteral("pattern"), QStringLiteral("Short-date pattern of the date fields (default dd/MM/yyyy)."), QStringLiteral("P"), QStringLiteral("dd/MM/yyyy"));
    const QCommandLineOption changesOption(QStringLiteral("changes"), QStringLiteral("Print every sign change of the base calendar instead."));
    parser.addOptions({offsetOption, patternOption, changesOption});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    Gral gral;
    gral.systemDateFormat = parser.value(patternOption);
    gral.platform.message = [&err](const QString& text, int) {
        err << text << Qt::endl;
        return 1;
    };

    if (parser.isSet(changesOption)) {
        // UT instant, base-zone date and minute, old -> new sign.
        for (const SignChange& change : CalendarSignChanges()) {
            const int oldSign = change.newSign == 1 ? 12 : change.newSign - 1;
            out << UtInstantText(change.jdUT) << "  " << FormatDate(change.baseDay, gral.systemDateFormat) << ' '
                << FormatHourMinute(change.baseMinute) << " UTC-12  " << QString::number(oldSign).rightJustified(2, u'0')
                << " -> " << QString::number(change.newSign).rightJustified(2, u'0') << '\n';
        }
        return 0;
    }

    bool ok = false;
    const int offset = parser.value(offsetOption).toInt(&ok);
    if (!ok || offset < 0 || offset > 24) {
        err << "pronos-calendar: --offset takes a whole number from 0 to 24" << Qt::endl;
        return 2;
    }
    gral.zoneOffset = offset;
    BuildShiftedCalendar(gral);
    for (const QString& line : gral.signCalendar)
        out << line << '\n';
    return gral.dateIndex.isEmpty() ? 1 : 0;
}
