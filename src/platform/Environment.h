#pragma once
#include "core/DatePattern.h"

#include <QString>

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
