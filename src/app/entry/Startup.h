#pragma once
// The program's start-up sequence and its message loop.
#include "Gral.h"

#include <QString>
#include <memory>
#include <optional>

class QApplication;
class TForm1;

struct StartupOptions {
    QString programFolder;      // empty: the executable's folder
    bool singleInstance = true; // look for a running copy first
    std::optional<double> today; // the day the full edition opens on; the system's date when absent
};

// Runs the start-up steps up to the main window's creation. Returns the main
// window, or nothing when the program ends during start-up.
std::unique_ptr<TForm1> StartPronos(Gral& gral, const StartupOptions& options);

// Start-up, then the message loop; returns the application's exit code.
int RunPronos(QApplication& app, Gral& gral, const StartupOptions& options = {});
