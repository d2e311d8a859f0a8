#pragma once
// Calendar lines as they are built: each line with its date field (shared
// text, no copies) and its day number, side by side. The base calendar, the
// zone shift and the shifted calendar all build their lines this way; the
// calendar state takes them whole (InstallCalendarRows).
#include "calendar/DayRowTable.h"

#include <QStringList>
#include <algorithm>
#include <vector>

struct CalendarRows {
    QStringList lines;     // "date hh:nn hh:nn ss"
    QStringList dateTexts; // the date field of each line
    std::vector<int> days; // the day number of each line

    bool isEmpty() const { return lines.isEmpty(); }
    qsizetype size() const { return lines.size(); }

    void reserve(qsizetype count)
    {
        lines.reserve(count);
        dateTexts.reserve(count);
        days.reserve(size_t(count));
    }

    void append(QString line, const QString& dateText, int day)
    {
        lines.append(std::move(line));
        dateTexts.append(dateText);
        days.push_back(day);
    }

    // Keeps only the rows dated firstDay..lastDay (the rows are in calendar
    // order, so those before and after are cut at either end).
    void keepDays(int firstDay, int lastDay)
    {
        qsizetype begin = 0, end = qsizetype(days.size());
        while (begin < end && days[size_t(begin)] < firstDay)
            ++begin;
        while (end > begin && days[size_t(end - 1)] > lastDay)
            --end;
        if (end < qsizetype(days.size())) {
            lines.resize(std::min(end, lines.size()));
            dateTexts.resize(std::min(end, dateTexts.size()));
            days.resize(size_t(end));
        }
        if (begin > 0) {
            lines.remove(0, std::min(begin, lines.size()));
            dateTexts.remove(0, std::min(begin, dateTexts.size()));
            days.erase(days.begin(), days.begin() + begin);
        }
    }

    // Where each day starts among the lines.
    DayRowTable index() const { return DayRowTable::FromDays(days); }
};
