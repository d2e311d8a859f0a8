#include "members/RosterImportWindow.h"
#include "members/RosterRowsModel.h"
#include "help/HelpContext.h"
#include "app/ProgramMessage.h"
#include "widgets/WindowKit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A spreadsheet's name of a column: A..Z, AA..
QString ColumnLetters(int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

qsizetype ColumnCount(const CsvTable& table)
{
    qsizetype width = 0;
    for (const QStringList& record : table.records)
        width = std::max(width, record.size());
    return width;
}

QString CountsText(const RosterPreview& preview)
{
    QStringList parts{QStringLiteral("Filas: %1").arg(preview.rows.size())};
    for (int i = 0; i < RowOutcomeCount; ++i)
        if (preview.counts[size_t(i)] > 0 || RowOutcome(i) == RowOutcome::Add)
            parts << QStringLiteral("%1: %2").arg(RowOutcomeText(RowOutcome(i))).arg(preview.counts[size_t(i)]);
    return parts.join(QStringLiteral("  ·  "));
}

} // namespace

RosterImportWindow::RosterImportWindow(const CsvTable& table, const QString& sheetPath, const MemberKeys& members,
                                       const QString& membersPath, const QString& datePattern,
                                       const Platform& platform, QWidget* parent)
    : QDialog(parent), table_(table), sheetPath_(sheetPath), members_(members), membersPath_(membersPath),
      datePattern_(datePattern), platform_(platform)
{
    buildLayout();
    fillColumnChoices();
    showColumns(RecogniseRosterColumns(table_.records.value(0), int(ColumnCount(table_))));
    // A long sheet is read once the window shows, so its progress bar can be seen.
    if (!isLong())
        refresh();
}

RosterImportWindow::~RosterImportWindow() = default;

void RosterImportWindow::buildLayout()
{
    setObjectName(QStringLiteral("RosterImport"));
    setWindowTitle(QStringLiteral("Importar desde planilla (CSV)"));
    SetHelpContext(this, HelpMembers);
    resize(820, 520);

    SheetLabel = new QLabel(this);
    SheetLabel->setObjectName(QStringLiteral("SheetLabel"));
    SheetLabel->setWordWrap(true);
    SheetLabel->setText(QStringLiteral("Planilla \"%1\": %2, separador %3.")
                            .arg(QFileInfo(sheetPath_).fileName(), CsvEncodingName(table_.encoding),
                                 CsvSeparatorName(table_.separator)));

    auto combo = [this](const char* name) {
        auto* box = new QComboBox(this);
        box->setObjectName(QLatin1String(name));
        connect(box, &QComboBox::currentIndexChanged, this, &RosterImportWindow::refresh);
        return box;
    };
    NameColumn = combo("NameColumn");
    GivenNamesColumn = combo("GivenNamesColumn");
    DateColumn = combo("DateColumn");
    RemarksColumn = combo("RemarksColumn");
    HeaderBox = new QCheckBox(QStringLiteral("La primera fila tiene los &títulos de las columnas"), this);
    HeaderBox->setObjectName(QStringLiteral("HeaderBox"));
    connect(HeaderBox, &QCheckBox::toggled, this, &RosterImportWindow::refresh);

    auto* columns = new QFormLayout;
    columns->addRow(QStringLiteral("&Apellidos y Nombres:"), NameColumn);
    columns->addRow(QStringLiteral("&Nombres (en otra columna):"), GivenNamesColumn);
    columns->addRow(QStringLiteral("&Fecha de nacimiento:"), DateColumn);
    columns->addRow(QStringLiteral("&Observaciones:"), RemarksColumn);
    columns->addRow(HeaderBox);

    model_ = new RosterRowsModel(this);
    Rows = new QTableView(this);
    Rows->setObjectName(QStringLiteral("Rows"));
    Rows->setAccessibleName(QStringLiteral("Filas de la planilla y lo que se hará con cada una"));
    Rows->setModel(model_);
    Rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    Rows->setSelectionMode(QAbstractItemView::SingleSelection);
    Rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Rows->setTabKeyNavigation(false);
    Rows->verticalHeader()->hide();
    Rows->verticalHeader()->setDefaultSectionSize(Rows->fontMetrics().height() + 6);
    Rows->horizontalHeader()->setStretchLastSection(true);
    Rows->setColumnWidth(0, 50);
    Rows->setColumnWidth(1, 250);
    Rows->setColumnWidth(2, 260);
    Rows->setColumnWidth(3, 90);

    CountsLabel = new QLabel(this);
    CountsLabel->setObjectName(QStringLiteral("CountsLabel"));
    CountsLabel->setWordWrap(true);
    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setAccessibleName(QStringLiteral("Avance de la revisión de filas"));
    Progress->hide();

    auto* buttons = new QDialogButtonBox(this);
    ImportButton = buttons->addButton(QStringLiteral("&Importar"), QDialogButtonBox::AcceptRole);
    ImportButton->setObjectName(QStringLiteral("ImportButton"));
    CancelButton = buttons->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    ImportButton->setDefault(true);
    ImportButton->setEnabled(false); // until the rows are read
    connect(ImportButton, &QPushButton::clicked, this, &RosterImportWindow::importRows);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SheetLabel);
    layout->addLayout(columns);
    layout->addWidget(Rows, 1);
    layout->addWidget(CountsLabel);
    layout->addWidget(Progress);
    layout->addWidget(buttons);
}

void RosterImportWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    // Never larger than the screen's free area (at 200 % the usual size is not).
    if (const QScreen* screen = this->screen()) {
        const QSize room = screen->availableGeometry().size() - (frameGeometry().size() - size());
        resize(size().boundedTo(room));
    }
    CentreOnScreen(*this);
    if (isLong())
        QTimer::singleShot(0, this, &RosterImportWindow::refresh);
}

void RosterImportWindow::fillColumnChoices()
{
    const qsizetype width = ColumnCount(table_);
    const QStringList first = table_.records.value(0);
    for (QComboBox* box : {NameColumn, GivenNamesColumn, DateColumn, RemarksColumn}) {
        box->addItem(QStringLiteral("(ninguna)"), -1);
        for (int i = 0; i < width; ++i) {
            const QString sample = first.value(i).simplified().left(40);
            box->addItem(sample.isEmpty() ? QStringLiteral("Columna %1").arg(ColumnLetters(i))
                                          : QStringLiteral("Columna %1: %2").arg(ColumnLetters(i), sample),
                         i);
        }
    }
}

void RosterImportWindow::showColumns(const RosterColumns& columns)
{
    const QSignalBlocker blockHeader(HeaderBox);
    const QSignalBlocker blockName(NameColumn);
    const QSignalBlocker blockGiven(GivenNamesColumn);
    const QSignalBlocker blockDate(DateColumn);
    const QSignalBlocker blockRemarks(RemarksColumn);
    NameColumn->setCurrentIndex(NameColumn->findData(columns.name));
    GivenNamesColumn->setCurrentIndex(GivenNamesColumn->findData(columns.givenNames));
    DateColumn->setCurrentIndex(DateColumn->findData(columns.birthDate));
    RemarksColumn->setCurrentIndex(RemarksColumn->findData(columns.remarks));
    HeaderBox->setChecked(columns.header);
}

RosterColumns RosterImportWindow::chosenColumns() const
{
    RosterColumns columns;
    columns.name = NameColumn->currentData().toInt();
    columns.givenNames = GivenNamesColumn->currentData().toInt();
    columns.birthDate = DateColumn->currentData().toInt();
    columns.remarks = RemarksColumn->currentData().toInt();
    columns.header = HeaderBox->isChecked();
    return columns;
}

void RosterImportWindow::refresh()
{
    Progress->setVisible(isLong());
    std::function<void(int, int)> progress;
    if (isLong())
        progress = [this](int done, int total) {
            Progress->setRange(0, std::max(total, 1));
            Progress->setValue(done);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        };
    model_->setRows(nullptr);
    preview_ = PreviewRoster(table_.records, chosenColumns(), members_, datePattern_, QDate::currentDate(), progress);
    model_->setRows(&preview_.rows);
    CountsLabel->setText(CountsText(preview_));
    Progress->hide();
    ImportButton->setEnabled(preview_.count(RowOutcome::Add) > 0);
}

void RosterImportWindow::importRows()
{
    const Result<AddedMembers> outcome = AddMembersToFile(membersPath_, preview_.membersToAdd());
    if (!outcome) {
        ProgramMessage(platform_, outcome.failure()); // nothing changed: the preview stays
        return;
    }
    outcome_ = *outcome;
    accept();
}
