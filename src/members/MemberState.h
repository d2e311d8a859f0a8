#pragma once
#include <QStringList>

// The team's members and the one chosen in the main window.
struct MemberState {
    QStringList memberList;   // 70-character lines: date (1..10), name (11..70)
    bool memberSaved = false;
    double selectedBirthDate = 0;
    int memberSign = 1;       // 1..12
};
