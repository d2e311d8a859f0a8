#pragma once
// A date typed whole as dd/mm/yyyy (digits, '/', '.' or '-' between them;
// blanks of the typing field ignored), read when the user confirms it.
#include "core/Result.h"

#include <QDate>
#include <QString>

// The day the text names; the failure says in Spanish what is wrong with it.
Result<QDate> ReadTypedDate(const QString& text);
