#pragma once
// The surface the tendencies print is written to: text items placed by line
// number, in one of the few fonts the print uses. The printer draws them with
// QPainter (PrinterCanvas); tests record them.
#include "core/Colour.h"

#include <QString>

struct PrintFont {
    int pointSize = 12;
    bool bold = false;
    bool underline = false;
    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;
    // Starts the document. The line height is taken once from the font set at
    // this moment (12 points). False when no document could be started.
    virtual bool beginDocument() = 0;
    virtual void setFont(const PrintFont& font) = 0;
    // How many lines, numbered from 1, fit on one page; 0 for no limit.
    virtual int linesPerPage() const = 0;
    // Writes `text` at x (printer pixels) on line `lineNumber` of the current
    // page (line n starts n line heights below the top). An empty text writes nothing.
    virtual void text(int x, int lineNumber, const QString& text) = 0;
    virtual void newPage() = 0;
    // The width of the printable area in printer pixels.
    virtual int pageWidth() const = 0;
    // The width of `text` in the current font, in printer pixels.
    virtual int textWidth(const QString& text) const = 0;
    // A rectangle over the height of line `lineNumber`, from x `left` to
    // `right` (printer pixels), filled with `fill` and outlined in silver.
    virtual void box(int left, int right, int lineNumber, ColourValue fill) = 0;
    virtual void endDocument() = 0;
};
