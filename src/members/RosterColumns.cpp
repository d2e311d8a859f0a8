#include "members/RosterColumns.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool IsOneOf(const QString& title, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return title == QLatin1String(n); });
}

} // namespace

QString NormalisedTitle(const QString& title)
{
    const QString decomposed = title.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.isMark())
            continue; // the accent of a decomposed letter
        out.append(c.isLetterOrNumber() ? c.toLower() : QChar(u' '));
    }
    return out.simplified();
}

RosterColumns RecogniseRosterColumns(const QStringList& firstRecord, int columnCount)
{
    RosterColumns found;
    int surnames = -1;
    for (int i = 0; i < firstRecord.size(); ++i) {
        const QString title = NormalisedTitle(firstRecord[i]);
        if (IsOneOf(title, {"apellidos y nombres", "apellido y nombre", "nombres y apellidos", "nombre y apellido",
                            "nombre y apellidos", "apellidos y nombre", "nombre completo"}))
            found.name = found.name < 0 ? i : found.name;
        else if (IsOneOf(title, {"apellido", "apellidos", "apellido s"}))
            surnames = surnames < 0 ? i : surnames;
        else if (IsOneOf(title, {"nombre", "nombres", "nombre s"}))
            found.givenNames = found.givenNames < 0 ? i : found.givenNames;
        else if (IsOneOf(title, {"fecha de nacimiento", "fecha nacimiento", "fecha nac", "nacimiento",
                                 "fec nac", "f nac"}))
            found.birthDate = found.birthDate < 0 ? i : found.birthDate;
        else if (IsOneOf(title, {"observaciones", "observacion", "obs"}))
            found.remarks = found.remarks < 0 ? i : found.remarks;
    }
    if (found.name >= 0) {
        found.givenNames = -1; // the whole name is there already
    } else if (surnames >= 0) {
        found.name = surnames;
    } else {
        found.name = found.givenNames; // one column of names, titled "Nombre"
        found.givenNames = -1;
    }
    if (found.name >= 0) {
        found.header = true;
        return found;
    }
    RosterColumns guess;
    guess.name = columnCount > 0 ? 0 : -1;
    guess.birthDate = columnCount > 1 ? 1 : -1;
    guess.remarks = columnCount > 2 ? 2 : -1;
    return guess;
}
