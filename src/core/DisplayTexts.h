#pragma once
// Texts several windows show the same way: day and month names in the user's
// language (Spanish when the system has none), the long date of the date
// pickers, the names of the five levels and the daylight-saving panel.
#include <QDate>
#include <QLocale>
#include <QString>

// `locale`, or Spanish (Spain) when it has no language of its own (C/POSIX),
// so that day and month names never come out in the C locale's English.
QLocale DisplayLocale(const QLocale& locale = QLocale());

// The long date, in QDate's letters: "miércoles 1 de enero de 2003".
inline const QString LongDateFormat = QStringLiteral("dddd d 'de' MMMM 'de' yyyy");
QString LongDateText(QDate date, const QLocale& locale = DisplayLocale());

// "Excelente" .. "Restrictiva" for level 1..5 (empty otherwise).
QString LevelName(int level);
// "Excelentes" .. "Restrictivas" for level 1..5 (empty otherwise).
QString LevelPlural(int level);

// The status bar's daylight-saving panel: "Horario verano: SI" or "Horario verano: NO".
QString DaylightSavingText(bool on);
