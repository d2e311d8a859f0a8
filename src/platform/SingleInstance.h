#pragma once
// One running copy per user: the first copy listens on a local socket named
// after the application title and the user; a later copy connects, asks the
// first to show its main window (and to open a window its command line named),
// and ends.
#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

// A local socket name made of the title and the user name: letters, digits
// and '_' only, plus a short hash of the exact texts so that titles that
// differ only in punctuation do not meet.
QString SingleInstanceServerName(const QString& title, const QString& user);

// The name of the user running the program.
QString CurrentUserName();

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `title` is normally the edition's applicationTitle; tests pass their own.
    explicit SingleInstance(const QString& title, QObject* parent = nullptr);

    // True when a first copy answered: it has been asked to show itself and,
    // with an `action` (a word of lower-case letters: "equipo"), to carry it out.
    bool anotherIsRunning(int timeoutMs = 2000, const QString& action = {});
    // The same for a copy with the given title, without keeping an object.
    static bool AskRunningCopyToShow(const QString& title, int timeoutMs = 2000, const QString& action = {});
    // Starts answering later copies. A socket left behind by a copy that
    // ended abnormally is removed; false when the name is really in use.
    bool listen();

    QString serverName() const { return name_; }

signals:
    // A later copy asked; `action` is empty for a plain "come forward".
    void showRequested(const QString& action);

private:
    void answer();

    QString name_;
    QLocalServer* server_ = nullptr;
};

// Shows a window, restores it when minimised, and brings it to the front.
void ShowAndRaise(QWidget* window);
