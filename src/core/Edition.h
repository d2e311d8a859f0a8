#pragma once
// The two programs built from these sources: the DEMO (2003-2004, opening on
// its first day) and the full edition (1900-2100, opening on today). They
// differ only in the texts that name them, where they keep their settings,
// their help file, the period they cover and the full edition's own windows. One edition is in force per
// process; main() chooses it before anything else runs.
#include "core/CoveredPeriod.h"

#include <QString>

struct Edition {
    QString applicationTitle;  // the application's title; a running copy of the same edition is found by it
    QString mainWindowCaption;
    QString messageCaption;    // caption of every message box
    QString settingsName;      // the settings live under "Zeltmark" / this name
    QString helpFileName;      // beside the executable
    QString aboutVersion{};    // the About window's second line; empty: the DEMO's stored text
    QString aboutCalendar{};   // the second part of its paragraph; empty: the DEMO's stored text
    double firstDay = FirstCoveredDayNumber;
    double lastDay = LastCoveredDayNumber;
    bool opensOnToday = false; // otherwise on the period's first day
    QString desktopFileName;   // the installed menu entry's id, so the desktop groups the windows under it
    bool teamView = false;     // the "Equipo" window: every member's day side by side
    bool namedZones = false;   // the regional window offers time zones by name besides the 61 regions
    bool calendarExport = false; // "Exportar a calendario...": tendencies as an iCalendar file
    bool rosterSheets = false; // the members to and from a spreadsheet (CSV import and export)
    bool handoutPrints = false; // the tendencies print names member, birth date and zone, 10 mm inside the page
    bool membersImport = false; // "Importar integrantes...": the members of another members file added
    bool windowOptions = false; // --integrantes and --equipo open those windows, here or in the running copy
    QString bannerPeriod{};    // the end banner's period line, drawn; empty: the DEMO's stored picture
    QString windowClass{};     // the class of WM_CLASS (the menu entry's StartupWMClass), the same on every run

    // The period with the day the main window opens on.
    CoveredPeriod period(double today) const { return {firstDay, lastDay, opensOnToday ? today : firstDay}; }
};

const Edition& DemoEdition();
const Edition& FullEdition();

// The edition of this process (the DEMO until UseEdition is called).
const Edition& CurrentEdition();
void UseEdition(const Edition& edition);
