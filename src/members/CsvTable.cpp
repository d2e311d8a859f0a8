#include "members/CsvTable.h"
#include "members/Cp1252.h"
#include "platform/FileAccess.h"

#include <QFile>
#include <QFileInfo>

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<char16_t, 3> SeparatorCandidates = {u';', u'\t', u','}; // ties go to the first
constexpr int RecordsLookedAtForSeparator = 20;

bool IsLineEnd(QChar c) { return c == u'\n' || c == u'\r'; }

// Splits at most `limit` records (all with limit < 0).
QList<QStringList> Split(QStringView text, QChar separator, int limit)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the current field began with a quote
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto endField = [&] {
        fields.append(field);
        field.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        endField();
        records.append(fields);
        fields.clear();
    };
    while (i < n && (limit < 0 || records.size() < limit)) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field.append(u'"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field.append(c);
            }
            ++i;
            continue;
        }
        if (c == separator) {
            endField();
        } else if (IsLineEnd(c)) {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            endRecord();
        } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else {
            field.append(c);
        }
        ++i;
    }
    if ((!field.isEmpty() || !fields.isEmpty() || wasQuoted) && (limit < 0 || records.size() < limit))
        endRecord();
    return records;
}

bool IsBlankRecord(const QStringList& record)
{
    return std::all_of(record.begin(), record.end(), [](const QString& f) { return f.trimmed().isEmpty(); });
}

// The first character that no text file holds (a control other than tab and
// line ends), or -1.
qsizetype FirstBinaryCharacter(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0x7F)
            return i;
    }
    return -1;
}

// The number (from 1) of the first line longer than `longest` characters, or 0.
int FirstOverlongLine(QStringView text, qsizetype longest)
{
    int line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || IsLineEnd(text[i])) {
            if (i - start > longest)
                return line;
            if (i < text.size() && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            start = i + 1;
        }
    }
    return 0;
}

} // namespace

QString CsvEncodingName(CsvEncoding encoding)
{
    switch (encoding) {
    case CsvEncoding::Utf8: return QStringLiteral("UTF-8");
    case CsvEncoding::Utf8WithBom: return QStringLiteral("UTF-8 con marca de orden de bytes");
    case CsvEncoding::Windows1252: return QStringLiteral("Windows-1252");
    }
    return {};
}

QString CsvSeparatorName(QChar separator)
{
    switch (separator.unicode()) {
    case u';': return QStringLiteral("punto y coma");
    case u',': return QStringLiteral("coma");
    case u'\t': return QStringLiteral("tabulador");
    default: return QString(separator);
    }
}

QString DecodeCsvText(const QByteArray& bytes, CsvEncoding& encoding)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = CsvEncoding::Utf8WithBom;
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    }
    // A file that is not valid UTF-8 was written in the system's code page.
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        encoding = CsvEncoding::Utf8;
        return text;
    }
    encoding = CsvEncoding::Windows1252;
    return FromCp1252(bytes);
}

QChar DetectCsvSeparator(QStringView text)
{
    QChar best = SeparatorCandidates.front();
    int bestScore = 0;
    for (char16_t candidate : SeparatorCandidates) {
        const QList<QStringList> records = Split(text, candidate, RecordsLookedAtForSeparator);
        // The records (blank ones aside) that have as many fields as the first, when that is two or more.
        qsizetype width = 0;
        int score = 0;
        for (const QStringList& record : records) {
            if (IsBlankRecord(record))
                continue;
            if (width == 0)
                width = record.size();
            if (width >= 2 && record.size() == width)
                ++score;
        }
        if (score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

QList<QStringList> SplitCsvRecords(QStringView text, QChar separator) { return Split(text, separator, -1); }

Result<CsvTable> ReadCsvTable(const QByteArray& bytes)
{
    if (bytes.size() > CsvLargestFile)
        return Failure{QStringLiteral("El archivo es demasiado grande para una planilla de integrantes "
                                      "(más de %1 MB).")
                           .arg(CsvLargestFile / (1024 * 1024))};
    CsvTable table;
    const QString text = DecodeCsvText(bytes, table.encoding);
    if (FirstBinaryCharacter(text) >= 0)
        return Failure{QStringLiteral("El archivo no es un texto de planilla: contiene caracteres de control "
                                      "(¿un archivo binario?).")};
    if (const int line = FirstOverlongLine(text, CsvLongestRecord))
        return Failure{QStringLiteral("La línea %1 del archivo tiene más de %2 caracteres: "
                                      "no parece una planilla de integrantes.")
                           .arg(line)
                           .arg(CsvLongestRecord)};
    table.separator = DetectCsvSeparator(text);
    table.records = SplitCsvRecords(text, table.separator);
    while (!table.records.isEmpty() && IsBlankRecord(table.records.last()))
        table.records.removeLast();
    if (table.records.isEmpty())
        return Failure{QStringLiteral("El archivo no tiene ninguna fila.")};
    return table;
}

Result<CsvTable> ReadCsvFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) // a folder or a pipe, whose reading could wait for ever
        return Failure{QStringLiteral("No es un archivo común.")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{FileErrorText(file)};
    // One byte past the limit tells a file too large without reading all of it.
    const QByteArray bytes = file.read(CsvLargestFile + 1);
    if (file.error() != QFileDevice::NoError)
        return Failure{FileErrorText(file)};
    return ReadCsvTable(bytes);
}
