#pragma once
// Shared test fixtures: a private settings/config folder, a scripted message
// responder, and scripted modal windows, so no test touches the user's
// settings or ever blocks on a window.
#include "app/Gral.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <functional>

// Redirects the settings store, the system's short-date setting and the
// user's data folder (XDG_DATA_HOME) into a temporary folder for the lifetime
// of the object.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    QString path() const { return dir_.path(); }
    // Sets (or with an empty text removes) the system's short-date pattern.
    void setShortDatePattern(const QString& pattern);
    // A fresh program folder inside the temporary folder, ending in '/'.
    QString programFolder() const;
    // The user's data folder the program uses in this environment, ending in '/'.
    QString dataFolder() const;
    // Empties the settings store.
    void clearSettings();

private:
    QTemporaryDir dir_;
    QByteArray savedDataHome_;
    bool hadDataHome_ = false;
};

struct RecordedMessage {
    QString text;
    int style = 0;
};

// The bytes of one members-file record: a whole-day birth date and a name
// (ASCII), nothing else, as the program writes it.
QByteArray RawMemberRecord(double birthDate, const QByteArray& name);

// Records every ProgramMessage and answers from a queue (OK when it's empty).
class MessageRecorder {
public:
    explicit MessageRecorder(Gral& gral);
    void answerNext(int result) { answers_.push_back(result); }
    const QList<RecordedMessage>& messages() const { return messages_; }
    QStringList texts() const;
    void clear() { messages_.clear(); }

private:
    QList<RecordedMessage> messages_;
    std::deque<int> answers_;
};

// A Gral ready for tests: pattern dd/MM/yyyy, start date text of today,
// the recorder's responder, modal windows shown and closed at once unless a
// script is installed, quit only recorded, no printer and no PDF file chosen.
void PrepareTestGral(Gral& gral, const QString& pattern = QStringLiteral("dd/MM/yyyy"));

// Gives `gral` the full edition's covered days, its start-up day at `today`.
void UseFullPeriod(Gral& gral, double today);

// Modal scripting: the next modal window runs `script` (which may click
// buttons and close it) instead of blocking; without a script the window is
// closed at once with result 0.
class ModalScript {
public:
    explicit ModalScript(Gral& gral);
    void push(std::function<int(QDialog&)> script) { scripts_.push_back(std::move(script)); }
    int opened() const { return opened_; }

private:
    std::deque<std::function<int(QDialog&)>> scripts_;
    int opened_ = 0;
};

// Shows the window and waits until it has the keyboard; false when it never does.
bool ShowActive(QWidget& window);

// The owner, group and other modes of a file or folder (not Qt's "current user" copy of one).
inline QFile::Permissions FileModes(const QString& path) { return QFile::permissions(path) & ~QFile::Permissions(0x0700); }

// Makes a FIFO at `path` (replacing a file there). False when it can't.
bool MakeFifo(const QString& path);

// Runs `action`, which must not wait for a writer on the FIFO at `fifo`. If
// it still runs after a few seconds, a guard opens the FIFO for writing once,
// so a blocked read ends (and the test does not hang), and the result is false.
bool FinishesWithoutFifoWriter(const QString& fifo, const std::function<void()>& action);
