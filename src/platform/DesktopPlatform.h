#pragma once
// The real desktop services behind gral.platform (DesktopPlatform): message
// boxes, modal windows, beep, busy cursor, web addresses, help viewer, F1,
// quit, the default printer and the file dialogs; and those of a run nobody
// watches (UnattendedPlatform).
#include "app/Gral.h"
#include "platform/CommandLinePlatform.h"

#include <QMessageBox>
#include <QPointer>
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

// The desktop's services. The help opens the help file of the Gral it serves.
class DesktopPlatform : public Platform {
public:
    DesktopPlatform() = default;
    ~DesktopPlatform() override;
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    // Serves `gral` (built on this platform): help from its help file, and F1
    // in any window opens the help topic of the focused widget.
    void serve(Gral& gral);

    int message(const QString& text, MessageStyle style) const override;
    int runModal(QDialog& window) const override;
    void beep() const override;
    void busyCursor(bool busy) const override;
    void showHelpTopic(HelpContext context) const override;
    void showHelpFinder() const override;
    void openUrl(const QString& url) const override;
    void quit() const override;
    bool hasDefaultPrinter() const override;
    QString choosePdfFile(const QString& title, const QString& suggestedPath) const override;
    QString chooseOpenFile(const QString& title, const QString& suggestedPath, const QString& filter,
                           bool hiddenShown) const override;
    QString chooseSaveFile(const QString& title, const QString& suggestedPath, const QString& filter) const override;
    QDate today() const override;

private:
    const Environment* environment_ = nullptr;
    QPointer<QObject> helpKey_;
};

// Services for a run nobody watches (demo pictures, benchmarks of the
// windows): those of a command-line run, and every window is closed at once
// as if cancelled.
class UnattendedPlatform : public CommandLinePlatform {
public:
    using CommandLinePlatform::CommandLinePlatform;
    int runModal(QDialog& window) const override;
};
