#pragma once
// File errors as the user reads them, and the one routine through which the
// program writes the bytes of its data files.
//
// Qt's error texts come from the system (English under most locales, and
// "Unknown error" after a short write); they are never shown as they are:
// every failure is told in Spanish, by the system's error number when it is
// known and by the kind of operation otherwise. The routines' failures carry
// that reason alone; the caller names the file and what it was for.
#include "core/Result.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <functional>

// The Spanish text of a system error number (errno); empty when unknown.
QString SystemErrorText(int errorNumber);

// The Spanish text of the last failure of `file`.
QString FileErrorText(const QFileDevice& file);

// The whole of the file at `path` (a read that comes short of the file's size
// is a failure too).
Result<QByteArray> ReadWholeFile(const QString& path);

// Writes all of `bytes` at the device's position, going on after a short
// write until every byte is written or the system refuses one (a full disk
// often takes part of a write without an error).
Result<void> WriteAllBytes(QFileDevice& file, const QByteArray& bytes);

// Asks the system to put the bytes written to `file` on the disk: a full disk
// may only show here.
Result<void> SyncToDisk(QFileDevice& file);

// The modes of the files and the folder that hold the members' personal data
// when the program creates them: the owner's alone. Files and folders that
// already exist keep the modes their owner gave them.
constexpr QFileDevice::Permissions PrivateFilePermissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions PrivateFolderPermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// Writes `bytes` into a file created at `path` for the purpose (private
// modes). Nothing in the way is followed or replaced: an existing file, and
// a symbolic link even to nowhere, make it fail. The file is written
// unbuffered, synced and read back; when any of it fails the file is removed
// again.
Result<void> WriteNewFile(const QString& path, const QByteArray& bytes);

// Test seam around the file writes: when set, it is asked before each
// WriteAllBytes how many of `length` bytes the disk still takes for the file
// at `path`; fewer than `length` writes that many and then fails as on a
// full disk. An empty function (the default) lets every write through.
using FileSpaceLimit = std::function<qint64(const QString& path, qint64 length)>;
void SetFileSpaceLimit(FileSpaceLimit limit);
