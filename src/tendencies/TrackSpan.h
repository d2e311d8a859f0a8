#pragma once
// The days the main window's track bar spans, one notch a day. A period of at
// most two calendar years (the DEMO's 731 days) is spanned whole; a longer one
// would give a notch no mouse can hit, so the bar spans the calendar year of
// the shown day and stepping past either end goes on into the next year.

struct TrackSpan {
    double origin = 0; // the day at position 0
    int maximum = 0;   // the last position
    bool operator==(const TrackSpan&) const = default;
};

TrackSpan TrackSpanFor(double firstCoveredDay, double lastCoveredDay, double shownDay);
