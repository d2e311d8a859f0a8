#pragma once
// What the main window's tests start from: a private settings folder, a
// prepared Gral with recorded messages and scripted modal windows, help files
// in the program folder and the members given; then the main window made on a
// region stored as if the user had chosen it before.
#include "core/Edition.h"
#include "settings/SettingsStore.h"
#include "tendencies/TForm1.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QStringList>
#include <QTest>
#include <memory>
#include <optional>

class MainWindowFixture {
protected:
    // Call from init(): the edition in use, and the help files written for it.
    void ResetMainWindow(const Edition& edition, const QStringList& members, const QStringList& helpFiles)
    {
        UseEdition(edition);
        env_ = std::make_unique<TestEnvironment>();
        test_ = std::make_unique<TestGral>();
        gral_ = &test_->gral, messages_ = &test_->messages, modal_ = &test_->modal;
        gral_->environment.programFolder = env_->programFolder();
        gral_->environment.dataFolder = env_->programFolder();
        for (const QString& name : helpFiles)
            QVERIFY(WriteBytes(gral_->environment.programFolder + name, "## 1 Contenido\n"));
        gral_->members.memberList = members;
    }

    // Call from cleanup(): the DEMO edition in use again.
    void ReleaseMainWindow()
    {
        test_.reset();
        env_.reset();
        UseEdition(DemoEdition());
    }

    // The main window shown and active on the stored region (none stored for
    // an empty zone text: the first run); with `today`, the covered period of
    // the edition in use as a start on that day sees it.
    std::unique_ptr<TForm1> MakeMainWindow(int zoneOffset, const QString& zoneText,
                                           std::optional<QDate> today = std::nullopt)
    {
        if (!zoneText.isEmpty()) {
            SettingsStore store;
            store.setZoneOffset(zoneOffset);
            store.setZoneText(zoneText);
            store.setDaylightSaving(false);
        }
        if (today)
            gral_->calendar.coveredPeriod = CurrentEdition().period(DayNumberFromDate(*today));
        auto w = std::make_unique<TForm1>(*gral_);
        if (!ShowActive(*w))
            qWarning("main window not active");
        return w;
    }

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<TestGral> test_;
    Gral* gral_ = nullptr;
    MessageRecorder* messages_ = nullptr;
    ModalScript* modal_ = nullptr;
};
