#include "widgets/DatePicker.h"
#include "core/DisplayTexts.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
// Where day, month and year begin in "dd/MM/yyyy".
constexpr int MonthStart = 3;
constexpr int YearStart = 6;

// Shift, Ctrl, Alt and the like come before the key they change ("/" may need Shift).
bool IsModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_AltGr
           || key == Qt::Key_Meta;
}
} // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    // Every picker of the program writes the long date the same way, in the
    // user's language (Spanish when the system has none).
    setLocale(DisplayLocale());
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

Result<QDate> DatePicker::enteredDate() const
{
    if (!typed_)
        return date();
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
    // A whole date pasted over the year Shift+Tab selected fills the whole field.
    if (watchingYear_ && event->matches(QKeySequence::Paste) && QGuiApplication::clipboard()->text().trimmed().size() > 4)
        typing_->selectAll();
    if (watchingYear_ && !IsModifierKey(key) && restartAtDay(text))
        return event->accept();
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

// Shift+Tab leaves the year selected, and four digits typed there change the
// year alone. Someone typing a whole date from there fills the year with its day
// and month first: a fifth digit, or a separator after one or two digits, shows
// it. The digits so far then move to the day (and month) and the typing goes on
// after them, so "25121990" and "25/12/1990" both read 25/12/1990. True when
// the key has been used up here.
bool DatePicker::restartAtDay(const QString& text)
{
    const bool digit = text.size() == 1 && text.at(0).isDigit();
    const bool separator = text == QStringLiteral("/") || text == QStringLiteral(".") || text == QStringLiteral("-");
    const QString year = typing_->displayText().mid(YearStart);
    const int at = typing_->cursorPosition();
    // Only while the field still holds just what was typed into the year.
    const bool intact = !typing_->hasSelectedText() && at == YearStart + yearDigits_.size()
                        && year.startsWith(yearDigits_);
    if (digit && !(intact && yearDigits_.size() == 4)) {
        yearDigits_ += text;
        return false;
    }
    watchingYear_ = false;
    if (!intact || (digit ? yearDigits_.size() != 4 : !separator || yearDigits_.isEmpty() || yearDigits_.size() > 2))
        return false;
    const QString day = yearDigits_.left(2).leftJustified(2, u'_');
    const QString month = digit ? yearDigits_.mid(2) : QStringLiteral("__");
    typing_->setText(day + u'/' + month + QStringLiteral("/____"));
    typing_->setCursorPosition(digit ? YearStart : MonthStart);
    typed_ = true;
    return separator; // a digit goes on to be typed into the year
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
    watchingYear_ = event->reason() == Qt::BacktabFocusReason;
    yearDigits_.clear();
}

void DatePicker::focusOutEvent(QFocusEvent* event)
{
    QDateEdit::focusOutEvent(event);
    typing_->event(event);
    watchingYear_ = false;
    // The calendar pop-up takes the focus only for a moment: the field stays.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    if (typed_) {
        const Result<QDate> reading = ReadTypedDate(typing_->displayText());
        if (reading && *reading >= minimumDate() && *reading <= maximumDate())
            setDate(*reading);
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
