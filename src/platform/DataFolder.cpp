#include "platform/DataFolder.h"
#include "platform/FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace {

Failure FolderFailure(const QString& folder)
{
    const QString shown = folder.isEmpty() ? QStringLiteral("(ninguna)") : QDir::toNativeSeparators(folder);
    return Failure{QStringLiteral("No se pudo crear la carpeta \"%1\", donde se guardan los datos de los "
                                  "integrantes.\r\rCompruebe que pueda escribir en ella y luego vuelva a ejecutar "
                                  "\"Zeltmark - Pronos\".")
                       .arg(shown),
                   StyleError};
}

// Creates each missing folder of `path` for the owner alone: the members'
// names and birth dates are nobody else's business. Folders that exist keep
// the modes they have.
bool MakePrivateFolder(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    if (QFileInfo(clean).isDir())
        return true;
    const QString parent = QFileInfo(clean).path();
    if (parent == clean || !MakePrivateFolder(parent))
        return false;
    return QDir().mkdir(clean, PrivateFolderPermissions) || QFileInfo(clean).isDir();
}

// The raw bytes of the path the data folder lies under, as the system gives
// them: $XDG_DATA_HOME, else $HOME/.local/share.
QByteArray RawDataHome()
{
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (dataHome.startsWith('/'))
        return dataHome;
    return qgetenv("HOME") + "/.local/share";
}

bool IsUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

Failure UndecodableFolder(const QByteArray& folder)
{
    return Failure{QStringLiteral("No se puede usar la carpeta \"%1\", donde se guardan los datos de los "
                                  "integrantes: su nombre tiene caracteres que \"Zeltmark - Pronos\" no puede "
                                  "leer (no está escrito en UTF-8).\r\rCambie el nombre de la carpeta, o la "
                                  "variable XDG_DATA_HOME, y luego vuelva a ejecutar \"Zeltmark - Pronos\".")
                       .arg(QString::fromUtf8(folder)),
                   StyleError};
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

void SettleXdgBaseFolders()
{
    // A relative path is invalid for the XDG base-directory rules and must be
    // ignored; Qt would take it from the current folder.
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        if (qEnvironmentVariableIsSet(name) && !qgetenv(name).startsWith('/'))
            qunsetenv(name);
}

Result<void> PrepareDataFolder(Environment& environment)
{
#ifndef Q_OS_WIN
    // Qt reads paths as UTF-8 and would make up another folder from one that isn't.
    if (const QByteArray home = RawDataHome(); !IsUtf8(home))
        return UndecodableFolder(home);
#endif
    environment.dataFolder = UserDataFolder(environment.programFolder);
    if (environment.dataFolder.isEmpty() || !MakePrivateFolder(environment.dataFolder))
        return FolderFailure(environment.dataFolder);
    return {};
}
