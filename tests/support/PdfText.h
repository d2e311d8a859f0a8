#pragma once
// A PDF read back with pdftotext (Debian package poppler-utils).
#include <QString>
#include <QStringList>

// The text of `file` as its pages lie (pdftotext -layout, UTF-8; pages
// separated by '\f'); empty when pdftotext is missing or fails.
QString PdfLayoutText(const QString& file);

// The words of `file` with their boxes (pdftotext -bbox, XHTML); empty when
// pdftotext is missing or fails.
QString PdfWordBoxes(const QString& file);

// The words of a -bbox reading (with their boxes) that lie nearer than
// `margin` points to an edge of their page; `words` counts them all.
QStringList WordsNearEdge(const QString& boxes, double margin, int* words = nullptr);
