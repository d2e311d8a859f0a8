#pragma once
// Which birth dates the members window stores: from 01/01/1800 to today.
#include "core/Result.h"

#include <QDate>

inline const QDate EarliestBirthDate(1800, 1, 1);

// `birth` when it may be stored on `today`; otherwise why not, in Spanish.
Result<QDate> CheckBirthDate(QDate birth, QDate today);
