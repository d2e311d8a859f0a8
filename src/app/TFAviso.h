#pragma once
// The notice shown at start-up when the system's short-date pattern is not
// 10 characters long: what the program needs and how to set it. Closing it
// ends the program (the caller does that).
#include "core/DatePattern.h"
#include "app/Gral.h"

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

// The notice's 21 lines, with `today` written in the two long-date examples.
QStringList NoticeLines(double today, const DateNames& names = DateNames::System());

class TFAviso : public QDialog {
    Q_OBJECT
public:
    explicit TFAviso(const Platform& platform, QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FAviso_Create();
    void FAviso_Activate();

    const Platform& platform_;
};
