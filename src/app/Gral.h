#pragma once
// The state the windows share. One plain object, created by the entry point
// (or by a test) and handed to the windows; it only assembles the parts each
// subsystem declares, so a routine of the logic is given just the parts it
// reads and writes: the environment, the calendar, the members, the level colours, the
// explanation window's state and the platform services.
#include "calendar/CalendarState.h"
#include "core/Colour.h"
#include "members/MemberState.h"
#include "platform/Environment.h"
#include "platform/Platform.h"
#include "tendencies/ExplanationState.h"

struct Gral {
    // Built on the platform it runs on: Gral gral{platform}.
    explicit Gral(Platform& platform) : platform(platform) {}

    Platform& platform;
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
