#pragma once
// The program's date pickers as one stop of the tab order: Tab and Shift+Tab
// leave the picker instead of walking its day, month and year, as the
// desktop's own pickers do (the arrow keys and typing move within it).
#include <QDateEdit>

class DatePicker : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};
