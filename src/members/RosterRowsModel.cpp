#include "members/RosterRowsModel.h"

#include <QColor>

namespace {
constexpr int ColumnCount = 5;
}

void RosterRowsModel::setRows(const QList<RosterRow>* rows)
{
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

int RosterRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !rows_ ? 0 : int(rows_->size());
}

int RosterRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant RosterRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The outcome comes second, so that it shows however narrow the window.
    static const char* titles[ColumnCount] = {"Fila", "Resultado", "Apellidos y Nombres", "Fecha Nac.",
                                              "Observaciones"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString::fromUtf8(titles[section]);
    return {};
}

QVariant RosterRowsModel::data(const QModelIndex& index, int role) const
{
    if (!rows_ || !index.isValid() || index.row() >= rows_->size())
        return {};
    const RosterRow& row = (*rows_)[index.row()];
    if (role == Qt::ToolTipRole && index.column() == 1)
        role = Qt::DisplayRole; // the whole outcome, when the column is too narrow for it
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0: return row.number;
        case 1:
            return row.detail.isEmpty() ? RowOutcomeText(row.outcome)
                                        : RowOutcomeText(row.outcome) + QStringLiteral(": ") + row.detail;
        case 2: return row.name;
        case 3: return row.dateText;
        case 4: return row.remarks;
        }
    }
    // The outcome of a row left out stands out, in a dark red readable on any light background.
    if (role == Qt::ForegroundRole && index.column() == 1 && row.outcome != RowOutcome::Add)
        return QColor(0x9A, 0x00, 0x00);
    return {};
}
