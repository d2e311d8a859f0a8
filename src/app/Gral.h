#pragma once
// The state every window and routine of the program shares. One plain object,
// created by the entry point (or by a test) and handed to whoever needs it,
// made of named parts so a routine or window can be given just the part it
// reads: the environment, the calendar, the members, the level colours, the
// explanation window's state and the platform services.
#include "Colour.h"
#include "CoveredPeriod.h"
#include "DatePattern.h"
#include "DayNumber.h"
#include "DayRowTable.h"
#include "Platform.h"

#include <QString>
#include <QStringList>
#include <QTimeZone>

// What the program found at start: folders, the short-date pattern, the help
// file, and whether it has been asked to end.
struct Environment {
    DatePattern systemDateFormat; // the short-date pattern read at start; empty after a detected change
    QString startDateText;    // today written with systemDateFormat at start
    QString programFolder;    // the executable's folder, ending in '/'
    QString dataFolder;       // where the members file lives, ending in '/' (DataFolder.h)
    QString helpFile;         // set by CheckHelpFile once the help file is found
    bool quitRequested = false;
};

// One parsed calendar row.
struct SignRow {
    double date = 0;    // day number
    int fromMinute = 0; // minute of the day, 0..1439
    int toMinute = 0;
    int sign = 0;       // 1..12
    bool operator==(const SignRow&) const = default;
};

// The zone-shifted sign calendar, its indexes and the two row cursors the
// chart, the printing and the lookups share.
struct CalendarState {
    QStringList signCalendar;
    QStringList dateIndex;
    DayRowTable dayRows;      // the first row of each day in signCalendar, built with dateIndex
    int calendarFirstYear = 0; // the whole years signCalendar was built for; 0 before the first build
    int calendarLastYear = 0;
    int zoneOffset = 12;      // hours added to the base zone (UTC-12): 0..24
    QTimeZone namedZone;      // the full edition's named zone (ZoneShift.h); when invalid, zoneOffset applies
    SignRow currentSignRow;  // the row last parsed by LoadSignRow
    int dayRowIndex = -1;     // 1-based row of the shown day's first span; -1 when not found
    double firstCoveredDay = FirstCoveredDayNumber;
    double lastCoveredDay = LastCoveredDayNumber;
    CoveredPeriod coveredPeriod = DemoPeriod; // handed over by the start-up; the main window takes its days from it
};

// The team's members and the one chosen in the main window.
struct MemberState {
    QStringList memberList;   // 70-character lines: date (1..10), name (11..70)
    bool memberSaved = false;
    double selectedBirthDate = 0;
    int memberSign = 1;       // 1..12
};

// The explanation window, kept open beside the main window.
struct ExplanationState {
    int explainedLevel = 0;   // level shown by the explanation window, 0 = none yet
    bool explanationOpen = false;
};

struct Gral {
    Platform platform;
    Environment environment;
    CalendarState calendar;
    MemberState members;
    LevelColorTable levelColors = DefaultLevelColors;
    ExplanationState explanation;

    // Regional settings
    bool regionChanged = false;
    bool regionalFirstRun = false;
    bool settingsFailureTold = false; // a settings store that can't be written is told once per run
};
