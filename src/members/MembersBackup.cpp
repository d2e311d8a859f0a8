#include "members/MembersBackup.h"
#include "platform/FileAccess.h"
#include "members/MembersFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

// The numbers of the backups beside the members file, newest first. Links
// count too (even to nowhere): their names are taken.
QList<int> ExistingBackupNumbers(const QString& membersPath)
{
    const QFileInfo members(membersPath);
    const QRegularExpression backupName(QStringLiteral("^%1(?:\\.([1-9][0-9]{0,8}))?\\.bak$")
                                            .arg(QRegularExpression::escape(members.fileName())));
    QList<int> numbers;
    const QStringList names =
        members.dir().entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        if (const QRegularExpressionMatch match = backupName.match(name); match.hasMatch())
            numbers.append(match.captured(1).toInt()); // "" gives 0
    std::sort(numbers.begin(), numbers.end(), std::greater<int>());
    return numbers;
}

bool SameFile(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString MembersBackupPath(const QString& membersPath, int number)
{
    return number == 0 ? membersPath + MembersBackupSuffix
                       : membersPath + QStringLiteral(".%1").arg(number) + MembersBackupSuffix;
}

QString NextMembersBackupPath(const QString& membersPath)
{
    const QList<int> existing = ExistingBackupNumbers(membersPath);
    return MembersBackupPath(membersPath, existing.isEmpty() ? 0 : existing.front() + 1);
}

Result<QString> BackUpMembersFile(const QString& membersPath)
{
    const QList<int> existing = ExistingBackupNumbers(membersPath);
    const QString backupPath = NextMembersBackupPath(membersPath);
    const Result<QByteArray> bytes = ReadWholeFile(membersPath);
    if (!bytes)
        return bytes.failure();
    if (const Result<void> written = WriteNewFile(backupPath, *bytes); !written)
        return written.failure();
    if (SameFile(backupPath, membersPath))
        return Failure{QStringLiteral("La copia y el archivo de integrantes son el mismo archivo.")};

    // The new copy is the newest; the oldest beyond the kept ones go.
    for (qsizetype i = KeptMembersBackups - 1; i < existing.size(); ++i)
        QFile::remove(MembersBackupPath(membersPath, existing[i]));
    return backupPath;
}
