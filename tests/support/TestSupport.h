#pragma once
// Shared test fixtures: a private settings/config folder and a test platform
// with a scripted message responder and scripted modal windows, so no test
// touches the user's settings or ever blocks on a window.
#include "app/Gral.h"
#include "core/DayNumber.h"
#include "core/Result.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <functional>
#include <type_traits>

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

// Records every message and answers from a queue (OK when it's empty).
class MessageRecorder {
public:
    int answer(const QString& text, int style);
    void answerNext(int result) { answers_.push_back(result); }
    const QList<RecordedMessage>& messages() const { return messages_; }
    QStringList texts() const;
    void clear() { messages_.clear(); }

private:
    QList<RecordedMessage> messages_;
    std::deque<int> answers_;
};

// Modal scripting: the next modal window runs `script` (which may click
// buttons and close it) instead of blocking; without a script the window is
// closed at once with result 0.
class ModalScript {
public:
    int run(QDialog& window);
    void push(std::function<int(QDialog&)> script) { scripts_.push_back(std::move(script)); }
    int opened() const { return int(windows_.size()); }
    const QStringList& windows() const { return windows_; } // the class names of the windows opened

private:
    std::deque<std::function<int(QDialog&)>> scripts_;
    QStringList windows_;
};

// The platform tests run on, so nothing ever blocks: messages go to the
// recorder, modal windows to the script, and every other service to the hook
// a test sets; without one it does nothing, there is no printer, no file is
// chosen and today is the clock's. The recorder and script are mutable: the
// services are const, and recording is what a test platform is for.
class TestPlatform : public Platform {
public:
    mutable MessageRecorder messages;
    mutable ModalScript modal;
    std::function<void()> onBeep;
    std::function<void(bool busy)> onBusyCursor;
    std::function<void(HelpContext context)> onShowHelpTopic;
    std::function<void()> onShowHelpFinder;
    std::function<void(const QString& url)> onOpenUrl;
    std::function<void()> onQuit;
    std::function<bool()> onHasDefaultPrinter;
    std::function<QString(const QString& title, const QString& path)> onChoosePdfFile;
    std::function<QString(const QString& title, const QString& path, const QString& filter, bool hidden)> onChooseOpenFile;
    std::function<QString(const QString& title, const QString& path, const QString& filter)> onChooseSaveFile;
    std::function<QDate()> onToday;

    int message(const QString& text, MessageStyle style) const override { return messages.answer(text, style); }
    int runModal(QDialog& window) const override { return modal.run(window); }
    void beep() const override { Call(onBeep); }
    void busyCursor(bool busy) const override { Call(onBusyCursor, busy); }
    void showHelpTopic(HelpContext context) const override { Call(onShowHelpTopic, context); }
    void showHelpFinder() const override { Call(onShowHelpFinder); }
    void openUrl(const QString& url) const override { Call(onOpenUrl, url); }
    void quit() const override { Call(onQuit); }
    bool hasDefaultPrinter() const override { return onHasDefaultPrinter && onHasDefaultPrinter(); }
    QString choosePdfFile(const QString& title, const QString& path) const override
    { return Call(onChoosePdfFile, title, path); }
    QString chooseOpenFile(const QString& title, const QString& path, const QString& filter, bool hidden) const override
    { return Call(onChooseOpenFile, title, path, filter, hidden); }
    QString chooseSaveFile(const QString& title, const QString& path, const QString& filter) const override
    { return Call(onChooseSaveFile, title, path, filter); }
    QDate today() const override { return onToday ? onToday() : QDate::currentDate(); }

private:
    template <typename R, typename... Args>
    static R Call(const std::function<R(Args...)>& hook, std::type_identity_t<Args>... args)
    {
        if (hook)
            return hook(args...);
        return R();
    }
};

// The set-up most tests start from: a Gral on its own TestPlatform, with the
// date pattern (dd/MM/yyyy unless given) and a start date text of today.
struct TestGral {
    explicit TestGral(const QString& pattern = QStringLiteral("dd/MM/yyyy")) { Prepare(pattern); }
    // Afresh for the next test case: a new Gral, recorder, script and hooks.
    void reset(const QString& pattern = QStringLiteral("dd/MM/yyyy"));

    TestPlatform platform;
    Gral gral{platform};
    MessageRecorder& messages = platform.messages;
    ModalScript& modal = platform.modal;

private:
    void Prepare(const QString& pattern);
};

// A TestGral in an environment of its own, with the program and data folders
// in that environment's program folder.
struct TestProgram {
    TestEnvironment env;
    TestGral test;
    Gral& gral = test.gral;
    MessageRecorder& messages = test.messages;
    TestProgram() { gral.environment.programFolder = gral.environment.dataFolder = env.programFolder(); }
};

// Gives `gral` the full edition's covered days, its start-up day at `today`.
void UseFullPeriod(Gral& gral, double today);

// A result's failure text, empty when it holds a value (for QVERIFY2's message).
template <typename T>
QString FailureText(const Result<T>& result) { return result ? QString() : result.failure().text; }

// The day number of a date.
inline double Day(int year, int month, int day) { return DayNumberFromDate(QDate(year, month, day)); }

// Shows the window and waits until it has the keyboard; false when it never does.
bool ShowActive(QWidget& window);

// The owner, group and other modes of a file or folder (not Qt's "current user" copy of one).
inline QFile::Permissions FileModes(const QString& path) { return QFile::permissions(path) & ~QFile::Permissions(0x0700); }

// Writes `bytes` as the whole file at `path`; false unless all were written.
bool WriteBytes(const QString& path, const QByteArray& bytes);
// The file's bytes, or none when it can't be read.
QByteArray ReadBytes(const QString& path);

// Makes a FIFO at `path` (replacing a file there). False when it can't.
bool MakeFifo(const QString& path);

// Runs `action`, which must not wait for a writer on the FIFO at `fifo`. If
// it still runs after a few seconds, a guard opens the FIFO for writing once,
// so a blocked read ends (and the test does not hang), and the result is false.
bool FinishesWithoutFifoWriter(const QString& fifo, const std::function<void()>& action);
