#pragma once
// A print canvas that keeps every text item, for comparing composed prints.
#include "PrintCanvas.h"

#include <QList>
#include <QStringList>

class RecordingCanvas : public PrintCanvas {
public:
    struct Item {
        int page = 1;
        int line = 0;
        int x = 0;
        PrintFont font;
        QString text;
    };

    explicit RecordingCanvas(int linesPerPage = 0) : linesPerPage_(linesPerPage) {}

    bool beginDocument() override
    {
        ++begun;
        fontAtBegin = font_;
        return beginSucceeds;
    }
    void setFont(const PrintFont& font) override { font_ = font; }
    int linesPerPage() const override { return linesPerPage_; }
    void text(int x, int lineNumber, const QString& text) override { items.append({page_, lineNumber, x, font_, text}); }
    void newPage() override { ++page_; }
    void endDocument() override { ++ended; }

    int pages() const { return page_; }

    // One text per item: "page:line x<x> <size><b><u> |text|".
    QStringList described() const
    {
        QStringList out;
        for (const Item& item : items)
            out << Describe(item.page, item.line, item.x, item.font, item.text);
        return out;
    }
    static QString Describe(int page, int line, int x, const PrintFont& font, const QString& text)
    {
        return QStringLiteral("%1:%2 x%3 %4%5%6 |%7|")
            .arg(page)
            .arg(line)
            .arg(x)
            .arg(font.pointSize)
            .arg(font.bold ? QStringLiteral("b") : QString())
            .arg(font.underline ? QStringLiteral("u") : QString())
            .arg(text);
    }
    // The texts alone, empty lines left out.
    QStringList texts() const
    {
        QStringList out;
        for (const Item& item : items)
            if (!item.text.isEmpty())
                out << item.text;
        return out;
    }

    QList<Item> items;
    int begun = 0;
    int ended = 0;
    bool beginSucceeds = true;
    PrintFont fontAtBegin{0, false, false};

private:
    int linesPerPage_;
    int page_ = 1;
    PrintFont font_;
};
