#include "platform/SystemDateFormat.h"
#include "core/DatePattern.h"
#include "app/ProgramMessage.h"
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

std::optional<QString> ReadSystemDateFormat(const Gral& gral)
{
    const QString pattern = CurrentShortDatePattern();
    const QString today = DatePattern(pattern).format(TodayDayNumber());
    if (today.isEmpty() || !DatePattern(pattern).parse(today)) {
        ProgramMessage(gral,
                       QStringLiteral("Error en formato de fecha de sistema.\r\r\"Zeltmark - Pronos\" se cerrará."),
                       StyleError);
        return std::nullopt;
    }
    return pattern;
}

QString DateText(const Gral& gral, double dayNumber) { return gral.environment.systemDateFormat.format(dayNumber); }

std::optional<double> ParseSystemDate(const QString& text) { return DatePattern(CurrentShortDatePattern()).parse(text); }

bool DateFormatChanged(Gral& gral)
{
    if (gral.environment.systemDateFormat.isEmpty())
        return true;
    const std::optional<double> start = ParseSystemDate(gral.environment.startDateText);
    if (start && !gral.environment.systemDateFormat.format(*start).isEmpty())
        return false;
    ProgramMessage(gral,
                   QStringLiteral("Se han detectado cambios en el \"Formato de fecha corta\" del sistema\r\r"
                                  "Luego de pulsar el botón \"Aceptar\" el programa se cerrará. Finalizado esto, "
                                  "por favor vuelva a ejecutar \"Zeltmark - Pronos\".\r\r"
                                  "Si el error continúa, deberá reiniciar el sistema."),
                   StyleExclamation);
    gral.environment.systemDateFormat.clear();
    RequestQuit(gral);
    return true;
}
