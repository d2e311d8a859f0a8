#include "settings/ZoneList.h"

#include <cstdlib>

namespace {

// Lower case, underscores and slashes as spaces, accents dropped.
QString Searchable(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        plain.append(c == u'_' || c == u'/' ? QChar(u' ') : c.toLower());
    }
    return plain;
}

} // namespace

QStringList ListedZoneNames()
{
    QStringList names;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        if (id.startsWith("UTC+") || id.startsWith("UTC-"))
            continue;
        names.append(QString::fromUtf8(id));
    }
    names.sort();
    return names;
}

QString ZoneListEntry(const QTimeZone& zone, const QDateTime& when)
{
    const int offset = zone.offsetFromUtc(when);
    const int minutes = std::abs(offset) / 60;
    return QStringLiteral("%1 (UTC%2%3:%4)")
        .arg(QString::fromUtf8(zone.id()), offset < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

bool ZoneSearchMatches(const QString& name, const QString& search)
{
    const QString plainName = Searchable(name);
    const QStringList words = Searchable(search).split(u' ', Qt::SkipEmptyParts);
    for (const QString& word : words)
        if (!plainName.contains(word))
            return false;
    return true;
}
