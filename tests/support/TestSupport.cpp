#include "TestSupport.h"
#include "DatePattern.h"
#include "SystemDateFormat.h"

#include <QDialog>
#include <QDir>
#include <QSettings>

TestEnvironment::TestEnvironment()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path() + "/config");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path() + "/config");
    setShortDatePattern(QStringLiteral("dd/MM/yyyy"));
    clearSettings();
}

TestEnvironment::~TestEnvironment() = default;

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

MessageRecorder::MessageRecorder(Gral& gral)
{
    gral.platform.message = [this](const QString& text, int style) {
        messages_.append({text, style});
        if (answers_.empty())
            return 1;
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    };
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const RecordedMessage& m : messages_)
        out << m.text;
    return out;
}

void PrepareTestGral(Gral& gral, const QString& pattern)
{
    gral.systemDateFormat = pattern;
    gral.startDateText = DatePattern(pattern).format(TodayDayNumber());
    gral.platform.quit = [] {};
    gral.platform.beep = [] {};
    gral.platform.busyCursor = [](bool) {};
    gral.platform.showHelpTopic = [](int) {};
    gral.platform.showHelpFinder = [] {};
    gral.platform.openUrl = [](const QString&) {};
    if (!gral.platform.runModal)
        gral.platform.runModal = [](QDialog& window) {
            window.show();
            window.reject();
            return window.result();
        };
}

ModalScript::ModalScript(Gral& gral)
{
    gral.platform.runModal = [this](QDialog& window) {
        ++opened_;
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
    };
}
