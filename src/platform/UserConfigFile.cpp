#include "platform/UserConfigFile.h"

#include <QFileInfo>
#include <QSettings>

namespace {
// A name no file is kept under: constructing QSettings for it reads nothing,
// yet its file name shows the folder (which tests move with QSettings::setPath).
const QString ProbeOrganization = QStringLiteral("Zeltmark-config-folder-probe");
const QString ProbeApplication = QStringLiteral("probe");
} // namespace

QString UserConfigFile(const QString& organization, const QString& application)
{
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, ProbeOrganization, ProbeApplication);
    QString path = probe.fileName();
    const QString probeTail = ProbeOrganization + u'/' + ProbeApplication;
    const qsizetype at = path.lastIndexOf(probeTail);
    if (at < 0)
        return {};
    return path.replace(at, probeTail.size(), organization + u'/' + application);
}

bool IsAbsentOrRegularFile(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}
