#include "members/MemberListView.h"
#include "core/DisplayTexts.h"

#include <QCollator>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

enum Column { NameColumn, DateColumn, RemarksColumn };

const QCollator& NameCollator()
{
    static const QCollator collator = [] {
        // Without a language of its own the program sorts as in Spanish.
        QCollator c{DisplayLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

// Draws each cell, then its right and bottom grid lines.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Midlight));
        const QRect r = option.rect;
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 1);
    }
};

} // namespace

MemberListItem::MemberListItem(const QString& name, const QString& dateText, const QString& remarks)
    : QTreeWidgetItem(QStringList{name, dateText, remarks})
{
    setTextAlignment(DateColumn, Qt::AlignCenter);
}

bool MemberListItem::operator<(const QTreeWidgetItem& other) const
{
    const int byName = NameCollator().compare(text(NameColumn), other.text(NameColumn));
    if (byName != 0)
        return byName < 0;
    return text(NameColumn) < other.text(NameColumn);
}

MemberListView::MemberListView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("Apellidos y Nombres"), QStringLiteral("Fecha Nac."),
                     QStringLiteral("Observaciones")});
    header()->resizeSection(NameColumn, 290);
    header()->resizeSection(DateColumn, 90);
    header()->resizeSection(RemarksColumn, 270);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    headerItem()->setTextAlignment(DateColumn, Qt::AlignCenter);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new GridDelegate(this));
    // The selection stays as visible when the list loses the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    setSortingEnabled(true);
    sortByColumn(NameColumn, Qt::AscendingOrder);
    header()->setSortIndicatorShown(false);
    header()->setSectionsClickable(false);
}

MemberListItem* MemberListView::entry(int row) const { return static_cast<MemberListItem*>(topLevelItem(row)); }

MemberListItem* MemberListView::selectedEntry() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : static_cast<MemberListItem*>(selected.first());
}

void MemberListView::selectEntry(QTreeWidgetItem* item)
{
    if (!item)
        return;
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item, QAbstractItemView::EnsureVisible);
}

void MemberListView::keyReleaseEvent(QKeyEvent* event)
{
    QTreeWidget::keyReleaseEvent(event);
    emit keyReleased();
}

void MemberListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    emit mouseReleased();
}
