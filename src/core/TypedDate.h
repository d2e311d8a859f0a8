#pragma once
// A date typed whole as dd/mm/yyyy (digits, '/', '.' or '-' between them;
// blanks of the typing field ignored), read when the user confirms it.
#include <QDate>
#include <QString>

struct TypedDateReading {
    QDate date;      // valid when the text names a day that exists
    QString failure; // otherwise what is wrong, in Spanish
};

TypedDateReading ReadTypedDate(const QString& text);
