// The main window's side of the roster sheet (full edition): choosing the
// file, telling why one can't be read, running the import preview, writing
// the export, and showing the members again after an import.
#include "members/AddMembers.h"
#include "members/CsvTable.h"
#include "members/MemberList.h"
#include "members/MembersStartup.h"
#include "members/MembersFile.h"
#include "app/ProgramMessage.h"
#include "members/RosterExport.h"
#include "members/RosterImportWindow.h"
#include "platform/SystemDateFormat.h"
#include "tendencies/TForm1.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString SheetFilter = QStringLiteral("Planillas CSV (*.csv *.txt);;Todos los archivos (*)");

QString NativePath(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

void TForm1::ImportRoster()
{
    const QString title = QStringLiteral("Importar desde planilla (CSV)");
    const QString sheet = gral_.platform.chooseOpenFile(title, QDir::homePath(), SheetFilter, false);
    if (sheet.isEmpty())
        return;
    const Result<CsvTable> table = ReadCsvFile(sheet);
    if (!table) {
        ProgramMessage(gral_,
                       QStringLiteral("No se puede importar la planilla \"%1\".\r\r%2\r\rNo se agregó ningún integrante.")
                           .arg(NativePath(sheet), table.failure().text),
                       StyleExclamation);
        return;
    }
    const QString membersPath = MembersFilePath(gral_.environment);
    const Result<MemberKeys> members = ReadMemberKeys(membersPath);
    if (!members) {
        ProgramMessage(gral_,
                       QStringLiteral("No se pudo leer el archivo de integrantes \"%1\".\r\r%2")
                           .arg(NativePath(membersPath), members.failure().text),
                       StyleError);
        return;
    }
    RosterImportWindow window(*table, sheet, *members, membersPath, gral_.environment.systemDateFormat.text(),
                              gral_.platform, this);
    if (RunModal(gral_, window) != QDialog::Accepted)
        return;
    // Told from this window, once the preview is gone, so the keyboard comes back here.
    const AddedMembers& outcome = window.importOutcome();
    QString text = outcome.added == 1 ? QStringLiteral("Se agregó 1 integrante.")
                                      : QStringLiteral("Se agregaron %1 integrantes.").arg(outcome.added);
    if (outcome.alreadyMembers > 0)
        text += QStringLiteral("\r\r%1 de las filas ya estaban en el archivo de integrantes (agregadas mientras "
                               "se revisaba la planilla) y no se repitieron.")
                    .arg(outcome.alreadyMembers);
    if (outcome.added > 0 && !DateFormatChanged(gral_))
        ReloadMembers();
    ProgramMessage(gral_, text, StyleInformation);
}

void TForm1::ExportRoster()
{
    const QString title = QStringLiteral("Exportar a planilla (CSV)");
    QString sheet = gral_.platform.chooseSaveFile(title, QDir::homePath() + QStringLiteral("/Integrantes.csv"),
                                                  SheetFilter);
    if (sheet.isEmpty())
        return;
    if (QFileInfo(sheet).suffix().isEmpty())
        sheet += QStringLiteral(".csv");
    if (!ReplaceConfirmed(gral_.platform, sheet))
        return;
    const Result<int> exported = ::ExportRoster(MembersFilePath(gral_.environment), sheet);
    if (!exported) {
        ProgramMessage(gral_, exported.failure());
        return;
    }
    const QString told = *exported == 1
        ? QStringLiteral("Se exportó 1 integrante a \"%1\".").arg(NativePath(sheet))
        : QStringLiteral("Se exportaron %1 integrantes a \"%2\".").arg(*exported).arg(NativePath(sheet));
    ProgramMessage(gral_, told, StyleInformation);
}

void TForm1::ReloadMembers()
{
    MembersFile file(MembersFilePath(gral_.environment));
    if (!file.openExisting())
        return; // the member box keeps what it showed; the next reading of the file tells the failure
    const bool loaded = LoadMembersOrPurge(gral_, file);
    file.close(); // a no-op when a purge closed it already
    if (!loaded) {
        RequestQuit(gral_); // a damaged file was purged: the program ends, as after the members window
        return;
    }
    FillMemberBox(true);
    FollowTeam(true);
}
