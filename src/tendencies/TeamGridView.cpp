#include "tendencies/TeamGridView.h"
#include "tendencies/WeekChart.h"
#include "core/EntryElision.h"

#include <QHeaderView>
#include <array>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QStaticText>

namespace {

constexpr int HourColumns = 24;

} // namespace

void TeamGridModel::setGrid(TeamGrid grid, const LevelColorTable& colours)
{
    beginResetModel();
    grid_ = std::move(grid);
    colours_ = colours;
    paintRows();
    endResetModel();
}

void TeamGridModel::sortAt(int hour)
{
    beginResetModel();
    if (hour < 0)
        SortTeamByName(grid_);
    else
        SortTeamAtHour(grid_, hour);
    paintRows();
    endResetModel();
}

void TeamGridModel::paintRows()
{
    // Members of one sign have the same day: one picture each sign, shared.
    std::array<QImage, 13> bySign;
    images_.clear();
    images_.reserve(size_t(grid_.rows.size()));
    for (const TeamRow& row : std::as_const(grid_.rows)) {
        QImage& image = bySign[size_t(std::clamp(row.memberSign, 0, 12))];
        if (image.isNull())
            image = PaintChartRows(TeamRowPieces(row, 0, colours_), 1);
        images_.push_back(image);
    }
}

int TeamGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(grid_.rows.size());
}

int TeamGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1 + HourColumns;
}

QVariant TeamGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= grid_.rows.size())
        return {};
    const TeamRow& row = grid_.rows.at(index.row());
    if (index.column() == 0) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return row.entry;
        if (role == Qt::ToolTipRole)
            return row.entry + QStringLiteral("\nDoble click para ver al integrante en la ventana principal");
        return {};
    }
    const int hour = TeamGridView::HourOfColumn(index.column());
    if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return row.name + QStringLiteral(", ") + DescribeTeamHour(row, hour);
    return {};
}

QVariant TeamGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section > HourColumns)
        return {};
    const int hour = section - 1;
    switch (role) {
    case Qt::DisplayRole:
        return section == 0 ? QStringLiteral("Integrante") : QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
    case Qt::ToolTipRole:
        return section == 0 ? QStringLiteral("Ordenar por nombre")
                            : QStringLiteral("Ordenar por el nivel a las %1:00").arg(hour, 2, 10, QLatin1Char('0'));
    // The heading of the order in force stands out: bold, an hour's white on black.
    case Qt::FontRole:
        if (hour == grid_.sortHour) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        return hour >= 0 && hour == grid_.sortHour ? QVariant(QBrush(Qt::black)) : QVariant();
    case Qt::ForegroundRole:
        return hour >= 0 && hour == grid_.sortHour ? QVariant(QBrush(Qt::white)) : QVariant();
    default:
        return {};
    }
}

TeamGridView::TeamGridView(QWidget* parent) : QTableView(parent), model_(new TeamGridModel(this))
{
    setModel(model_);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(ChartRowHeight);
    verticalHeader()->setMinimumSectionSize(ChartRowHeight);
    QHeaderView* top = horizontalHeader();
    top->setMinimumSectionSize(ChartHourWidth);
    top->setSectionResizeMode(QHeaderView::Fixed);
    top->setSectionResizeMode(0, QHeaderView::Interactive);
    top->setSectionsClickable(true);
    top->setHighlightSections(false);
    top->setSortIndicatorShown(false); // no room for the arrow in an hour's heading: the heading itself is marked
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A new grid or order keeps the name column as wide as the user made it.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        if (columnsSized_)
            nameWidth_ = horizontalHeader()->sectionSize(0);
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        // The chart's cell size: 28 pixels an hour, the last one with the closing grid line.
        horizontalHeader()->resizeSection(0, nameWidth_);
        columnsSized_ = true;
        for (int column = 1; column <= HourColumns; ++column)
            horizontalHeader()->resizeSection(column, ChartHourWidth + (column == HourColumns ? 1 : 0));
    });
    // A heading sorts; it does not choose the column's cells (the table's own
    // answer to a pressed heading), which would show a moment nobody chose.
    disconnect(top, SIGNAL(sectionPressed(int)), this, SLOT(selectColumn(int)));
    disconnect(top, SIGNAL(sectionEntered(int)), this, SLOT(_q_selectColumn(int)));
    connect(top, &QHeaderView::sectionClicked, this, [this](int section) { emit sortChosen(section - 1); });
    setAccessibleName(QStringLiteral("Tendencias del equipo"));
    setAccessibleDescription(QStringLiteral(
        "Una fila por integrante y una columna por hora. Flechas: moverse entre celdas; O: ordenar por la hora de "
        "la celda (en la columna de nombres, por nombre); Intro: ver al integrante en la ventana principal"));
}

// Painted a row at a time: the member's entry, then the row's chart picture
// (the table's own painting, a styled cell at a time, takes several times as
// long for 60 members). The hour sorted at is framed in black; the current
// cell, while the grid has the keyboard, in a dashed black and white frame.
void TeamGridView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    painter.fillRect(viewport()->rect(), palette().base());
    const int rows = model_->rowCount();
    if (rows == 0)
        return;
    const int first = std::max(rowAt(0), 0);
    const int bottomRow = rowAt(viewport()->height() - 1);
    const int last = bottomRow < 0 ? rows - 1 : bottomRow;
    const int namesLeft = columnViewportPosition(0), hoursLeft = columnViewportPosition(1);
    const QModelIndex current = currentIndex();
    painter.setPen(palette().color(QPalette::Text));
    for (int row = first; row <= last; ++row) {
        const int top = rowViewportPosition(row);
        const QStaticText& name = nameText(row, hoursLeft - namesLeft - 8);
        painter.drawStaticText(namesLeft + 4, top + (ChartRowHeight - int(name.size().height())) / 2, name);
        painter.drawImage(QPoint(hoursLeft, top), model_->rowImage(row), QRect(0, 0, ChartWidth, ChartRowHeight));
    }
    const int sortHour = model_->grid().sortHour;
    if (sortHour >= 0) {
        const int left = columnViewportPosition(sortHour + 1);
        const int top = rowViewportPosition(first), bottom = rowViewportPosition(last) + ChartRowHeight - 1;
        painter.drawLine(left, top, left, bottom);
        painter.drawLine(left + ChartHourWidth - 1, top, left + ChartHourWidth - 1, bottom);
    }
    if (hasFocus() && current.isValid()) {
        const QRect frame = visualRect(current).adjusted(1, 1, -2, -2);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(frame);
    }
}

const QStaticText& TeamGridView::nameText(int row, int width)
{
    if (namesWidth_ != width || namesFont_ != font()) {
        names_.clear();
        namesWidth_ = width;
        namesFont_ = font();
    }
    const QString& entry = model_->grid().rows.at(row).entry;
    auto found = names_.find(entry);
    if (found == names_.end()) {
        const QFontMetrics metrics = fontMetrics();
        QStaticText text(ElideEntryName(entry, std::max(width, 0),
                                        [&metrics](const QString& shown) { return metrics.horizontalAdvance(shown); }));
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font());
        found = names_.insert(entry, text);
    }
    return *found;
}

void TeamGridView::showGrid(TeamGrid grid, const LevelColorTable& colours)
{
    keepingCurrent([&] { model_->setGrid(std::move(grid), colours); });
}

void TeamGridView::sortAt(int hour)
{
    keepingCurrent([&] { model_->sortAt(hour); });
}

void TeamGridView::keepingCurrent(const std::function<void()>& change)
{
    const QModelIndex current = currentIndex();
    const int member = current.isValid() ? model_->grid().rows.at(current.row()).memberIndex : -1;
    change();
    const QList<TeamRow>& rows = model_->grid().rows;
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).memberIndex == member) {
            quietCurrent_ = true;
            setCurrentIndex(model_->index(row, current.column()));
            quietCurrent_ = false;
            scrollTo(currentIndex()); // the member may have moved out of sight
            return;
        }
    }
}

void TeamGridView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && event->modifiers() == Qt::NoModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            emit memberOpened(current.row());
            return event->accept();
        }
        if (event->key() == Qt::Key_O) {
            emit sortChosen(HourOfColumn(current.column()));
            return event->accept();
        }
        if (event->key() == Qt::Key_Space && current.column() > 0) {
            emit momentChosen(current.row(), HourOfColumn(current.column()) * 60);
            return event->accept();
        }
    }
    QTableView::keyPressEvent(event);
}

void TeamGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    // The keyboard's way to a moment: the hour's start of the cell moved to.
    if (current.isValid() && current.column() > 0 && !quietCurrent_ && hasFocus())
        emit momentChosen(current.row(), HourOfColumn(current.column()) * 60);
}

void TeamGridView::mousePressEvent(QMouseEvent* event)
{
    quietCurrent_ = true;
    QTableView::mousePressEvent(event);
    quietCurrent_ = false;
}

void TeamGridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (!index.isValid() || index.column() == 0 || event->button() != Qt::LeftButton)
        return;
    // The minute under the pointer, read by the chart's own scale; a grid
    // line (silver) is nothing, as on the chart.
    const int hour = HourOfColumn(index.column());
    const QRect cell = visualRect(index);
    const int x = at.x() - cell.left() + ChartHourWidth * hour;
    const QImage& image = model_->rowImage(index.row());
    const int y = at.y() - cell.top();
    if (image.valid(x, y) && image.pixel(x, y) == qRgb(192, 192, 192))
        return;
    emit momentChosen(index.row(), hour * 60 + ClickMinute(x, hour));
}

void TeamGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton) {
        emit memberOpened(index.row());
        return event->accept();
    }
    QTableView::mouseDoubleClickEvent(event);
}
