#pragma once
// Which birth dates the members window stores: from 01/01/1800 to today.
#include <QDate>
#include <QString>

inline const QDate EarliestBirthDate(1800, 1, 1);

// Empty when `birth` may be stored on `today`; otherwise why not, in Spanish.
QString BirthDateFailure(QDate birth, QDate today);
