#pragma once
// The services of a run without windows (the command-line tools, the
// benchmarks of the logic): no window opens (a modal one answers 0 unshown),
// help, web, beep, busy cursor and quit do nothing, there is no printer and no
// file is chosen. Messages answer OK and go to `messageSink` when given.
#include "platform/Platform.h"

#include <functional>

class CommandLinePlatform : public Platform {
public:
    explicit CommandLinePlatform(std::function<void(const QString& text)> messageSink = {})
        : messageSink_(std::move(messageSink))
    {
    }

    int message(const QString& text, MessageStyle) const override
    {
        if (messageSink_)
            messageSink_(text);
        return ResultOk;
    }
    int runModal(QDialog&) const override { return 0; }
    void beep() const override {}
    void busyCursor(bool) const override {}
    void showHelpTopic(HelpContext) const override {}
    void showHelpFinder() const override {}
    void openUrl(const QString&) const override {}
    void quit() const override {}
    bool hasDefaultPrinter() const override { return false; }
    QString choosePdfFile(const QString&, const QString&) const override { return {}; }
    QString chooseOpenFile(const QString&, const QString&, const QString&, bool) const override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&) const override { return {}; }
    QDate today() const override { return QDate::currentDate(); }

private:
    std::function<void(const QString& text)> messageSink_;
};
