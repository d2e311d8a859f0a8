#pragma once
// The real desktop services behind gral.platform: message boxes, modal
// windows, beep, busy cursor, web addresses, help viewer, F1, quit, the
// default printer and the PDF file dialog.
#include "app/Gral.h"

#include <QMessageBox>
#include <memory>

// What a message style word asks for. The word is read the way the classic
// message-box flags are: low digit = buttons, 16..64 = icon, 256 = the second
// button is the default.
struct MessageBoxLayout {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons; // in display order
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    QMessageBox::StandardButton escapeButton = QMessageBox::Ok;
};
MessageBoxLayout MessageBoxLayoutFor(int style);

// The number a pressed button answers with: 1 OK, 2 Cancel (3..7 for the
// Abort/Retry/Ignore/Yes/No buttons).
int MessageResultOf(QMessageBox::StandardButton button);

// The Spanish caption of a message-box button.
QString MessageButtonText(QMessageBox::StandardButton button);

// The program's messages write a line break as "\r".
QString MessageBoxText(const QString& text);

// A message box with the program's caption, ready to exec().
std::unique_ptr<QMessageBox> CreateMessageBox(const QString& text, int style, QWidget* owner);

void InstallDesktopPlatform(Gral& gral);

// Services for a run nobody watches (demo pictures, benchmarks): every other
// window is closed at once as if cancelled, help, web, beep, busy cursor and
// quit do nothing, there is no printer and no PDF file is chosen. Messages
// answer OK and go to `messageSink` when given.
void InstallUnattendedPlatform(Gral& gral, std::function<void(const QString& text)> messageSink = {});
