#pragma once
// The rows of an import preview as its table shows them: row number, outcome
// (with why a row is left out, in dark red), name, date and remarks.
#include "members/RosterPreview.h"

#include <QAbstractTableModel>

class RosterRowsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows `rows` (owned by the caller, alive while shown); nothing with nullptr.
    void setRows(const QList<RosterRow>* rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const QList<RosterRow>* rows_ = nullptr;
};
