#pragma once
// What the usability tests share: a private settings and program folder, a
// prepared Gral whose messages and modal windows are scripted, a stored
// region, three members and a small help file, so that any window can be
// opened as the program opens it.
#include "app/Gral.h"
#include "settings/SettingsStore.h"
#include "tendencies/TForm1.h"
#include "members/TForm2.h"
#include "settings/TForm3.h"
#include "settings/TForm4.h"
#include "tendencies/TForm6.h"
#include "about/TForm7.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTest>
#include <QWidget>
#include <memory>

class UsabilityFixture {
protected:
    // Call from init() so every case starts afresh.
    void ResetFixture()
    {
        env_ = std::make_unique<TestEnvironment>();
        test_ = std::make_unique<TestGral>();
        gral_ = &test_->gral, modal_ = &test_->modal, messages_ = &test_->messages;
        gral_->environment.programFolder = env_->programFolder();
        gral_->environment.dataFolder = env_->programFolder();
        gral_->environment.helpFile = gral_->environment.programFolder + QStringLiteral("Pronos.hlp");
        QVERIFY(WriteBytes(gral_->environment.helpFile, "## 1 Contenido\n"));
        gral_->members.memberList = {Member("01/11/1980", "LOPEZ, ANA"), Member("05/05/1990", "PEREZ, LUIS"),
                             Member("21/04/1985", "GOMEZ, RAUL")};
        SettingsStore store;
        store.setZoneOffset(12);
        store.setZoneText(QStringLiteral("(GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, Lisboa, Londres"));
        store.setDaylightSaving(false);
    }

    void ReleaseFixture()
    {
        test_.reset();
        env_.reset();
    }

    // A window by its everyday name: main, members, regional, colour, print, about.
    std::unique_ptr<QWidget> MakeWindow(const QString& which)
    {
        Gral& gral = *gral_;
        if (which == QLatin1String("main"))
            return std::make_unique<TForm1>(gral);
        if (which == QLatin1String("members"))
            return std::make_unique<TForm2>(gral);
        if (which == QLatin1String("regional"))
            return std::make_unique<TForm3>(gral);
        if (which == QLatin1String("colour"))
            return std::make_unique<TForm4>(gral.levelColors, gral.platform, 1);
        if (which == QLatin1String("print"))
            return std::make_unique<TForm6>(gral, 37700); // a day for the print window's picker
        return std::make_unique<TForm7>(gral.platform);
    }

    static QString Member(const char* date, const char* name)
    {
        return QLatin1String(date) + QString::fromLatin1(name).leftJustified(60, u' ');
    }

    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<TestGral> test_;
    Gral* gral_ = nullptr;
    ModalScript* modal_ = nullptr;
    MessageRecorder* messages_ = nullptr;
};
