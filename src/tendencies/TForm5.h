#pragma once
// The explanation window: what the explained tendency level means. A tool
// window that stays open beside the main window and follows its level.
#include "app/Gral.h"

#include <QWidget>

class QLabel;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    TForm5(ExplanationState& state, const LevelColorTable& colours, QWidget* parent);
    ~TForm5() override;
    // Caption, text and colours of state.explainedLevel.
    void Refill();

    QLabel* Text1;

protected:
    void changeEvent(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ExplanationState& state_;
    const LevelColorTable& colours_;
};
