#pragma once
// A print canvas that keeps every text item, for comparing composed prints.
#include "tendencies/PrintCanvas.h"

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

    struct Box {
        int page = 1;
        int line = 0;
        int left = 0;
        int right = 0;
        ColourValue fill = 0;
    };

    explicit RecordingCanvas(int linesPerPage = 0, int pageWidth = 3000)
        : linesPerPage_(linesPerPage), pageWidth_(pageWidth)
    {
    }

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
    int pageWidth() const override { return pageWidth_; }
    // Every character is 10 pixels wide.
    int textWidth(const QString& text) const override { return int(text.size()) * 10; }
    void box(int left, int right, int lineNumber, ColourValue fill) override
    {
        boxes.append({page_, lineNumber, left, right, fill});
    }
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
    QList<Box> boxes;
    int begun = 0;
    int ended = 0;
    bool beginSucceeds = true;
    PrintFont fontAtBegin{0, false, false};

private:
    int linesPerPage_;
    int pageWidth_;
    int page_ = 1;
    PrintFont font_;
};
