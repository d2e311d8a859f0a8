#pragma once
// A member's entry ("NAME - dd/mm/yyyy") fitted to a width: the name is cut
// (ending in `ellipsis`), never the birth date, so two members of one long
// name stay apart.
#include <QString>
#include <functional>

QString ElideEntryName(const QString& entry, int width, const std::function<int(const QString&)>& textWidth,
                       const QString& ellipsis = QStringLiteral("…"));
