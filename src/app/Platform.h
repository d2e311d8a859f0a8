#pragma once
// The thin layer between the program and the desktop it runs on. Each service
// is one function; the desktop build installs real ones (DesktopPlatform),
// tests install recorders and scripted answers so nothing ever blocks.
#include <QString>
#include <functional>

class QDialog;

struct Platform {
    // Shows a modal message box; style words 64, 48, 16, 49, 305. Returns 1 (OK) or 2 (Cancel).
    std::function<int(const QString& text, int style)> message;
    // Runs a window modally and returns its result code.
    std::function<int(QDialog& window)> runModal;
    std::function<void()> beep;
    std::function<void(bool busy)> busyCursor;
    std::function<void(int context)> showHelpTopic; // help command 1 with a context number
    std::function<void()> showHelpFinder;           // help command 11
    std::function<void(const QString& url)> openUrl;
    std::function<void()> quit;                     // ends the program at the next return to the event loop
};
