#pragma once
// The thin layer between the program and the desktop it runs on. Each service
// is one member function that every platform must provide: the desktop's
// (DesktopPlatform), an unattended run's (UnattendedPlatform) and the tests'
// (recorders and scripted answers, so nothing ever blocks). The services act
// on the desktop, not on the object, so they are const.
#include "core/MessageStyle.h"

#include <QDate>
#include <QString>

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

class Platform {
public:
    virtual ~Platform() = default;

    // Shows a modal message box. Returns 1 (OK) or 2 (Cancel).
    virtual int message(const QString& text, MessageStyle style) const = 0;
    // Runs a window modally and returns its result code.
    virtual int runModal(QDialog& window) const = 0;
    virtual void beep() const = 0;
    virtual void busyCursor(bool busy) const = 0;
    virtual void showHelpTopic(HelpContext context) const = 0; // help command 1 with a context number
    virtual void showHelpFinder() const = 0;                   // help command 11
    virtual void openUrl(const QString& url) const = 0;
    virtual void quit() const = 0; // ends the program at the next return to the event loop
    // Printing: whether the system has a default printer, and where the user
    // wants the pages saved as a PDF file instead, asked in a file dialog
    // titled `title` starting from `suggestedPath` (empty when cancelled).
    virtual bool hasDefaultPrinter() const = 0;
    virtual QString choosePdfFile(const QString& title, const QString& suggestedPath) const = 0;
    // A file the user picks to read (chooseOpenFile) or to write
    // (chooseSaveFile), in a file dialog titled `title` starting from
    // `suggestedPath` and offering `filter` ("Planillas CSV (*.csv)"); empty
    // when cancelled. The caller asks before replacing an existing file. With
    // `hiddenShown` the dialog lists hidden folders too (an installation
    // under ~/.local).
    virtual QString chooseOpenFile(const QString& title, const QString& suggestedPath, const QString& filter,
                                   bool hiddenShown) const = 0;
    virtual QString chooseSaveFile(const QString& title, const QString& suggestedPath,
                                   const QString& filter) const = 0;
    // Today's date: the system clock's on the desktop, a fixed one in a test.
    virtual QDate today() const = 0;
};
