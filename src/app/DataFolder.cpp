#include "DataFolder.h"
#include "ProgramMessage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

void ReportFolderFailure(const Gral& gral, const QString& folder)
{
    const QString shown = folder.isEmpty() ? QStringLiteral("(ninguna)") : QDir::toNativeSeparators(folder);
    ProgramMessage(gral,
                   QStringLiteral("No se pudo crear la carpeta \"%1\", donde se guardan los datos de los "
                                  "integrantes.\r\rCompruebe que pueda escribir en ella y luego vuelva a ejecutar "
                                  "\"Zeltmark - Pronos\".")
                       .arg(shown),
                   StyleError);
}

// Copies the file beside the executable into the data folder. QFile::copy
// writes a temporary file and renames it, so a failed copy leaves nothing.
bool CarryOver(const Gral& gral, const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.copy(to)) {
        ProgramMessage(gral,
                       QStringLiteral("No se pudo copiar el archivo de integrantes \"%1\" a \"%2\".\r\r%3")
                           .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), source.errorString()),
                       StyleError);
        return false;
    }
    // The copy is the user's own file from now on, whatever the installed one allowed.
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    ProgramMessage(gral,
                   QStringLiteral("Los integrantes guardados junto al programa, en \"%1\", se copiaron a \"%2\".\r\r"
                                  "De ahora en adelante se leen y se guardan allí; el archivo original no se "
                                  "modificó.")
                       .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to)),
                   StyleInformation);
    return true;
}

} // namespace

QString UserDataFolder(const QString& programFolder)
{
#ifdef Q_OS_WIN
    return programFolder;
#else
    Q_UNUSED(programFolder);
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (shared.isEmpty())
        return {};
    return QDir::cleanPath(shared + QStringLiteral("/Zeltmark/Pronos")) + u'/';
#endif
}

bool PrepareDataFolder(Gral& gral, const QString& fileName)
{
    gral.environment.dataFolder = UserDataFolder(gral.environment.programFolder);
    if (gral.environment.dataFolder.isEmpty() || !QDir().mkpath(gral.environment.dataFolder)) {
        ReportFolderFailure(gral, gral.environment.dataFolder);
        return false;
    }
    const QString beside = gral.environment.programFolder + fileName;
    const QString own = gral.environment.dataFolder + fileName;
    if (!QFileInfo::exists(own) && QFileInfo(beside).isFile())
        return CarryOver(gral, beside, own);
    return true;
}
