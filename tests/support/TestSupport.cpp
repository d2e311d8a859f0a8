#include "support/TestSupport.h"
#include "platform/DataFolder.h"
#include "core/DatePattern.h"
#include "platform/SystemDateFormat.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <cstring>
#include <memory>
#include <atomic>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

TestEnvironment::TestEnvironment()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path() + "/config");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path() + "/config");
    setShortDatePattern(QStringLiteral("dd/MM/yyyy"));
    clearSettings();
    hadDataHome_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    savedDataHome_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path() + "/data"));
}

TestEnvironment::~TestEnvironment()
{
    if (hadDataHome_)
        qputenv("XDG_DATA_HOME", savedDataHome_);
    else
        qunsetenv("XDG_DATA_HOME");
}

QString TestEnvironment::dataFolder() const
{
    return UserDataFolder(programFolder());
}

void TestEnvironment::setShortDatePattern(const QString& pattern)
{
    QSettings international(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Control Panel"),
                            QStringLiteral("International"));
    if (pattern.isEmpty())
        international.remove(QStringLiteral("sShortDate"));
    else
        international.setValue(QStringLiteral("sShortDate"), pattern);
    international.sync();
}

QString TestEnvironment::programFolder() const
{
    const QString folder = dir_.path() + "/program/";
    QDir().mkpath(folder);
    return folder;
}

void TestEnvironment::clearSettings()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zeltmark"),
                    QStringLiteral("Pronos.Demo"));
    store.clear();
    store.sync();
}

QByteArray RawMemberRecord(double birthDate, const QByteArray& name)
{
    QByteArray record(152, '\0');
    std::memcpy(record.data(), &birthDate, sizeof birthDate);
    record[8] = char(name.size());
    std::memcpy(record.data() + 9, name.constData(), size_t(name.size()));
    return record;
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int MessageRecorder::answer(const QString& text, int style)
{
    messages_.append({text, style});
    if (answers_.empty())
        return ResultOk;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const RecordedMessage& m : messages_)
        out << m.text;
    return out;
}

int ModalScript::run(QDialog& window)
{
    windows_ << QString::fromLatin1(window.metaObject()->className());
    window.setModal(true);
    window.show();
    if (scripts_.empty()) {
        window.reject();
        return window.result();
    }
    auto script = std::move(scripts_.front());
    scripts_.pop_front();
    const int result = script(window);
    if (window.isVisible())
        window.reject();
    return result;
}

void UseFullPeriod(Gral& gral, double today)
{
    gral.calendar.coveredPeriod.firstDay = FullFirstDayNumber;
    gral.calendar.coveredPeriod.lastDay = FullLastDayNumber;
    gral.calendar.coveredPeriod = FullPeriod(today);
}

void TestGral::Prepare(const QString& pattern)
{
    gral.environment.systemDateFormat = pattern;
    gral.environment.startDateText = DatePattern(pattern).format(TodayDayNumber());
}

void TestGral::reset(const QString& pattern)
{
    platform = TestPlatform();
    // Gral holds its platform by reference, so it can't be assigned: the
    // fresh one is built in the old one's place.
    std::destroy_at(&gral);
    std::construct_at(&gral, platform);
    Prepare(pattern);
}

bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

bool MakeFifo(const QString& path)
{
#ifdef Q_OS_UNIX
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

bool FinishesWithoutFifoWriter(const QString& fifo, const std::function<void()>& action)
{
    std::atomic<bool> done{false};
    std::atomic<bool> rescued{false};
    std::thread guard([&] {
        using namespace std::chrono_literals;
        for (int i = 0; i < 50 && !done; ++i)
            std::this_thread::sleep_for(100ms);
#ifdef Q_OS_UNIX
        const QByteArray name = QFile::encodeName(fifo);
        while (!done) {
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                rescued = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(50ms);
        }
#endif
    });
    action();
    done = true;
    guard.join();
    return !rescued;
}
