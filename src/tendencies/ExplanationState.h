#pragma once

// The explanation window, kept open beside the main window.
struct ExplanationState {
    int explainedLevel = 0;   // level shown by the explanation window, 0 = none yet
    bool explanationOpen = false;
};
