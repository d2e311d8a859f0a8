#pragma once
// "Importar desde planilla (CSV)": the preview of a roster sheet before any
// member is added. Every row with its outcome, the counts, the columns to
// read (chosen by the sheet's titles, or by the user), "Importar" and
// "Cancelar". The work is done by the members library (RosterPreview.h,
// AddMembers.h); the window shows it.
#include "members/AddMembers.h"
#include "members/CsvTable.h"
#include "platform/Platform.h"
#include "members/RosterPreview.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class RosterRowsModel;

class RosterImportWindow : public QDialog {
    Q_OBJECT
public:
    // `members` are the keys of the members file at `membersPath`; dates are
    // read in the order of `datePattern`.
    RosterImportWindow(const CsvTable& table, const QString& sheetPath, const MemberKeys& members,
                       const QString& membersPath, const QString& datePattern, const Platform& platform,
                       QWidget* parent = nullptr);
    ~RosterImportWindow() override;

    const RosterPreview& preview() const { return preview_; }
    // What "Importar" did, once it succeeded (the window then closes
    // accepted; its opener tells the user, from the window it returns to).
    const AddedMembers& importOutcome() const { return outcome_; }

    // Rows from which the preview shows its progress bar while it works.
    static constexpr int RowsForProgress = 1000;
    bool isLong() const { return table_.records.size() >= RowsForProgress; }

    QLabel* SheetLabel = nullptr;
    QComboBox* NameColumn = nullptr;
    QComboBox* GivenNamesColumn = nullptr;
    QComboBox* DateColumn = nullptr;
    QComboBox* RemarksColumn = nullptr;
    QCheckBox* HeaderBox = nullptr;
    QTableView* Rows = nullptr;
    QLabel* CountsLabel = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* ImportButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void fillColumnChoices();
    void showColumns(const RosterColumns& columns);
    RosterColumns chosenColumns() const;
    // Classifies the rows again with the chosen columns.
    void refresh();
    void importRows();

    const CsvTable& table_;
    QString sheetPath_;
    const MemberKeys& members_;
    QString membersPath_;
    QString datePattern_;
    const Platform& platform_;
    RosterPreview preview_;
    RosterRowsModel* model_ = nullptr;
    AddedMembers outcome_;
    bool centred_ = false;
};
