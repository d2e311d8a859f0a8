#include "core/DisplayTexts.h"

QLocale DisplayLocale(const QLocale& locale)
{
    return locale.language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : locale;
}

QString LongDateText(QDate date, const QLocale& locale)
{
    return locale.toString(date, LongDateFormat);
}

QString LevelName(int level)
{
    static const QString names[] = {QStringLiteral("Excelente"), QStringLiteral("Buena"), QStringLiteral("Normal"),
                                    QStringLiteral("Complicada"), QStringLiteral("Restrictiva")};
    return (level >= 1 && level <= 5) ? names[level - 1] : QString();
}

QString LevelPlural(int level)
{
    static const QString names[] = {QStringLiteral("Excelentes"), QStringLiteral("Buenas"),
                                    QStringLiteral("Normales"), QStringLiteral("Complicadas"),
                                    QStringLiteral("Restrictivas")};
    return (level >= 1 && level <= 5) ? names[level - 1] : QString();
}

QString DaylightSavingText(bool on)
{
    return on ? QStringLiteral("Horario verano: SI") : QStringLiteral("Horario verano: NO");
}
