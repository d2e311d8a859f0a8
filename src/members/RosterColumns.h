#pragma once
// Which columns of a roster sheet hold what. A header row is recognised by
// its titles, case and accents ignored: the whole name ("Apellidos y
// Nombres", "Nombres y Apellidos", "Nombre y Apellido") or surname and given
// names in two columns ("Apellido(s)", "Nombre(s)"), the birth date ("Fecha
// de nacimiento", "Fecha Nac.", "Nacimiento") and the remarks
// ("Observaciones"). Without one, the preview lets the user choose.
#include <QStringList>

struct RosterColumns {
    int name = -1;       // the whole name, or the surnames when givenNames is set
    int givenNames = -1; // a separate column of given names, joined "SURNAME, GIVEN"
    int birthDate = -1;
    int remarks = -1;
    bool header = false; // the first record holds titles and is not imported

    bool operator==(const RosterColumns&) const = default;
};

// A title reduced to what is compared: lower case, accents and punctuation
// gone, blanks simplified ("Fecha Nac." -> "fecha nac").
QString NormalisedTitle(const QString& title);

// The columns the first record names, with header set; when it names no name
// column, the plain guess for a sheet without titles (name, date, remarks in
// the first three columns, as far as there are columns).
RosterColumns RecogniseRosterColumns(const QStringList& firstRecord, int columnCount);
