#pragma once
// The members window's list: report style with grid lines, whole-row single
// selection, sorted by the name column with the locale's collation.
#include <QTreeWidget>

// An entry: caption (name as stored), date text, remarks.
class MemberListItem : public QTreeWidgetItem {
public:
    MemberListItem(const QString& name, const QString& dateText, const QString& remarks);
    bool operator<(const QTreeWidgetItem& other) const override;
};

class MemberListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit MemberListView(QWidget* parent = nullptr);

    MemberListItem* entry(int row) const;        // in sorted order; nullptr past the end
    MemberListItem* selectedEntry() const;       // nullptr when none
    void selectEntry(QTreeWidgetItem* item);     // selects, makes current, scrolls into view

signals:
    void keyReleased();   // after the list handled the key
    void mouseReleased(); // after the list handled the click

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
