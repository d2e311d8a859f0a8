#pragma once
// The team grid on the screen: one row per member (the member box's entry),
// then 24 hour columns of the chart's cell size, painted exactly as the
// chart paints a day. Hour headings sort at their hour, the name heading by
// name; the hour sorted at is marked. Every cell has words for a screen
// reader, and the arrow keys move between cells.
#include "tendencies/TeamGrid.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QStaticText>
#include <QTableView>
#include <functional>
#include <vector>

// The grid's content for a view: column 0 the member, columns 1..24 the hours.
class TeamGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setGrid(TeamGrid grid, const LevelColorTable& colours);
    const TeamGrid& grid() const { return grid_; }
    // Sorts at an hour 0..23, or by name for -1.
    void sortAt(int hour);
    // The row's picture: the chart's painting of one day row (28 pixels an hour, 22 high and the closing grid line).
    const QImage& rowImage(int row) const { return images_.at(size_t(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void paintRows();

    TeamGrid grid_;
    LevelColorTable colours_ = DefaultLevelColors;
    std::vector<QImage> images_;
};

class TeamGridView : public QTableView {
    Q_OBJECT
public:
    explicit TeamGridView(QWidget* parent = nullptr);
    TeamGridModel* teamModel() const { return model_; }
    // New content, or another order (an hour 0..23, -1 by name): the current
    // cell stays with its member and hour.
    void showGrid(TeamGrid grid, const LevelColorTable& colours);
    void sortAt(int hour);
    // The hour 0..23 of a column (-1 for the names).
    static int HourOfColumn(int column) { return column - 1; }

signals:
    // A cell of a member at a minute of the day (a click, or the keyboard at the hour's start).
    void momentChosen(int row, int minuteOfDay);
    // The member of a row is to be opened in the main window (double click, Enter).
    void memberOpened(int row);
    // An hour 0..23 to sort at, or -1 for by name.
    void sortChosen(int hour);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Runs a change of the model, then puts the current cell back on the same member and column.
    void keepingCurrent(const std::function<void()>& change);

    // The entries as painted, cut to the name column's width, kept by entry
    // while the width and the font stay.
    const QStaticText& nameText(int row, int width);

    TeamGridModel* model_;
    QHash<QString, QStaticText> names_;
    int namesWidth_ = -1;
    int nameWidth_ = 250; // the name column's width
    bool columnsSized_ = false;
    QFont namesFont_;
    bool quietCurrent_ = false; // a click in progress (it tells the minute) or the cell put back: no moment
};
