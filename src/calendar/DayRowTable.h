#pragma once
// Where each day starts in the shifted calendar: one entry per day number, so
// finding a day's first row takes one subtraction instead of a search.
#include <algorithm>
#include <cmath>
#include <vector>

struct DayRowTable {
    int firstDay = 0;
    std::vector<int> firstRows; // 1-based first row of day firstDay + i; 0 when that day has no row

    // The first row of the day (any time of day ignored), -1 when the calendar has none.
    int rowOf(double day) const
    {
        if (!std::isfinite(day))
            return -1;
        const double offset = std::floor(day) - firstDay;
        if (offset < 0 || offset >= double(firstRows.size()))
            return -1;
        const int row = firstRows[size_t(offset)];
        return row > 0 ? row : -1;
    }
    bool holds(double firstDayWanted, double lastDayWanted) const
    {
        return rowOf(firstDayWanted) > 0 && rowOf(lastDayWanted) > 0;
    }

    // The table of rows whose days are `days`, in calendar order; a negative
    // day marks a row that is not a date.
    static DayRowTable FromDays(const std::vector<int>& days)
    {
        DayRowTable table;
        const auto first = std::find_if(days.begin(), days.end(), [](int day) { return day >= 0; });
        if (first == days.end())
            return table;
        table.firstDay = *first;
        for (size_t i = 0; i < days.size(); ++i) {
            const int offset = days[i] - table.firstDay;
            if (days[i] < 0 || offset < 0)
                continue; // not a date, or out of order: such a row cannot be found by day
            if (size_t(offset) >= table.firstRows.size())
                table.firstRows.resize(size_t(offset) + 1, 0);
            if (table.firstRows[size_t(offset)] == 0)
                table.firstRows[size_t(offset)] = int(i) + 1;
        }
        return table;
    }
};
