#include "tendencies/PrinterCanvas.h"

#include <QFontMetrics>
#include <QPen>
#include <QPrinter>

PrinterCanvas::PrinterCanvas(QPrinter& printer) : printer_(printer), font_(PrinterFont({})) {}

QFont PrinterCanvas::PrinterFont(const PrintFont& font)
{
    QFont result;
    // fontconfig maps "Courier New" to Liberation Mono; the other names keep
    // the print fixed-pitch where neither is installed.
    result.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("Courier"),
                        QStringLiteral("Monospace")});
    result.setStyleHint(QFont::TypeWriter);
    result.setFixedPitch(true);
    result.setPointSize(font.pointSize);
    result.setBold(font.bold);
    result.setUnderline(font.underline);
    return result;
}

bool PrinterCanvas::beginDocument()
{
    lineHeight_ = QFontMetrics(font_, &printer_).size(Qt::TextSingleLine, QStringLiteral("W")).height();
    if (lineHeight_ <= 0 || !painter_.begin(&printer_))
        return false;
    painter_.setFont(font_);
    return true;
}

void PrinterCanvas::setFont(const PrintFont& font)
{
    font_ = PrinterFont(font);
    if (painter_.isActive())
        painter_.setFont(font_);
}

int PrinterCanvas::linesPerPage() const
{
    if (lineHeight_ <= 0)
        return 0;
    // Line n occupies n..n+1 line heights from the top of the printable area.
    return qMax(1, printer_.height() / lineHeight_ - 1);
}

void PrinterCanvas::text(int x, int lineNumber, const QString& text)
{
    if (text.isEmpty() || !painter_.isActive())
        return;
    // The position is the top of the text; QPainter places the baseline.
    painter_.drawText(x, lineHeight_ * lineNumber + painter_.fontMetrics().ascent(), text);
}

void PrinterCanvas::newPage()
{
    if (!painter_.isActive())
        return;
    printer_.newPage();
    painter_.setFont(font_);
}

int PrinterCanvas::pageWidth() const
{
    return printer_.width();
}

int PrinterCanvas::textWidth(const QString& text) const
{
    return QFontMetrics(font_, &printer_).horizontalAdvance(text);
}

void PrinterCanvas::box(int left, int right, int lineNumber, ColourValue fill)
{
    if (!painter_.isActive() || right <= left)
        return;
    painter_.save();
    // A hairline of about a screen pixel, so the grid reads as on the screen.
    const int outline = qMax(1, printer_.resolution() / 96);
    painter_.setPen(QPen(QColor(192, 192, 192), outline));
    painter_.setBrush(QColor(RedOf(fill), GreenOf(fill), BlueOf(fill)));
    painter_.drawRect(QRect(left, lineHeight_ * lineNumber, right - left, lineHeight_));
    painter_.restore();
}

void PrinterCanvas::endDocument()
{
    if (painter_.isActive())
        painter_.end();
}
