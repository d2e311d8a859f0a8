#pragma once
// Reads the text files spreadsheet programs write as "CSV": the bytes become
// text (UTF-8 with or without a byte-order mark, else Windows-1252), the separator is found (';', ',' or tab), and the records
// are split by RFC 4180: quoted fields may hold separators, doubled quotes and
// line breaks.
#include "core/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Files larger than this are no team's roster.
constexpr qsizetype CsvLargestFile = 8 * 1024 * 1024;
// A record longer than this is taken as a sign the file is not a spreadsheet.
constexpr qsizetype CsvLongestRecord = 16 * 1024;

enum class CsvEncoding { Utf8, Utf8WithBom, Windows1252 };

struct CsvTable {
    CsvEncoding encoding = CsvEncoding::Utf8;
    QChar separator = u';';
    QList<QStringList> records; // blank trailing lines dropped
};

// What the encoding is called in the preview ("UTF-8", "Windows-1252").
QString CsvEncodingName(CsvEncoding encoding);
// What the separator is called ("punto y coma", "coma", "tabulador").
QString CsvSeparatorName(QChar separator);

// The text of the bytes and the encoding it was read in.
QString DecodeCsvText(const QByteArray& bytes, CsvEncoding& encoding);

// The separator of the text: the candidate that splits the first records into
// the same number (two or more) of fields most often; ';' when none does.
QChar DetectCsvSeparator(QStringView text);

// Splits the text into records of fields (RFC 4180, leniently: a quote inside
// an unquoted field is kept as it is). Line ends may be CRLF, LF or CR.
QList<QStringList> SplitCsvRecords(QStringView text, QChar separator);

// All of the above, with the checks that tell a damaged or foreign file; the
// failure says in Spanish why the bytes are no roster.
Result<CsvTable> ReadCsvTable(const QByteArray& bytes);

// Reads the file at `path` (refusing one larger than CsvLargestFile before
// reading it) and then its table; the failure names what went wrong.
Result<CsvTable> ReadCsvFile(const QString& path);
