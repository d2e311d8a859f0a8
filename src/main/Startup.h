#pragma once
// The program's start-up sequence and its message loop.
#include "app/Gral.h"

#include <QString>
#include <memory>
#include <optional>

class QApplication;
class TForm1;

struct StartupOptions {
    QString programFolder;      // empty: the executable's folder
    bool singleInstance = true; // look for a running copy first
    std::optional<double> today; // the day the full edition opens on; the system's date when absent
    QString window;              // a window to open once the main window shows (WindowOption), or ask a running copy to
};

// The exit code of a start-up that ended before the main window: the data folder,
// the date pattern or the members file was unusable, or no member was made.
inline constexpr int StartupFailedExitCode = 1;

// Runs the start-up steps up to the main window's creation, beginning, before any
// window exists, with the edition's icon, window class and menu entry id. Returns the main
// window, or nothing when the program ends during start-up.
std::unique_ptr<TForm1> StartPronos(Gral& gral, const StartupOptions& options);

// Start-up on the desktop's services, then the message loop; returns the
// application's exit code: 0 after the main window, or when a running copy
// was asked to come forward (and to open options.window) instead. A later
// copy's request opens its window here.
int RunPronos(QApplication& app, const StartupOptions& options = {});

// The same on gral's platform (the desktop's, or a test's script).
int RunPronosOnPlatform(QApplication& app, Gral& gral, const StartupOptions& options);
