#include "platform/FileAccess.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

FileSpaceLimit& SpaceLimit()
{
    static FileSpaceLimit limit;
    return limit;
}

QString NoSpaceText() { return QStringLiteral("No queda espacio libre en el disco."); }

// The system errors a file operation of the program can meet.
constexpr int KnownErrors[] = {
    ENOSPC, EACCES, EPERM, EROFS, EISDIR, ENOENT, ENOTDIR, EIO, EFBIG, EMFILE, ENFILE, EBUSY, ENAMETOOLONG,
    EEXIST, EINVAL, ENXIO,
#ifdef EDQUOT
    EDQUOT,
#endif
#ifdef ETXTBSY
    ETXTBSY,
#endif
#ifdef ELOOP
    ELOOP,
#endif
};

} // namespace

QString SystemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC: return NoSpaceText();
#ifdef EDQUOT
    case EDQUOT: return QStringLiteral("Se agotó el espacio en disco asignado al usuario.");
#endif
    case EACCES:
    case EPERM: return QStringLiteral("No tiene permiso para usar el archivo.");
    case EROFS: return QStringLiteral("El disco es de solo lectura.");
    case EISDIR: return QStringLiteral("Es una carpeta, no un archivo.");
    case ENOENT: return QStringLiteral("El archivo o su carpeta no existe.");
    case ENOTDIR: return QStringLiteral("Una parte de la ruta no es una carpeta.");
    case EIO: return QStringLiteral("Error de lectura o escritura en el disco.");
    case EFBIG: return QStringLiteral("El archivo es demasiado grande.");
    case EMFILE:
    case ENFILE: return QStringLiteral("Hay demasiados archivos abiertos.");
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return QStringLiteral("El archivo está en uso.");
    case ENAMETOOLONG: return QStringLiteral("El nombre del archivo es demasiado largo.");
#ifdef ELOOP
    case ELOOP: return QStringLiteral("Hay demasiados enlaces simbólicos en la ruta.");
#endif
    case EEXIST: return QStringLiteral("El archivo ya existe.");
    case EINVAL: return QStringLiteral("La operación no es válida para este archivo.");
    case ENXIO: return QStringLiteral("El archivo no es un archivo común (por ejemplo, una tubería sin lector).");
    default: return {};
    }
}

QString FileErrorText(const QFileDevice& file)
{
    // Qt keeps the system's text of the error number; find which number it was.
    const QString systemText = file.errorString();
    for (int e : KnownErrors)
        if (systemText == qt_error_string(e))
            return SystemErrorText(e);
    switch (file.error()) {
    case QFileDevice::ResourceError: return NoSpaceText(); // what a write reports for ENOSPC
    case QFileDevice::ReadError: return QStringLiteral("No se pudo leer el archivo.");
    case QFileDevice::WriteError: return QStringLiteral("No se pudo escribir el archivo.");
    case QFileDevice::OpenError: return QStringLiteral("No se pudo abrir el archivo.");
    case QFileDevice::PositionError: return QStringLiteral("No se pudo llegar a la posición pedida en el archivo.");
    case QFileDevice::ResizeError: return QStringLiteral("No se pudo cambiar el tamaño del archivo.");
    case QFileDevice::PermissionsError: return QStringLiteral("No tiene permiso para usar el archivo.");
    case QFileDevice::RemoveError:
    case QFileDevice::RenameError:
    case QFileDevice::CopyError: return QStringLiteral("No se pudo reemplazar el archivo.");
    default: return QStringLiteral("Error desconocido al usar el archivo.");
    }
}

Result<void> WriteAllBytes(QFileDevice& file, const QByteArray& bytes)
{
    qint64 length = bytes.size();
    if (const FileSpaceLimit& limit = SpaceLimit()) {
        const qint64 room = std::clamp<qint64>(limit(file.fileName(), length), 0, length);
        if (room < length) {
            if (room > 0)
                file.write(bytes.constData(), room);
            return Failure{NoSpaceText()};
        }
    }
    qint64 done = 0;
    while (done < length) {
        const qint64 n = file.write(bytes.constData() + done, length - done);
        if (n <= 0)
            return Failure{FileErrorText(file)};
        done += n;
    }
    return {};
}

Result<void> SyncToDisk(QFileDevice& file)
{
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        const QString reason = SystemErrorText(errno);
        return Failure{reason.isEmpty() ? QStringLiteral("No se pudo escribir el archivo.") : reason};
    }
#else
    Q_UNUSED(file);
#endif
    return {};
}

Result<void> WriteNewFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    // NewOnly creates with O_EXCL, which also refuses a symbolic link in the way.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered, PrivateFilePermissions))
        return Failure{FileErrorText(file)};
    Result<void> written = WriteAllBytes(file, bytes);
    if (written)
        written = SyncToDisk(file);
    file.close();
    if (written) {
        QFile back(path);
        if (!back.open(QIODevice::ReadOnly) || back.readAll() != bytes)
            written = Failure{QStringLiteral("La copia no coincide con el archivo original.")};
    }
    if (!written)
        file.remove();
    return written;
}

void SetFileSpaceLimit(FileSpaceLimit limit) { SpaceLimit() = std::move(limit); }

Result<QByteArray> ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{FileErrorText(file)};
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return Failure{FileErrorText(file)};
    return bytes;
}
