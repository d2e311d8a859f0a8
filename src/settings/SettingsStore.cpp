#include "settings/SettingsStore.h"
#include "core/Edition.h"
#include "platform/UserConfigFile.h"

#include <QSettings>

namespace {
const QString Organization = QStringLiteral("Zeltmark");

#ifndef Q_OS_WIN
// The INI file, unless something other than a regular file (a FIFO, a
// folder) sits in its place: then a path below the null device, where there
// is nothing to read and nothing can be written, so every value reads as
// absent and commit() fails.
QString UsableStorePath(const QString& path)
{
    return IsAbsentOrRegularFile(path) ? path : QStringLiteral("/dev/null/settings.conf");
}
#endif
} // namespace

struct SettingsStore::Private {
    // Each edition keeps its own settings ("Pronos.Demo", "Pronos").
#ifdef Q_OS_WIN
    QSettings settings{QSettings::NativeFormat, QSettings::UserScope, Organization, CurrentEdition().settingsName};
    QString path = settings.fileName();
#else
    QString path = UserConfigFile(Organization, CurrentEdition().settingsName);
    QSettings settings{UsableStorePath(path), QSettings::IniFormat};
#endif
};

namespace {
const QString KeyGmt = QStringLiteral("GMT");
const QString KeyPosMap = QStringLiteral("PosMap");
const QString KeyUbMapa = QStringLiteral("UBMapa");
const QString KeyDaylight = QStringLiteral("Hora verano");
const QString KeyZone = QStringLiteral("Zona");
const QString KeyZoneName = QStringLiteral("Zona horaria");
const QString KeyMember = QStringLiteral("Integrante");
const QString KeyCarriedOver = QStringLiteral("Integrantes copiados");
QString ColourKey(int level) { return QStringLiteral("Color%1").arg(level); }
} // namespace

SettingsStore::SettingsStore() : d(std::make_unique<Private>()) {}

// Whatever was set and not committed is still written; a failure here has
// nobody left to tell (commit() is how a write is checked).
SettingsStore::~SettingsStore()
{
    d->settings.sync();
}

std::optional<int> SettingsStore::readInteger(const QString& key, int min, int max) const
{
    const QVariant v = d->settings.value(key);
    if (!v.isValid())
        return std::nullopt;
    bool ok = false;
    const qlonglong n = v.toString().trimmed().toLongLong(&ok);
    if (!ok || n < min || n > max)
        return std::nullopt;
    return int(n);
}

std::optional<int> SettingsStore::zoneOffset() const { return readInteger(KeyGmt, 0, 24); }
void SettingsStore::setZoneOffset(int offset) { d->settings.setValue(KeyGmt, offset); }
std::optional<int> SettingsStore::zoneIndex() const { return readInteger(KeyPosMap, 0, 24); }
void SettingsStore::setZoneIndex(int index) { d->settings.setValue(KeyPosMap, index); }
std::optional<int> SettingsStore::regionLine() const { return readInteger(KeyUbMapa, 0, 60); }
void SettingsStore::setRegionLine(int line) { d->settings.setValue(KeyUbMapa, line); }

std::optional<bool> SettingsStore::daylightSaving() const
{
    const QVariant v = d->settings.value(KeyDaylight);
    if (!v.isValid())
        return std::nullopt;
    bool ok = false;
    const qlonglong n = v.toString().trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return n != 0;
}
void SettingsStore::setDaylightSaving(bool on) { d->settings.setValue(KeyDaylight, on ? 1 : 0); }

QString SettingsStore::zoneText() const { return d->settings.value(KeyZone).toString(); }
bool SettingsStore::hasZoneText() const { return d->settings.contains(KeyZone); }
void SettingsStore::setZoneText(const QString& text) { d->settings.setValue(KeyZone, text); }
QString SettingsStore::zoneName() const { return d->settings.value(KeyZoneName).toString(); }
void SettingsStore::setZoneName(const QString& name) { d->settings.setValue(KeyZoneName, name); }

std::optional<QString> SettingsStore::member() const
{
    const QVariant v = d->settings.value(KeyMember);
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}
void SettingsStore::setMember(const QString& entry) { d->settings.setValue(KeyMember, entry); }

std::optional<ColourValue> SettingsStore::levelColour(int level) const
{
    const std::optional<int> v = readInteger(ColourKey(level), 0, 0xFFFFFF);
    if (!v)
        return std::nullopt;
    return ColourValue(*v);
}
void SettingsStore::setLevelColour(int level, ColourValue colour) { d->settings.setValue(ColourKey(level), int(colour)); }
void SettingsStore::setLevelColours(const LevelColorTable& colours)
{
    for (int level = 1; level <= 5; ++level)
        setLevelColour(level, colours[level - 1]);
}

bool SettingsStore::membersCarriedOver() const { return readInteger(KeyCarriedOver, 0, 1).value_or(0) == 1; }
void SettingsStore::setMembersCarriedOver() { d->settings.setValue(KeyCarriedOver, 1); }

void SettingsStore::remove(const QString& key) { d->settings.remove(key); }
QString SettingsStore::fileName() const { return d->path; }

bool SettingsStore::commit()
{
    d->settings.sync();
    return d->settings.status() == QSettings::NoError;
}
