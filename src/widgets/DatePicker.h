#pragma once
// The program's date pickers. Left alone they show the long date
// ("miércoles 1 de enero de 2003") and open a calendar from their arrow.
// While they have the keyboard a masked field "__/__/____" lies over the long
// date: day, month and year are typed (or pasted) into it as plain text and
// nothing is checked digit by digit. The typed text is read whole:
//  - on leaving the field it becomes the picker's date only when it names a
//    day within the picker's range; otherwise it stays, as typed, to be
//    corrected, without a word;
//  - on confirmation the window asks enteredDate() and judges the answer
//    (its own range, its message), then shows the date with setDate().
// Tab and Shift+Tab leave the picker, as the desktop's own pickers do.
// Shift+Tab in selects the year; a whole date typed from there still lands
// whole (see restartAtDay).
#include "core/TypedDate.h"

#include <QDateEdit>

class QLineEdit;

class DatePicker : public QDateEdit {
public:
    explicit DatePicker(QWidget* parent = nullptr);

    static QString TypingFormat() { return QStringLiteral("dd/MM/yyyy"); }

    // What the picker stands for when the user confirms: the typed text read
    // whole while there is one (whatever the picker's range), else the date
    // shown. Changes nothing.
    Result<QDate> enteredDate() const;
    // True while typed text waits to be confirmed.
    bool hasTypedText() const { return typed_; }
    // Shows `date`; typed text waiting is dropped.
    void setDate(QDate date);

    QLineEdit* typingField() const { return typing_; }

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void moveToNextPart();
    bool restartAtDay(const QString& text);
    void showTypingField(bool shown);
    void fillTypingField();

    QLineEdit* typing_ = nullptr;
    bool typed_ = false;
    // The digits typed into the year Shift+Tab selected, while nothing else was
    // pressed; empty and unwatched once anything else happens.
    QString yearDigits_;
    bool watchingYear_ = false;
};
