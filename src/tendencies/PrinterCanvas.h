#pragma once
// The print canvas on a real printer (or a PDF file): QPainter in printer
// pixels, fixed-pitch "Courier New" (Liberation Mono where that is missing),
// lines one "W" of the 12-point font apart.
#include "tendencies/PrintCanvas.h"

#include <QFont>
#include <QPainter>

class QPrinter;

class PrinterCanvas : public PrintCanvas {
public:
    explicit PrinterCanvas(QPrinter& printer);
    bool beginDocument() override;
    void setFont(const PrintFont& font) override;
    int linesPerPage() const override;
    void text(int x, int lineNumber, const QString& text) override;
    void newPage() override;
    int pageWidth() const override;
    int textWidth(const QString& text) const override;
    void box(int left, int right, int lineNumber, ColourValue fill) override;
    void endDocument() override;

    int lineHeight() const { return lineHeight_; }
    static QFont PrinterFont(const PrintFont& font);

private:
    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    int lineHeight_ = 0;
};
