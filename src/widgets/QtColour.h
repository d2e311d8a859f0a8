#pragma once
// Conversions between stored colour values (0x00BBGGRR) and QColor.
#include "core/Colour.h"
#include <QColor>

inline QColor ToQColor(ColourValue c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline ColourValue FromQColor(const QColor& c) { return ColourFromRgb(c.red(), c.green(), c.blue()); }
