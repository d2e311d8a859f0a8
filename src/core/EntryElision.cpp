#include "core/EntryElision.h"

QString ElideEntryName(const QString& entry, int width, const std::function<int(const QString&)>& textWidth,
                       const QString& ellipsis)
{
    if (textWidth(entry) <= width)
        return entry;
    const qsizetype split = entry.lastIndexOf(QStringLiteral(" - "));
    const QString date = split < 0 ? QString() : entry.mid(split);
    QString name = split < 0 ? entry : entry.left(split);
    while (!name.isEmpty() && textWidth(name.trimmed() + ellipsis + date) > width)
        name.chop(1);
    return name.trimmed() + ellipsis + date;
}
