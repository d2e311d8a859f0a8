#pragma once
// A real, small file system for the tests of a full or read-only disk: a
// tmpfs of a few pages mounted on a temporary folder (root only), unmounted
// when the object goes. fill() takes every free byte, so the next write that
// needs a new page fails with "no space left"; makeReadOnly() refuses every
// write.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

class SmallDisk {
public:
    explicit SmallDisk(int kibibytes = 64)
    {
#ifdef Q_OS_LINUX
        if (::geteuid() != 0) {
            why_ = QStringLiteral("mounting a small tmpfs needs root");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
        if (!dir_.isValid()
            || ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, options.constData()) != 0) {
            why_ = QStringLiteral("tmpfs could not be mounted here (no mount permission in this container)");
            return;
        }
        mounted_ = true;
#else
        Q_UNUSED(kibibytes);
        why_ = QStringLiteral("tmpfs is a Linux file system");
#endif
    }
    ~SmallDisk()
    {
#ifdef Q_OS_LINUX
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
#endif
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Why the disk is not there (for QSKIP).
    QString whyNot() const { return why_; }
    // The mounted folder, ending in '/'.
    QString folder() const { return dir_.path() + u'/'; }

    // Mounts the disk again read-only: what is on it stays readable, nothing
    // can be written, not even by root.
    bool makeReadOnly()
    {
#ifdef Q_OS_LINUX
        return mounted_ && ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs",
                                   MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
        return false;
#endif
    }

    // Writes a filler file until the disk takes no more bytes.
    bool fill()
    {
        QFile filler(folder() + QStringLiteral("filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) {
        }
        while (filler.write("f", 1) == 1) {
        }
        return true;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString why_;
};
