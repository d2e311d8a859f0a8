#include "pronos-snapshot/DemoSetup.h"
#include "core/DayNumber.h"
#include "members/MembersFile.h"
#include "settings/SettingsStore.h"

#include <QSettings>

namespace {
const char* const Names[] = {
    "ACOSTA, MARTÍN",    "BENÍTEZ, LUCAS",     "CABRERA, DIEGO",    "DOMÍNGUEZ, PABLO",  "ESPINOZA, TOMÁS",
    "FERNÁNDEZ, JUAN",   "GIMÉNEZ, NICOLÁS",   "HERRERA, MATÍAS",   "IBARRA, FACUNDO",   "JUÁREZ, AGUSTÍN",
    "LEDESMA, BRUNO",    "MOLINA, SANTIAGO",   "NÚÑEZ, GONZALO",    "ORTIZ, EMILIANO",   "PERALTA, JOAQUÍN",
    "QUIROGA, IGNACIO",  "RÍOS, FRANCO",       "SOSA, MAXIMILIANO", "TORRES, VALENTÍN",  "URQUIZA, LAUTARO",
    "VEGA, RAMIRO",      "ZAPATA, ESTEBAN",    "AGUIRRE, RODRIGO",  "BRAVO, CRISTIAN",   "CASTRO, ALEJANDRO",
    "DÍAZ, FEDERICO",    "ESCOBAR, GASTÓN",    "FLORES, HERNÁN",    "GODOY, SEBASTIÁN",  "LUNA, EZEQUIEL",
};
} // namespace

bool WriteDemoMembers(const QString& folder, int count)
{
    MembersFile file(folder + MembersFileName);
    if (!file.createEmpty())
        return false;
    const int names = int(std::size(Names));
    for (int i = 0; i < count; ++i) {
        MemberRecord record;
        QString name = QString::fromUtf8(Names[i % names]);
        if (i >= names)
            name += QStringLiteral(" %1").arg(i / names + 1);
        record.fullName = name;
        record.birthDate = DayNumberFromDate(QDate(1975 + (i * 7) % 25, 1 + (i * 5) % 12, 1 + (i * 11) % 28));
        record.remarks = QStringLiteral("Integrante de ejemplo");
        if (!StoreNewMember(file, record))
            return false;
    }
    file.close();
    return true;
}

void StoreDemoRegion(const QString& member)
{
    SettingsStore store;
    store.setRegionLine(24);
    store.setZoneIndex(13);
    store.setZoneOffset(ZoneOffsetFor(13, false));
    store.setDaylightSaving(false);
    store.setZoneText(QStringLiteral("(GMT+01:00) Bruselas, Copenhague, Madrid, París, Vilnius"));
    if (!member.isEmpty())
        store.setMember(member);
}

void RedirectSettings(const QString& folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder + "/config");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder + "/config");
    QSettings international(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Control Panel"),
                            QStringLiteral("International"));
    international.setValue(QStringLiteral("sShortDate"), QStringLiteral("dd/MM/yyyy"));
    international.sync();
}
