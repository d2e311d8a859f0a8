#include "members/RosterExport.h"
#include "core/DayNumber.h"
#include "platform/FileAccess.h"
#include "members/MembersFile.h"

#include <QDir>
#include <QSaveFile>

namespace {

// The sheet's bytes put in the file's place once they are all written.
Result<void> WriteSheet(const QString& path, const QByteArray& bytes)
{
    QSaveFile sheet(path);
    if (!sheet.open(QIODevice::WriteOnly))
        return Failure{FileErrorText(sheet)};
    if (Result<void> written = WriteAllBytes(sheet, bytes); !written) {
        sheet.cancelWriting();
        return written;
    }
    if (!sheet.commit())
        return Failure{FileErrorText(sheet)};
    return {};
}

} // namespace

QString CsvField(const QString& text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    QString field = !text.isEmpty() && formulaStarts.contains(text[0]) ? u'\'' + text : text;
    if (field.contains(u';') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r'))
        field = u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return field;
}

QByteArray RosterCsv(const QList<MemberRecord>& members)
{
    QString text = RosterHeader + QStringLiteral("\r\n");
    for (const MemberRecord& r : members) {
        const QDate date = DateFromDayNumber(r.birthDate);
        text += CsvField(TrimName(r.fullName)) + u';' + (date.isValid() ? date.toString(u"dd/MM/yyyy") : QString())
            + u';' + CsvField(r.remarks.trimmed()) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

Result<int> ExportRoster(const QString& membersPath, const QString& csvPath)
{
    QList<MemberRecord> members;
    MembersFile file(membersPath);
    if (!file.openExisting() || !file.forEachRecord([&](qint64, const char* bytes) {
            const MemberRecord r = DecodeMemberRecord(bytes);
            if (!IsFreeSlot(r))
                members.append(r);
            return true;
        }))
        return Failure{QStringLiteral("No se pudo leer el archivo de integrantes \"%1\".\r\r%2")
                           .arg(QDir::toNativeSeparators(membersPath), file.errorString()),
                       StyleError};
    const Result<void> written = WriteSheet(csvPath, RosterCsv(members));
    if (!written)
        return Failure{QStringLiteral("No se pudo escribir la planilla \"%1\".\r\r%2")
                           .arg(QDir::toNativeSeparators(csvPath), written.failure().text),
                       StyleError};
    return int(members.size());
}
