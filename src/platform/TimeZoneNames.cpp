#include "platform/TimeZoneNames.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QSet<QByteArray>& ListedZoneIds()
{
    static const QSet<QByteArray> ids = [] {
        const QList<QByteArray> list = QTimeZone::availableTimeZoneIds();
        return QSet<QByteArray>(list.begin(), list.end());
    }();
    return ids;
}

QString ZoneInfoFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("TZDIR");
    return fromEnvironment.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : fromEnvironment;
}

// A relative path of plain name parts, so the file looked at stays inside the folder.
bool IsPlainRelativeName(const QString& name)
{
    if (name.startsWith(u'/'))
        return false;
    for (const QString& part : name.split(u'/'))
        if (part.isEmpty() || part == u"." || part == u"..")
            return false;
    return true;
}

bool HasZoneFile(const QString& name)
{
    if (!IsPlainRelativeName(name))
        return false;
    const QString path = ZoneInfoFolder() + u'/' + name;
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == "TZif";
}

} // namespace

bool IsKnownZoneName(const QString& name)
{
    if (name.isEmpty() || name.size() > 255)
        return false;
    return ListedZoneIds().contains(name.toUtf8()) || HasZoneFile(name);
}

QTimeZone KnownZone(const QString& name)
{
    if (!IsKnownZoneName(name))
        return {};
    QTimeZone zone(name.toUtf8());
    return zone.isValid() ? zone : QTimeZone();
}

QString SystemZoneName()
{
    const QString name = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    return KnownZone(name).isValid() ? name : QString();
}
