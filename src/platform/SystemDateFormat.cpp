#include "platform/SystemDateFormat.h"
#include "core/DatePattern.h"
#include "core/DayNumber.h"
#include "platform/UserConfigFile.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QString DefaultShortDatePattern = QStringLiteral("dd/mm/yyyy");

#ifdef Q_OS_WIN
QString ReadPlatformPattern()
{
    QSettings international(QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\International"),
                            QSettings::NativeFormat);
    QString pattern = international.value(QStringLiteral("sShortDate")).toString();
    if (pattern.trimmed().isEmpty()) {
        char buffer[255] = {};
        GetProfileStringA("intl", "sShortDate", "dd/mm/yyyy", buffer, sizeof buffer);
        pattern = QString::fromLocal8Bit(buffer);
    }
    return pattern;
}
#else
// The INI file is parsed again only when its bytes changed, so the many date
// reads of a chart stay cheap while a change is still seen at the next read.
// Only a regular file is read: anything else in its place counts as absent.
QString ReadPlatformPattern()
{
    const QString path = UserConfigFile(QStringLiteral("Control Panel"), QStringLiteral("International"));
    static QString cachedPath;
    static QByteArray cachedBytes;
    static QString cachedPattern;
    QFile file(path);
    const QByteArray bytes =
        IsAbsentOrRegularFile(path) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (path != cachedPath || bytes != cachedBytes || cachedPath.isEmpty()) {
        cachedPath = path;
        cachedBytes = bytes;
        cachedPattern = bytes.isEmpty()
            ? QString()
            : QSettings(path, QSettings::IniFormat).value(QStringLiteral("sShortDate")).toString();
    }
    return cachedPattern;
}
#endif

} // namespace

QString CurrentShortDatePattern()
{
    const QString pattern = ReadPlatformPattern();
    return pattern.trimmed().isEmpty() ? DefaultShortDatePattern : pattern;
}

double TodayDayNumber() { return DayNumberFromDate(QDate::currentDate()); }

Result<QString> ReadSystemDateFormat()
{
    const QString pattern = CurrentShortDatePattern();
    const QString today = DatePattern(pattern).format(TodayDayNumber());
    if (today.isEmpty() || !DatePattern(pattern).parse(today))
        return Failure{QStringLiteral("Error en formato de fecha de sistema.\r\r\"Zeltmark - Pronos\" se cerrará."),
                       StyleError};
    return pattern;
}

std::optional<double> ParseSystemDate(const QString& text) { return DatePattern(CurrentShortDatePattern()).parse(text); }

Result<void> CheckDateFormatUnchanged(const Environment& environment)
{
    const std::optional<double> start = ParseSystemDate(environment.startDateText);
    if (start && !environment.systemDateFormat.format(*start).isEmpty())
        return {};
    return Failure{QStringLiteral("Se han detectado cambios en el \"Formato de fecha corta\" del sistema\r\r"
                                  "Luego de pulsar el botón \"Aceptar\" el programa se cerrará. Finalizado esto, "
                                  "por favor vuelva a ejecutar \"Zeltmark - Pronos\".\r\r"
                                  "Si el error continúa, deberá reiniciar el sistema."),
                   StyleExclamation};
}
