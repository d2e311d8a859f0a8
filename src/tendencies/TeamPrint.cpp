#include "tendencies/TeamPrint.h"
#include "core/DatePattern.h"
#include "core/EntryElision.h"
#include "calendar/SignCalendar.h"
#include "tendencies/TendencyRule.h"

namespace {

const DatePattern LongDatePattern(QStringLiteral("dddd d \"de\" mmmm \"de\" yyyy"));
const PrintFont Regular12{12, false, false};
const PrintFont Title12{12, true, true};
const PrintFont Regular10{10, false, false};
const PrintFont Bold10{10, true, false};
constexpr int Margin = 3;
constexpr int TitleX = 20;
constexpr int NameShare = 30; // per cent of the width for the member's name

class TeamPage {
public:
    TeamPage(const LevelColorTable& colours, PrintCanvas& canvas, const TeamGrid& grid, const TeamPrintHeading& heading)
        : colours_(colours), canvas_(canvas), grid_(grid), heading_(heading)
    {
        const int width = canvas.pageWidth();
        gridLeft_ = Margin + width * NameShare / 100;
        hourWidth_ = std::max(1, (width - gridLeft_ - Margin) / 24);
    }

    void header()
    {
        line_ = 1;
        canvas_.setFont(Title12);
        canvas_.text(TitleX, ++line_, QStringLiteral(" ZELTMARK - PRONOS - EQUIPO "));
        canvas_.setFont(Regular10);
        const QString sheet = QStringLiteral("Hoja %1 de %2").arg(page_).arg(pageCount());
        canvas_.text(canvas_.pageWidth() - Margin - canvas_.textWidth(sheet), line_, sheet);
        line_ += 2;
        canvas_.text(Margin, line_, LongDatePattern.format(grid_.day) + QStringLiteral(" - ") + TeamOrderText(grid_));
        canvas_.text(Margin, ++line_, heading_.zone + QStringLiteral(" - ") + heading_.daylight);
        legend(++line_);
        line_ += 2;
        canvas_.setFont(Bold10);
        canvas_.text(Margin, line_, QStringLiteral("Integrante"));
        for (int hour = 0; hour < 24; ++hour)
            canvas_.text(gridLeft_ + hour * hourWidth_ + Margin, line_, QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));
        canvas_.setFont(Regular10);
        ++line_;
    }

    void row(const TeamRow& member)
    {
        const int perPage = canvas_.linesPerPage();
        if (perPage > 0 && line_ > perPage) {
            canvas_.newPage();
            ++page_;
            header();
        }
        canvas_.text(Margin, line_, ElideEntryName(member.entry, gridLeft_ - 2 * Margin, [this](const QString& text) {
            return canvas_.textWidth(text);
        }, QStringLiteral("...")));
        // The chart's own rectangles, 28 pixels an hour there, stretched to the page's hour width,
        // each wide enough carrying its level's initial, so a black-and-white print still reads.
        const QList<ChartPiece> pieces = TeamRowPieces(member, 0, colours_);
        for (const ChartPiece& piece : pieces)
            canvas_.box(x(piece.left), x(piece.right), line_, piece.colour);
        for (const ChartPiece& piece : pieces) {
            const QString initial = LevelInitial(piece.colour);
            const int width = canvas_.textWidth(initial);
            if (!initial.isEmpty() && x(piece.right) - x(piece.left) >= width + 2 * Margin)
                canvas_.text((x(piece.left) + x(piece.right) - width) / 2, line_, initial);
        }
        ++line_;
    }

    // The header's lines come first on every page; the rows fill the rest.
    int pageCount() const
    {
        const int perPage = canvas_.linesPerPage() - FirstRowLine + 1;
        if (canvas_.linesPerPage() <= 0 || perPage <= 0)
            return 1;
        return std::max(1, int((grid_.rows.size() + perPage - 1) / perPage));
    }

private:
    static constexpr int FirstRowLine = 9; // after the title, date, zone, legend and hours

    QString LevelInitial(ColourValue colour) const
    {
        for (int level = 1; level <= 5; ++level)
            if (colours_[size_t(level - 1)] == colour)
                return LevelName(level).left(1);
        return {};
    }

    int x(int chartX) const { return gridLeft_ + chartX * hourWidth_ / ChartHourWidth; }

    // Five swatches of an hour's width, each followed by its level's name and a gap.
    void legend(int line)
    {
        int left = gridLeft_;
        for (int level = 1; level <= 5; ++level) {
            canvas_.box(left, left + hourWidth_, line, colours_[size_t(level - 1)]);
            left += hourWidth_ + hourWidth_ / 3;
            canvas_.text(left, line, LevelName(level));
            left += canvas_.textWidth(LevelName(level)) + hourWidth_;
        }
        canvas_.text(Margin, line, QStringLiteral("Niveles:"));
    }

    const LevelColorTable& colours_;
    PrintCanvas& canvas_;
    const TeamGrid& grid_;
    const TeamPrintHeading& heading_;
    int gridLeft_ = 0;
    int hourWidth_ = 1;
    int line_ = 1;
    int page_ = 1;
};

} // namespace

QString TeamOrderText(const TeamGrid& grid)
{
    if (grid.sortHour < 0)
        return QStringLiteral("Orden: por nombre");
    return QStringLiteral("Orden: por nivel a las %1 hs.").arg(FormatHourMinute(grid.sortHour * 60));
}

PrintOutcome ComposeTeamPrint(const LevelColorTable& colours, PrintCanvas& canvas, const TeamGrid& grid,
                              const TeamPrintHeading& heading)
{
    if (!grid.dayFound)
        return PrintOutcome::DayNotFound;
    canvas.setFont(Regular12);
    if (!canvas.beginDocument())
        return PrintOutcome::CanvasFailed;
    TeamPage page(colours, canvas, grid, heading);
    page.header();
    for (const TeamRow& member : grid.rows)
        page.row(member);
    canvas.endDocument();
    return PrintOutcome::Printed;
}
