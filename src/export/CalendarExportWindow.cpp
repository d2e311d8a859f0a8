#include "export/CalendarExportWindow.h"
#include "export/CalendarExport.h"
#include "widgets/DatePicker.h"
#include "core/DayNumber.h"
#include "core/DisplayTexts.h"
#include "help/HelpContext.h"
#include "export/ICalendarFile.h"
#include "app/ProgramMessage.h"
#include "platform/SystemDateFormat.h"
#include "widgets/WindowKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// A line of the member list as the main window's member box reads it.
ExportMember MemberOfLine(const Gral& gral, const QString& line)
{
    const std::optional<double> birth = gral.environment.systemDateFormat.parse(line.left(10).trimmed());
    return {line.mid(10, 60).trimmed(), birth.value_or(0)};
}

} // namespace

CalendarExportWindow::CalendarExportWindow(Gral& gral, int memberIndex, double day, QWidget* parent)
    : QDialog(parent), gral_(gral)
{
    setWindowTitle(QStringLiteral("Exportar a calendario"));
    auto* form = new QFormLayout;
    Quien = new QComboBox(this);
    for (const QString& line : gral.members.memberList) {
        const ExportMember member = MemberOfLine(gral, line);
        Quien->addItem(member.name + QStringLiteral(" - ") + gral.environment.systemDateFormat.format(member.birthDate));
    }
    Quien->addItem(QStringLiteral("Todo el equipo"));
    Quien->setCurrentIndex(memberIndex >= 0 && memberIndex < gral.members.memberList.size() ? memberIndex : 0);
    form->addRow(QStringLiteral("&Integrante:"), Quien);
    Desde = new DatePicker(this);
    Desde->setDateRange(DateFromDayNumber(gral.calendar.coveredPeriod.firstDay),
                        DateFromDayNumber(gral.calendar.coveredPeriod.lastDay));
    Desde->setDate(DateFromDayNumber(day));
    Desde->setCalendarPopup(true);
    Desde->setMinimumWidth(Desde->fontMetrics().horizontalAdvance(QStringLiteral("miércoles 30 de septiembre de 2026")) * 6 / 5);
    form->addRow(QStringLiteral("&Desde:"), Desde);
    Dias = new QSpinBox(this);
    Dias->setRange(1, ExportMaxDays);
    Dias->setValue(7);
    form->addRow(QStringLiteral("&Cantidad de días:"), Dias);
    form->addRow(new QLabel(ExportClockText(ExportClockOf(gral.calendar)), this));

    auto* levels = new QGroupBox(QStringLiteral("Niveles"), this);
    auto* levelBoxes = new QVBoxLayout(levels);
    for (int level = 1; level <= 5; ++level) {
        Niveles[level - 1] = new QCheckBox(LevelName(level), levels);
        Niveles[level - 1]->setChecked(true);
        levelBoxes->addWidget(Niveles[level - 1]);
    }
    auto* buttons = new QDialogButtonBox(this);
    Exportar = buttons->addButton(QStringLiteral("&Exportar"), QDialogButtonBox::AcceptRole);
    Cerrar = buttons->addButton(QStringLiteral("C&errar"), QDialogButtonBox::RejectRole);
    Exportar->setDefault(true);
    connect(Exportar, &QPushButton::clicked, this, &CalendarExportWindow::Exportar_Click);
    connect(Cerrar, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(levels);
    layout->addWidget(buttons);
    SetHelpContext(this, HelpCalendarExport);
}

void CalendarExportWindow::Exportar_Click()
{
    // A date still being typed is read whole now; the plan judges its range.
    const Result<QDate> entered = Desde->enteredDate();
    if (!entered) {
        ProgramMessage(gral_, entered.failure());
        return;
    }
    ExportRequest request;
    const bool team = Quien->currentIndex() == Quien->count() - 1;
    for (qsizetype i = 0; i < gral_.members.memberList.size(); ++i)
        if (team || i == Quien->currentIndex())
            request.members.append(MemberOfLine(gral_, gral_.members.memberList[i]));
    request.who = team || request.members.isEmpty() ? QStringLiteral("Equipo") : request.members.constFirst().name;
    request.firstDay = DayNumberFromDate(*entered);
    request.days = Dias->value();
    for (int level = 0; level < 5; ++level)
        request.levels[size_t(level)] = Niveles[level]->isChecked();
    const Result<ExportPlan> plan = PlanCalendarExport(request, gral_.calendar);
    if (!plan) {
        ProgramMessage(gral_, plan.failure());
        return; // a typed date stays to be corrected
    }
    Desde->setDate(*entered);
    // The documents folder when the user has one, else the home folder (never the working folder).
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    const QString path = gral_.platform.chooseSaveFile(
        QStringLiteral("Exportar a calendario"), QDir(folder).filePath(ExportFileName(request.who, request.firstDay)),
        QStringLiteral("Calendarios iCalendar (*.ics)"));
    if (path.isEmpty())
        return;
    if (!ReplaceConfirmed(gral_.platform, path))
        return;
    const Result<void> saved = SaveExportFile(
        path,
        ComposeICalendar(*plan, ExportClockOf(gral_.calendar), ExportProductId(), QDateTime::currentDateTimeUtc()));
    if (!saved) {
        ProgramMessage(gral_, saved.failure());
        return;
    }
    ProgramMessage(gral_, ExportDoneText(*plan, gral_.calendar), StyleInformation);
}
