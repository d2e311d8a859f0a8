#include "DatePicker.h"
#include "DisplayTexts.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    // Every picker of the program writes the long date the same way, in the
    // user's language (Spanish when the system has none).
    setLocale(displayLocale());
    showForm(LongDateFormat);
}

// A separator moves on to the next section, as the user means it: after a
// one-digit day or month ("1/2/1975") it takes that digit; right after a
// full day or month, which moved on by itself ("15" then "/"), it is taken as
// typed already instead of skipping a section.
void DatePicker::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool separator = text == QStringLiteral("/") || text == QStringLiteral(".") || text == QStringLiteral("-");
    if (!separator || displayFormat() != TypingFormat())
        return QDateEdit::keyPressEvent(event);
    event->accept();
    const Section section = currentSection();
    const int sectionStart = section == DaySection ? 0 : section == MonthSection ? 3 : 6; // "dd/MM/yyyy"
    const QLineEdit* field = lineEdit();
    const int at = field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
    if (at == sectionStart || section == YearSection)
        return;
    interpretText();
    setSelectedSection(section == DaySection ? MonthSection : YearSection);
}

void DatePicker::focusInEvent(QFocusEvent* event)
{
    // The field form first, so the section the base class selects is one of it.
    showForm(TypingFormat());
    QDateEdit::focusInEvent(event);
}

void DatePicker::focusOutEvent(QFocusEvent* event)
{
    // The base class takes in what was typed; the long form then shows that date.
    QDateEdit::focusOutEvent(event);
    // The calendar pop-up takes the focus only for a moment: the field stays.
    if (event->reason() != Qt::PopupFocusReason)
        showForm(LongDateFormat);
}

void DatePicker::showForm(const QString& format)
{
    if (displayFormat() == format)
        return;
    const QDate shown = date();
    setDisplayFormat(format);
    setDate(shown);
}
