#include "DatePicker.h"
#include "DisplayTexts.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
// Where day, month and year begin in "dd/MM/yyyy".
constexpr int MonthStart = 3;
constexpr int YearStart = 6;
} // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    // Every picker of the program writes the long date the same way, in the
    // user's language (Spanish when the system has none).
    setLocale(displayLocale());
    setDisplayFormat(LongDateFormat);
    // The calendar reaches back before any period the windows accept, so that
    // their "anterior..." message can be met from it too.
    setDateRange(QDate(1800, 1, 1), QDate(9999, 12, 31));

    typing_ = new QLineEdit(this);
    typing_->setObjectName(QStringLiteral("typing"));
    typing_->setFrame(false);
    typing_->setInputMask(QStringLiteral("99/99/9999;_"));
    typing_->setFocusProxy(this); // the picker keeps the keyboard; keys are passed on below
    typing_->setAutoFillBackground(true);
    typing_->hide();
    connect(typing_, &QLineEdit::textEdited, this, [this] { typed_ = true; });
    // A day chosen in the calendar replaces whatever was typed.
    connect(this, &QDateEdit::dateChanged, this, [this] {
        typed_ = false;
        fillTypingField();
    });
}

TypedDateReading DatePicker::enteredDate() const
{
    if (!typed_)
        return {date(), {}};
    return ReadTypedDate(typing_->displayText());
}

void DatePicker::setDate(QDate shown)
{
    typed_ = false;
    QDateEdit::setDate(shown);
    fillTypingField();
    lineEdit()->deselect();
    showTypingField(hasFocus());
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    if (!typing_->isVisible())
        return QDateEdit::keyPressEvent(event);
    const int key = event->key();
    // Enter and Escape belong to the window (confirm, close); the calendar
    // opens as before; the rest is typing.
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        return event->ignore();
    if (key == Qt::Key_F4 || (key == Qt::Key_Down && event->modifiers() & Qt::AltModifier))
        return QDateEdit::keyPressEvent(event);
    const QString text = event->text();
    if (text == QStringLiteral("/") || text == QStringLiteral(".") || text == QStringLiteral("-")) {
        event->accept();
        return moveToNextPart();
    }
    typing_->event(event);
    event->accept();
}

// A separator ends the day or the month being typed: after one digit
// ("1/2/1975") the rest of that part is blanked and the cursor goes on to the
// next part; right after a whole part the cursor already stands there.
void DatePicker::moveToNextPart()
{
    const int at = typing_->hasSelectedText() ? typing_->selectionStart() : typing_->cursorPosition();
    if (at == 0 || at == MonthStart || at >= YearStart)
        return;
    const int next = at < MonthStart ? MonthStart : YearStart;
    typing_->setSelection(at, next - 1 - at);
    typing_->del();
    typed_ = true;
    typing_->setCursorPosition(next);
}

void DatePicker::focusInEvent(QFocusEvent* event)
{
    QDateEdit::focusInEvent(event);
    lineEdit()->deselect();
    showTypingField(true);
    typing_->event(event);
    // Tab in: the whole date is typed anew; Shift+Tab in: the year; else the
    // typing starts over the day (the field overwrites, as masked fields do).
    if (event->reason() == Qt::TabFocusReason)
        typing_->selectAll();
    else if (event->reason() == Qt::BacktabFocusReason)
        typing_->setSelection(YearStart, 4);
    else if (event->reason() != Qt::PopupFocusReason && !typed_)
        typing_->setCursorPosition(0);
}

void DatePicker::focusOutEvent(QFocusEvent* event)
{
    QDateEdit::focusOutEvent(event);
    typing_->event(event);
    // The calendar pop-up takes the focus only for a moment: the field stays.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    if (typed_) {
        const TypedDateReading reading = ReadTypedDate(typing_->displayText());
        if (reading.date.isValid() && reading.date >= minimumDate() && reading.date <= maximumDate())
            setDate(reading.date);
    }
    lineEdit()->deselect();
    showTypingField(typed_);
}

void DatePicker::resizeEvent(QResizeEvent* event)
{
    QDateEdit::resizeEvent(event);
    typing_->setGeometry(lineEdit()->geometry());
}

void DatePicker::showTypingField(bool shown)
{
    if (shown == typing_->isVisible())
        return;
    if (shown) {
        if (!typed_)
            fillTypingField();
        typing_->setGeometry(lineEdit()->geometry());
        typing_->setAccessibleName(accessibleName());
    }
    typing_->setVisible(shown);
}

void DatePicker::fillTypingField()
{
    if (!typed_)
        typing_->setText(date().toString(TypingFormat()));
}
