#pragma once
// Helpers the tendency and print tests share: a calendar put
// straight into Gral, and the state each print test case starts from.
#include "core/DayNumber.h"
#include "app/Gral.h"
#include "calendar/SignCalendar.h"
#include "support/TestSupport.h"
#include "tendencies/TendencyCalls.h"

#include <QDate>
#include <QStringList>
#include <memory>

// Uses the lines as the sign calendar, with the date index the build would give.
inline void UseCalendar(Gral& gral, const QStringList& lines)
{
    gral.calendar.signCalendar = lines;
    gral.calendar.dateIndex.clear();
    for (const QString& line : lines)
        gral.calendar.dateIndex << line.left(10);
    IndexCalendarDays(gral.calendar, gral.environment.systemDateFormat);
}

// A private settings folder, a prepared Gral and its recorded messages; call
// ResetFixture() from init() so every case starts afresh.
class PrintTestFixture {
protected:
    void ResetFixture()
    {
        env_ = std::make_unique<TestEnvironment>();
        test_.reset();
    }

    std::unique_ptr<TestEnvironment> env_;
    TestGral test_;
    Gral& gral_ = test_.gral;
    MessageRecorder* recorder_ = &test_.messages;
};
