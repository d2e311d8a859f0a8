#pragma once
// Windows-1252, the code page the members file keeps its texts in. Converted
// at the file boundary so a file moves between systems unchanged.
#include <QByteArray>
#include <QString>

// Each character becomes one byte; a character that 1252 can't hold becomes '?'
// (a surrogate pair counts as one character).
QByteArray ToCp1252(QStringView text);

// Each byte becomes one character. The five bytes 1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same value.
QString FromCp1252(const char* bytes, qsizetype count);
inline QString FromCp1252(const QByteArray& bytes) { return FromCp1252(bytes.constData(), bytes.size()); }

// True when the character survives a trip through 1252.
bool IsCp1252Char(char16_t c);
