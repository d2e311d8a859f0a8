#include "tendencies/PrintComposition.h"

#include "calendar/SignCalendar.h"
#include "calendar/SignRowText.h"
#include "platform/SystemDateFormat.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/TendencyTexts.h"

void PrintLineWriter::put(int x, const QString& text)
{
    // Lines are placed by number; one that would fall below the page goes to
    // the top of a new page instead of being cut off.
    const int perPage = canvas_.linesPerPage();
    if (perPage > 0 && lineNumber_ > perPage && lineNumber_ > 1) {
        canvas_.newPage();
        ++page_;
        lineNumber_ = 1;
    }
    canvas_.text(x, lineNumber_, text);
}

void PrintLineWriter::line(int x, const QString& text)
{
    if (text.size() <= MaxLineLength) {
        put(x, text);
    } else {
        const qsizetype blank = text.indexOf(QLatin1Char(' '), WrapSearchFrom - 1);
        if (blank >= 0) {
            put(WrapX, text.left(blank + 1));
            ++lineNumber_;
            put(WrapX, text.mid(blank));
        } else {
            put(WrapX, text);
        }
    }
    ++lineNumber_;
}

namespace {

constexpr int TextX = 3;
constexpr int TitleX = 20;
const PrintFont Regular12{12, false, false};
const PrintFont Title12{12, true, true};
const PrintFont Underlined10{10, false, true};
const PrintFont Regular10{10, false, false};

const QString WholeDayHours = QStringLiteral("De 00:00 hs. a 23:59 hs.");

QString Hours(int fromMinute, int toMinute)
{
    return QStringLiteral("De %1 hs. a %2 hs.").arg(FormatHourMinute(fromMinute), FormatHourMinute(toMinute));
}

// A day has one span when its first row runs to the day's last minute (a
// named zone's change may end a first row at any other hh:59).
bool SingleSpan(const SignRow& row) { return row.toMinute == LastMinuteOfDay; }

class TendencyPrint {
public:
    TendencyPrint(const Gral& gral, PrintCanvas& canvas) : gral_(gral), canvas_(canvas), out_(canvas) {}

    bool header(const std::optional<TendencyPrintHeading>& heading)
    {
        canvas_.setFont(Regular12);
        if (!canvas_.beginDocument())
            return false;
        out_.line(TextX, QString());
        canvas_.setFont(Title12);
        out_.line(TitleX, QStringLiteral(" ZELTMARK - PRONOS "));
        out_.line(TextX, QString());
        canvas_.setFont(Underlined10);
        out_.line(TitleX, QStringLiteral(" TENDENCIAS - DISPOSICIONES - RECOMENDACIONES"));
        canvas_.setFont(Regular10);
        out_.line(TextX, QString());
        if (heading) {
            out_.line(TextX, QStringLiteral("Integrante: ") + heading->member);
            out_.line(TextX, QStringLiteral("Fecha de nacimiento: ") + heading->birthDate);
            out_.line(TextX, QStringLiteral("Zona horaria: ") + heading->zone + QStringLiteral(" - ") + heading->daylight);
            out_.line(TextX, QString());
        }
        return true;
    }

    void oneDay(int row, double date)
    {
        const std::optional<SignRow> first = read(row);
        if (!first)
            return;
        const QString dateText = gral_.environment.systemDateFormat.format(date);
        if (SingleSpan(*first)) {
            span(dateText, WholeDayHours, first->sign);
            return;
        }
        span(dateText, Hours(0, first->toMinute), first->sign);
        const std::optional<SignRow> second = read(row + 1);
        if (!second)
            return;
        span(dateText, Hours(second->fromMinute, second->toMinute), second->sign);
    }

    // Returns after the seventh day, or after the end-of-program lines when
    // the calendar has no further row.
    void sevenDays(int row)
    {
        for (int day = 0; day <= 6; ++day) {
            const std::optional<SignRow> firstRead = read(row);
            if (!firstRead)
                return;
            const SignRow& first = *firstRead;
            const QString hours = SingleSpan(first) ? WholeDayHours : Hours(0, first.toMinute);
            const QString dateText = gral_.environment.systemDateFormat.format(first.date);
            if (day > 0 && first.sign == lastSign_) {
                out_.line(TextX, SpanLine(dateText, hours) + QStringLiteral("Igual que anterior."));
            } else {
                out_.line(TextX, QString());
                span(dateText, hours, first.sign);
            }
            if (!SingleSpan(first)) {
                ++row;
                const std::optional<SignRow> second = read(row);
                if (!second)
                    return;
                out_.line(TextX, QString());
                span(gral_.environment.systemDateFormat.format(second->date), Hours(second->fromMinute, second->toMinute), second->sign);
            }
            ++row;
            if (row > gral_.calendar.signCalendar.size()) {
                out_.line(TextX, QString());
                out_.line(TextX, QStringLiteral("Fecha final del programa."));
                out_.line(TextX,
                          QStringLiteral("El mismo termina el ") + gral_.environment.systemDateFormat.format(gral_.calendar.lastCoveredDay));
                return;
            }
        }
    }

private:
    static QString SpanLine(const QString& dateText, const QString& hours)
    {
        return QStringLiteral("Fecha: ") + dateText + QStringLiteral(" - ") + hours + QStringLiteral(": ");
    }

    std::optional<SignRow> read(int row) const
    {
        return ReadSignRow(gral_.calendar, gral_.environment.systemDateFormat, row);
    }

    // The span line and the four texts of a span in `sign`.
    void span(const QString& dateText, const QString& hours, int sign)
    {
        out_.line(TextX, SpanLine(dateText, hours));
        const QString plural = PluralForStep(SignStepOf(gral_.members.memberSign, sign)).toUpper();
        out_.line(TextX, QStringLiteral("Tendencias: \"") + plural + QStringLiteral("\""));
        out_.line(TextX, QStringLiteral("-Tendencia de Juego: ") + GameTendencyText(sign));
        out_.line(TextX, QStringLiteral("-Disposición Anímica: ") + DispositionText(sign));
        out_.line(TextX, QStringLiteral("-Recomendaciones: ") + RecommendationText(sign));
        lastSign_ = sign;
    }

    const Gral& gral_;
    PrintCanvas& canvas_;
    PrintLineWriter out_;
    int lastSign_ = 0;
};

} // namespace

PrintOutcome ComposeTendencies(Gral& gral, PrintCanvas& canvas, bool sevenDays, double date,
                               const std::optional<TendencyPrintHeading>& heading)
{
    // The day is found before the document starts, so a missing day leaves no
    // half-printed page behind.
    const DayRow day = DayLookup(gral, date);
    if (day.outcome == DayRow::Ending)
        return PrintOutcome::Ending;
    if (day.outcome == DayRow::NotInCalendar)
        return PrintOutcome::DayNotFound;
    const int row = day.row;

    TendencyPrint print(gral, canvas);
    if (!print.header(heading))
        return PrintOutcome::CanvasFailed;
    if (sevenDays)
        print.sevenDays(row);
    else
        print.oneDay(row, date);
    canvas.endDocument();
    return PrintOutcome::Printed;
}
