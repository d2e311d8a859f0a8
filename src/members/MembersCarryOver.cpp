#include "members/MembersCarryOver.h"
#include "platform/FileAccess.h"
#include "members/MemberRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

QString NativePath(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

bool HoldsMembers(const QByteArray& fileBytes)
{
    for (qsizetype at = 0; at + MemberRecordSize <= fileBytes.size(); at += MemberRecordSize)
        if (!IsFreeSlot(DecodeMemberRecord(fileBytes.constData() + at)))
            return true;
    return false;
}

Result<CarryOverOutcome> CarryOverMembersFile(const QString& beside, const QString& own, bool doneBefore)
{
    CarryOverOutcome out;
    out.settled = doneBefore;
    if (doneBefore || QFileInfo(beside).absoluteFilePath() == QFileInfo(own).absoluteFilePath())
        return out;
    const QFileInfo ownInfo(own);
    if (ownInfo.exists()) {
        // A link or a folder there was put by the user; a file that can't be
        // read is told by the members step, which can't use it either.
        if (ownInfo.isSymLink() || !ownInfo.isFile())
            return out;
        const Result<QByteArray> ownBytes = ReadWholeFile(own);
        if (!ownBytes)
            return out;
        if (HoldsMembers(*ownBytes)) {
            out.settled = true;
            return out;
        }
    }
    if (!QFileInfo(beside).isFile())
        return out;
    const Result<QByteArray> bytes = ReadWholeFile(beside);
    if (!bytes)
        return Failure{QStringLiteral("No se pudo leer el archivo de integrantes \"%1\", guardado junto al programa."
                                      "\r\r%2")
                           .arg(NativePath(beside), bytes.failure().text),
                       StyleError};
    if (!HoldsMembers(*bytes))
        return out; // nothing to carry over: the program goes on as for a new user
    const QString copyFailed = QStringLiteral("No se pudo copiar el archivo de integrantes \"%1\" a \"%2\".\r\r%3");
    QFile memberless(own);
    if (ownInfo.exists() && !memberless.remove())
        return Failure{copyFailed.arg(NativePath(beside), NativePath(own), FileErrorText(memberless)), StyleError};
    if (const Result<void> copied = WriteNewFile(own, *bytes); !copied)
        return Failure{copyFailed.arg(NativePath(beside), NativePath(own), copied.failure().text), StyleError};
    out.settled = true;
    out.told = QStringLiteral("Los integrantes guardados junto al programa, en \"%1\", se copiaron a \"%2\".\r\r"
                              "De ahora en adelante se leen y se guardan allí; el archivo original no se modificó.")
                   .arg(NativePath(beside), NativePath(own));
    return out;
}
