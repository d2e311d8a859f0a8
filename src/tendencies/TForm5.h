#pragma once
// The explanation window: what the explained tendency level means. A tool
// window that stays open beside the main window and follows its level.
#include "Gral.h"

#include <QWidget>

class QLabel;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    TForm5(Gral& gral, QWidget* parent);
    ~TForm5() override;
    // Caption, text and colours of gral.explanation.explainedLevel.
    void Refill();

    QLabel* Text1;

protected:
    void changeEvent(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Gral& gral_;
};
