#pragma once
#include "app/Gral.h"

// The one routine that shows a message. A line break in `text` is "\r".
int ProgramMessage(const Platform& platform, const QString& text, MessageStyle style);
int ProgramMessage(const Gral& gral, const QString& text, MessageStyle style);

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
