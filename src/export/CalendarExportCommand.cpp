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

Result<std::array<bool, 5>> ReadLevels(const QString& text)
{
    std::array<bool, 5> levels{};
    for (const QString& word : text.split(u',', Qt::SkipEmptyParts)) {
        bool known = false;
        for (int level = 1; level <= 5; ++level)
            if (word.trimmed().compare(LevelName(level), Qt::CaseInsensitive) == 0) {
                levels[size_t(level - 1)] = known = true;
            }
        if (!known)
            return Failure{QStringLiteral("\"%1\" no es un nivel: los niveles son %2.")
                               .arg(word.trimmed(), QStringList{LevelName(1), LevelName(2), LevelName(3), LevelName(4),
                                                                LevelName(5)}.join(QStringLiteral(", ")))};
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

Result<ExportCommand> ParseExportCommand(const QStringList& arguments)
{
    ExportCommand command;
    bool member = false, from = false, days = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option == QStringLiteral("--equipo")) {
            command.team = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return Failure{QStringLiteral("Falta el valor de \"%1\".\n%2").arg(option, Usage)};
        const QString value = arguments[++i];
        if (option == ExportCommandOption) {
            command.file = value;
        } else if (option == QStringLiteral("--integrante")) {
            command.memberName = value.trimmed();
            member = true;
        } else if (option == QStringLiteral("--nacimiento")) {
            command.birthDate = ReadDate(value);
            if (!command.birthDate)
                return Failure{QStringLiteral("La fecha de nacimiento \"%1\" no es una fecha dd/mm/aaaa.").arg(value)};
        } else if (option == QStringLiteral("--desde")) {
            const std::optional<double> day = ReadDate(value);
            if (!day)
                return Failure{QStringLiteral("La fecha \"%1\" de --desde no es una fecha dd/mm/aaaa.").arg(value)};
            command.firstDay = *day;
            from = true;
        } else if (option == QStringLiteral("--dias")) {
            bool number = false;
            command.days = value.toInt(&number);
            if (!number || command.days < 1 || command.days > ExportMaxDays)
                return Failure{QStringLiteral("El número de días debe estar entre 1 y %1.").arg(ExportMaxDays)};
            days = true;
        } else if (option == QStringLiteral("--niveles")) {
            const Result<std::array<bool, 5>> levels = ReadLevels(value);
            if (!levels)
                return levels.failure();
            command.levels = *levels;
        } else {
            return Failure{QStringLiteral("Opción desconocida: \"%1\".\n%2").arg(option, Usage)};
        }
    }
    if (command.file.isEmpty() || member == command.team || !from || !days)
        return Failure{member && command.team ? QStringLiteral("Indique --integrante o --equipo, no ambos.\n") + Usage
                                              : QStringLiteral("Faltan opciones.\n") + Usage};
    return command;
}

Result<QList<ExportMember>> SelectExportMembers(const QList<ExportMember>& members, const ExportCommand& command)
{
    if (command.team) {
        if (members.isEmpty())
            return Failure{QStringLiteral("No hay integrantes que exportar.")};
        return members;
    }
    QList<ExportMember> found;
    for (const ExportMember& member : members)
        if (member.name.compare(command.memberName, Qt::CaseInsensitive) == 0
            && (!command.birthDate || member.birthDate == *command.birthDate))
            found.append(member);
    if (found.isEmpty())
        return Failure{command.birthDate
                           ? QStringLiteral("Ningún integrante se llama \"%1\" con esa fecha de nacimiento.")
                                 .arg(command.memberName)
                           : QStringLiteral("Ningún integrante se llama \"%1\".").arg(command.memberName)};
    if (found.size() > 1)
        return Failure{QStringLiteral("Hay %1 integrantes llamados \"%2\": indique su fecha con --nacimiento dd/mm/aaaa.")
                           .arg(found.size())
                           .arg(command.memberName)};
    return found;
}

Result<QList<ExportMember>> ReadExportMembers(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{
            QStringLiteral("No se pudo leer el archivo de integrantes \"%1\": %2").arg(path, file.errorString())};
    QList<ExportMember> members;
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
    const auto refuse = [&err](const Failure& failure) {
        err << failure.text << Qt::endl;
        return 1;
    };
    const Result<ExportCommand> command = ParseExportCommand(arguments);
    if (!command)
        return refuse(command.failure());
    const QString folder = UserDataFolder(QCoreApplication::applicationDirPath() + u'/');
    const Result<QList<ExportMember>> file = ReadExportMembers(folder + MembersFileName);
    if (!file)
        return refuse(file.failure());
    const Result<QList<ExportMember>> members = SelectExportMembers(*file, *command);
    if (!members)
        return refuse(members.failure());
    const CalendarState calendar = StoredCalendarZone();
    const QString who = command->team ? QStringLiteral("Equipo") : members->constFirst().name;
    const Result<ExportPlan> plan =
        PlanCalendarExport({who, *members, command->firstDay, command->days, command->levels}, calendar);
    if (!plan)
        return refuse(plan.failure());
    const Result<void> saved = SaveExportFile(
        command->file, ComposeICalendar(*plan, ExportClockOf(calendar), ExportProductId(), QDateTime::currentDateTimeUtc()));
    if (!saved)
        return refuse(saved.failure());
    out << ExportDoneText(*plan, calendar) << Qt::endl;
    return 0;
}
