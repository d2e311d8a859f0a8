#include "about/AboutTexts.h"

#include <QByteArray>

QString DecodeCharacterCodes(std::span<const char* const> codes)
{
    QString text;
    text.reserve(qsizetype(codes.size()));
    for (const char* entry : codes) {
        bool ok = false;
        const int code = QByteArray(entry).trimmed().toInt(&ok, 10);
        // A broken entry would otherwise put a stray or terminating character into a caption.
        if (ok && code >= 1 && code <= 255)
            text += QChar(code);
    }
    return text;
}
