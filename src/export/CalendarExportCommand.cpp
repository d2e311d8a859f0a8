#include "export/CalendarExportCommand.h"
#include "platform/DataFolder.h"
#include "core/DayNumber.h"
#include "core/DisplayTexts.h"
#include "core/Edition.h"
#include "export/ICalendarFile.h"
#include "members/MemberRecord.h"
#include "members/MembersFile.h"
#include "settings/SettingsStore.h"
#include "settings/ZoneChoice.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

const QString Usage = QStringLiteral(
    "Uso: pronos-full --exportar-calendario ARCHIVO (--integrante \"NOMBRE\" [--nacimiento dd/mm/aaaa] | --equipo) "
    "--desde dd/mm/aaaa --dias N [--niveles Excelente,Buena]");

std::optional<double> ReadDate(const QString& text)
{
    const QDate date = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        return std::nullopt;
    return DayNumberFromDate(date);
}

std::optional<std::array<bool, 5>> ReadLevels(const QString& text, QString& failure)
{
    std::array<bool, 5> levels{};
    for (const QString& word : text.split(u',', Qt::SkipEmptyParts)) {
        bool known = false;
        for (int level = 1; level <= 5; ++level)
            if (word.trimmed().compare(LevelName(level), Qt::CaseInsensitive) == 0) {
                levels[size_t(level - 1)] = known = true;
            }
        if (!known) {
            failure = QStringLiteral("\"%1\" no es un nivel: los niveles son %2.")
                          .arg(word.trimmed(), QStringList{LevelName(1), LevelName(2), LevelName(3), LevelName(4),
                                                           LevelName(5)}.join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    return levels;
}

// The region the program would read: the stored one, else the system's zone by name, else UTC.
CalendarState StoredCalendarZone()
{
    CalendarState calendar;
    calendar.coveredPeriod.firstDay = CurrentEdition().firstDay;
    calendar.coveredPeriod.lastDay = CurrentEdition().lastDay;
    const SettingsStore store;
    if (const std::optional<ZoneChoice> choice = StoredZoneChoice(store))
        ApplyZoneChoice(calendar, *choice);
    else
        calendar.namedZone = KnownZone(SystemZoneName());
    return calendar;
}

} // namespace

bool IsExportCommand(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (ExportCommandOption == QLatin1StringView(argv[i]))
            return true;
    return false;
}

std::optional<ExportCommand> ParseExportCommand(const QStringList& arguments, QString& failure)
{
    ExportCommand command;
    bool member = false, from = false, days = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option == QStringLiteral("--equipo")) {
            command.team = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            failure = QStringLiteral("Falta el valor de \"%1\".\n%2").arg(option, Usage);
            return std::nullopt;
        }
        const QString value = arguments[++i];
        if (option == ExportCommandOption) {
            command.file = value;
        } else if (option == QStringLiteral("--integrante")) {
            command.memberName = value.trimmed();
            member = true;
        } else if (option == QStringLiteral("--nacimiento")) {
            command.birthDate = ReadDate(value);
            if (!command.birthDate) {
                failure = QStringLiteral("La fecha de nacimiento \"%1\" no es una fecha dd/mm/aaaa.").arg(value);
                return std::nullopt;
            }
        } else if (option == QStringLiteral("--desde")) {
            const std::optional<double> day = ReadDate(value);
            if (!day) {
                failure = QStringLiteral("La fecha \"%1\" de --desde no es una fecha dd/mm/aaaa.").arg(value);
                return std::nullopt;
            }
            command.firstDay = *day;
            from = true;
        } else if (option == QStringLiteral("--dias")) {
            bool number = false;
            command.days = value.toInt(&number);
            if (!number || command.days < 1 || command.days > ExportMaxDays) {
                failure = QStringLiteral("El número de días debe estar entre 1 y %1.").arg(ExportMaxDays);
                return std::nullopt;
            }
            days = true;
        } else if (option == QStringLiteral("--niveles")) {
            const auto levels = ReadLevels(value, failure);
            if (!levels)
                return std::nullopt;
            command.levels = *levels;
        } else {
            failure = QStringLiteral("Opción desconocida: \"%1\".\n%2").arg(option, Usage);
            return std::nullopt;
        }
    }
    if (command.file.isEmpty() || member == command.team || !from || !days) {
        failure = member && command.team ? QStringLiteral("Indique --integrante o --equipo, no ambos.\n") + Usage
                                         : QStringLiteral("Faltan opciones.\n") + Usage;
        return std::nullopt;
    }
    return command;
}

QList<ExportMember> SelectExportMembers(const QList<ExportMember>& members, const ExportCommand& command,
                                        QString& failure)
{
    if (command.team) {
        if (members.isEmpty())
            failure = QStringLiteral("No hay integrantes que exportar.");
        return members;
    }
    QList<ExportMember> found;
    for (const ExportMember& member : members)
        if (member.name.compare(command.memberName, Qt::CaseInsensitive) == 0
            && (!command.birthDate || member.birthDate == *command.birthDate))
            found.append(member);
    if (found.isEmpty())
        failure = command.birthDate ? QStringLiteral("Ningún integrante se llama \"%1\" con esa fecha de nacimiento.")
                                          .arg(command.memberName)
                                    : QStringLiteral("Ningún integrante se llama \"%1\".").arg(command.memberName);
    else if (found.size() > 1)
        failure = QStringLiteral("Hay %1 integrantes llamados \"%2\": indique su fecha con --nacimiento dd/mm/aaaa.")
                      .arg(found.size())
                      .arg(command.memberName);
    return found.size() == 1 ? found : QList<ExportMember>{};
}

QList<ExportMember> ReadExportMembers(const QString& path, QString& failure)
{
    QList<ExportMember> members;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failure = QStringLiteral("No se pudo leer el archivo de integrantes \"%1\": %2").arg(path, file.errorString());
        return members;
    }
    const QByteArray bytes = file.readAll();
    for (qsizetype at = 0; at + MemberRecordSize <= bytes.size(); at += MemberRecordSize) {
        const MemberRecord record = DecodeMemberRecord(bytes.constData() + at);
        if (!IsFreeSlot(record))
            members.append({TrimName(record.fullName), record.birthDate});
    }
    return members;
}

int RunExportCommand(const QStringList& arguments)
{
    QTextStream out(stdout), err(stderr);
    QString failure;
    const std::optional<ExportCommand> command = ParseExportCommand(arguments, failure);
    QList<ExportMember> members;
    if (command) {
        const QString folder = UserDataFolder(QCoreApplication::applicationDirPath() + u'/');
        members = ReadExportMembers(folder + MembersFileName, failure);
        if (failure.isEmpty())
            members = SelectExportMembers(members, *command, failure);
    }
    if (!failure.isEmpty()) {
        err << failure << Qt::endl;
        return 1;
    }
    const CalendarState calendar = StoredCalendarZone();
    const QString who = command->team ? QStringLiteral("Equipo") : members.constFirst().name;
    const ExportPlan plan =
        PlanCalendarExport({who, members, command->firstDay, command->days, command->levels}, calendar);
    failure = plan.failure;
    if (failure.isEmpty())
        failure = SaveExportFile(command->file, ComposeICalendar(plan, ExportClockOf(calendar), ExportProductId(),
                                                                 QDateTime::currentDateTimeUtc()));
    if (!failure.isEmpty()) {
        err << failure << Qt::endl;
        return 1;
    }
    out << ExportDoneText(plan, calendar) << Qt::endl;
    return 0;
}
