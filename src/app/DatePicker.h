#pragma once
// The program's date pickers: the long date ("miércoles 1 de enero de 2003")
// while the picker does not have the keyboard, an editable dd/MM/yyyy field
// while it has, so that day, month and year can be typed (a weekday at the
// front would make the typed digits fight the weekday section). The calendar
// pop-up works in both. Tab and Shift+Tab leave the picker instead of walking
// its day, month and year, as the desktop's own pickers do; the arrow keys and
// typing move within it.
#include <QDateEdit>

class DatePicker : public QDateEdit {
public:
    explicit DatePicker(QWidget* parent = nullptr);

    static QString TypingFormat() { return QStringLiteral("dd/MM/yyyy"); }

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showForm(const QString& format);
};
