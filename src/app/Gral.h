#pragma once
// The state every window and routine of the program shares. One plain object,
// created by the entry point (or by a test) and handed to whoever needs it.
#include "Colour.h"
#include "CoveredPeriod.h"
#include "DatePattern.h"
#include "DayNumber.h"
#include "DayRowTable.h"
#include "Platform.h"

#include <QString>
#include <QStringList>
#include <QTimeZone>

// The calendar row last parsed by LoadSignRow.
struct CurrentSignRow {
    double date = 0;    // day number
    int fromMinute = 0; // minute of the day, 0..1439
    int toMinute = 0;
    int sign = 0;       // 1..12
};

struct Gral {
    Platform platform;

    // Start-up and environment
    DatePattern systemDateFormat; // the short-date pattern read at start; empty after a detected change
    QString startDateText;    // today written with systemDateFormat at start
    QString programFolder;    // the executable's folder, ending in '/'
    QString dataFolder;       // where the members file lives, ending in '/' (DataFolder.h)
    QString helpFile;         // set by CheckHelpFile once the help file is found
    bool quitRequested = false;

    // Sign calendar (zone-shifted) and its lookups
    QStringList signCalendar;
    QStringList dateIndex;
    DayRowTable dayRows;      // the first row of each day in signCalendar, built with dateIndex
    int calendarFirstYear = 0; // the whole years signCalendar was built for; 0 before the first build
    int calendarLastYear = 0;
    int zoneOffset = 12;      // hours added to the base zone (UTC-12): 0..24
    QTimeZone namedZone;      // the full edition's named zone (ZoneShift.h); when invalid, zoneOffset applies
    CurrentSignRow currentSignRow;
    int dayRowIndex = -1;     // 1-based row of the shown day's first span; -1 when not found

    // Members
    QStringList memberList;   // 70-character lines: date (1..10), name (11..70)
    bool memberSaved = false;

    // Tendencies
    double selectedBirthDate = 0;
    int memberSign = 1;       // 1..12
    double firstCoveredDay = FirstCoveredDayNumber;
    double lastCoveredDay = LastCoveredDayNumber;
    CoveredPeriod coveredPeriod = DemoPeriod; // handed over by the start-up; the main window takes its days from it
    LevelColorTable levelColors = DefaultLevelColors;
    double printDate = 0;     // start date chosen for printing; 0 = nothing to print
    int explainedLevel = 0;   // level shown by the explanation window, 0 = none yet
    bool explanationOpen = false;

    // Regional settings
    bool regionChanged = false;
    bool regionalFirstRun = false;
    bool settingsFailureTold = false; // a settings store that can't be written is told once per run
};
