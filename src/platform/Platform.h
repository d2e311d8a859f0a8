#pragma once
// The thin layer between the program and the desktop it runs on. Each service
// is one function; the desktop build installs real ones (DesktopPlatform),
// tests install recorders and scripted answers so nothing ever blocks.
#include "core/MessageStyle.h"

#include <QDate>
#include <QString>
#include <functional>

class QDialog;

// The topics of the help file, by their context numbers there.
enum HelpContext : int {
    HelpContents = 1,
    HelpMainWindow = 2,
    HelpMembers = 3,
    HelpRegional = 4,
    HelpColours = 5,
    HelpConcepts = 6,
    HelpPrinting = 7,
    HelpExplanation = 8,
    HelpTeam = 9, // the team window, in the full edition's help only
    HelpCalendarExport = 10, // the calendar export, in the full edition's help only
};

struct Platform {
    // Shows a modal message box. Returns 1 (OK) or 2 (Cancel).
    std::function<int(const QString& text, MessageStyle style)> message;
    // Runs a window modally and returns its result code.
    std::function<int(QDialog& window)> runModal;
    std::function<void()> beep;
    std::function<void(bool busy)> busyCursor;
    std::function<void(HelpContext context)> showHelpTopic; // help command 1 with a context number
    std::function<void()> showHelpFinder;           // help command 11
    std::function<void(const QString& url)> openUrl;
    std::function<void()> quit;                     // ends the program at the next return to the event loop
    // Printing: whether the system has a default printer, and where the user
    // wants the pages saved as a PDF file instead, asked in a file dialog
    // titled `title` starting from `suggestedPath` (empty when cancelled).
    std::function<bool()> hasDefaultPrinter;
    std::function<QString(const QString& title, const QString& suggestedPath)> choosePdfFile;
    // A file the user picks to read (chooseOpenFile) or to write
    // (chooseSaveFile), in a file dialog titled `title` starting from
    // `suggestedPath` and offering `filter` ("Planillas CSV (*.csv)"); empty
    // when cancelled. The caller asks before replacing an existing file. With
    // `hiddenShown` the dialog lists hidden folders too (an installation
    // under ~/.local).
    std::function<QString(const QString& title, const QString& suggestedPath, const QString& filter,
                          bool hiddenShown)>
        chooseOpenFile;
    std::function<QString(const QString& title, const QString& suggestedPath, const QString& filter)> chooseSaveFile;
    // Today's date, the system clock's unless a test fixes it.
    std::function<QDate()> today;
};

inline QDate Today(const Platform& platform)
{
    return platform.today ? platform.today() : QDate::currentDate();
}
