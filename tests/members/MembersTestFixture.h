#pragma once
// The state each members test case starts from: a private settings folder, a
// prepared Gral with its messages recorded, and an empty program folder.
#include "app/Gral.h"
#include "support/TestSupport.h"

#include <QString>
#include <memory>

class MembersTestFixture {
protected:
    // Call from init() so every case starts afresh.
    void ResetFixture()
    {
        env_ = std::make_unique<TestEnvironment>();
        test_.reset();
        folder_ = env_->programFolder();
        gral_.environment.programFolder = folder_;
        gral_.environment.dataFolder = folder_;
    }

    std::unique_ptr<TestEnvironment> env_;
    TestGral test_;
    Gral& gral_ = test_.gral;
    MessageRecorder* messages_ = &test_.messages;
    ModalScript* modal_ = &test_.modal;
    QString folder_;
};
