#pragma once
#include "app/Gral.h"
#include "core/Result.h"

class SettingsStore;

// The one routine that shows a message. A line break in `text` is "\r".
int ProgramMessage(const Platform& platform, const QString& text, MessageStyle style);
int ProgramMessage(const Gral& gral, const QString& text, MessageStyle style);
// Tells a failure the logic returned, with its text and style.
int ProgramMessage(const Platform& platform, const Failure& failure);
int ProgramMessage(const Gral& gral, const Failure& failure);

// Asks before a file the user chose to write over is replaced; true when
// there is no such file or the user agreed.
bool ReplaceConfirmed(const Platform& platform, const QString& path);

// Runs a window modally through the platform seam.
int RunModal(const Gral& gral, QDialog& window);

// Asks the program to end at the next return to the event loop.
void RequestQuit(Gral& gral);

// Busy cursor for the lifetime of the object.
class BusyCursor {
public:
    explicit BusyCursor(const Gral& gral);
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
private:
    const Gral& gral_;
};

// The windows' side of the logic's failures that are told in one way
// everywhere.

// True when the system's short-date settings changed since start. The first
// time it tells the user, empties the pattern read at start (so the change is
// told once) and requests the quit; after that it only answers true.
bool DateFormatChanged(Gral& gral);

// Commits the store (CommitSettings); a store that can't be written is told
// the first time only. Whether the values are stored.
bool SaveSettings(Gral& gral, SettingsStore& store);

// Sets gral.environment.helpFile, when none is set yet, to the help file
// FindHelpFile finds. While there is none, says so at every call.
void CheckHelpFile(Gral& gral);
