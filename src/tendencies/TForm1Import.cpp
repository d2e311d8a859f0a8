// The main window's side of "Importar integrantes..." (full edition): the
// members of another members file, such as an earlier installation's, added
// to the user's file after a backup (AddMembersToFile).
#include "members/AddMembers.h"
#include "members/MembersFile.h"
#include "members/MembersImport.h"
#include "app/ProgramMessage.h"
#include "platform/SystemDateFormat.h"
#include "tendencies/TForm1.h"

#include <QDir>

namespace {

QString NativePath(const QString& path) { return QDir::toNativeSeparators(path); }

QString Counted(int count, const QString& one, const QString& many)
{
    return count == 1 ? one : many.arg(count);
}

} // namespace

void TForm1::ImportMembers()
{
    if (DateFormatChanged(gral_))
        return;
    const QString chosen = gral_.platform.chooseOpenFile(
        QStringLiteral("Importar integrantes"), EarlierMembersFile(QDir::homePath()),
        QStringLiteral("Archivos de integrantes (Fechas.dat *.dat);;Todos los archivos (*)"), true);
    if (chosen.isEmpty())
        return;
    const Result<MembersFileReading> read = ReadMembersToImport(chosen, gral_.environment.systemDateFormat);
    const MembersFileReading reading = read ? *read : MembersFileReading{};
    const QString damaged = reading.damaged == 0
        ? QString()
        : Counted(reading.damaged, QStringLiteral("\r\rUn registro está dañado y no se importará."),
                  QStringLiteral("\r\r%1 registros están dañados y no se importarán."));
    if (!read || reading.members.isEmpty()) {
        ProgramMessage(gral_,
                       QStringLiteral("No se puede importar \"%1\".\r\r%2%3\r\rNo se agregó ningún integrante.")
                           .arg(NativePath(chosen),
                                read ? QStringLiteral("No tiene ningún integrante.") : read.failure().text, damaged),
                       StyleExclamation);
        return;
    }
    const QString question =
        QStringLiteral("El archivo \"%1\" tiene %2.%3\r\rSe agregarán los que no estén ya entre los integrantes "
                       "(mismo nombre y fecha de nacimiento), después de una copia de seguridad del archivo de "
                       "integrantes.")
            .arg(NativePath(chosen),
                 Counted(int(reading.members.size()), QStringLiteral("1 integrante"), QStringLiteral("%1 integrantes")),
                 damaged);
    if (ProgramMessage(gral_, question, StyleOkCancel) != ResultOk)
        return;
    const Result<AddedMembers> outcome = AddMembersToFile(MembersFilePath(gral_.environment), reading.members);
    if (!outcome) {
        ProgramMessage(gral_, outcome.failure());
        return;
    }
    QString text = Counted(outcome->added, QStringLiteral("Se agregó 1 integrante."),
                           QStringLiteral("Se agregaron %1 integrantes."));
    if (outcome->alreadyMembers > 0)
        text += Counted(outcome->alreadyMembers, QStringLiteral(" 1 ya estaba entre los integrantes."),
                        QStringLiteral(" %1 ya estaban entre los integrantes."));
    if (outcome->added > 0 && !DateFormatChanged(gral_))
        ReloadMembers();
    ProgramMessage(gral_, text, StyleInformation);
}
