#include "members/RosterPreview.h"
#include "members/Cp1252.h"
#include "core/DayNumber.h"
#include "members/RosterDate.h"

#include <QHash>
#include <algorithm>

namespace {

constexpr int ProgressStep = 500;

QString Cell(const QStringList& record, int column)
{
    return column >= 0 && column < record.size() ? CellText(record[column]) : QString();
}

// Line breaks and tabs inside a cell become blanks: the file keeps one line.
QString OneLine(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    return out.trimmed();
}

// The first character the members file can't hold, or an empty text.
QString FirstUnstorable(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size())
            return text.mid(i, 2);
        if (!IsCp1252Char(c.unicode()))
            return QString(c);
    }
    return {};
}

QString TooLong(const QString& what, qsizetype length, int capacity)
{
    return QStringLiteral("%1 de %2 caracteres (%3 de más)").arg(what).arg(length).arg(length - capacity);
}

void Classify(RosterRow& row, const QStringList& record, const RosterColumns& columns, const MemberKeys& members,
              QHash<QString, int>& earlier, const QString& pattern, QDate today)
{
    QString name = OneLine(Cell(record, columns.name)).simplified();
    if (columns.givenNames >= 0) {
        const QString given = OneLine(Cell(record, columns.givenNames)).simplified();
        name = name.isEmpty() ? given : given.isEmpty() ? name : name + QStringLiteral(", ") + given;
    }
    row.name = UpperCaseName(name);
    row.dateText = OneLine(Cell(record, columns.birthDate));
    row.remarks = OneLine(Cell(record, columns.remarks));

    auto set = [&row](RowOutcome outcome, const QString& detail = {}) {
        row.outcome = outcome;
        row.detail = detail;
    };
    if (std::all_of(record.begin(), record.end(), [](const QString& f) { return f.trimmed().isEmpty(); }))
        return set(RowOutcome::Empty);
    if (row.name.isEmpty())
        return set(RowOutcome::NoName, QStringLiteral("falta el nombre"));
    if (const QString c = FirstUnstorable(row.name + row.remarks); !c.isEmpty())
        return set(RowOutcome::NotStorable,
                   QStringLiteral("el carácter «%1» (U+%2) no se puede guardar")
                       .arg(c)
                       .arg(QString::number(c.at(0).isHighSurrogate() ? QChar::surrogateToUcs4(c[0], c[1])
                                                                      : c.at(0).unicode(),
                                            16)
                                .toUpper()
                                .rightJustified(4, u'0')));
    if (row.name.size() > NameCapacity)
        return set(RowOutcome::NameTooLong, TooLong(QStringLiteral("nombre"), row.name.size(), NameCapacity));
    if (row.remarks.size() > RemarksCapacity)
        return set(RowOutcome::RemarksTooLong,
                   TooLong(QStringLiteral("observaciones"), row.remarks.size(), RemarksCapacity));
    const Result<QDate> date = ReadRosterDate(row.dateText, pattern, today);
    if (!date)
        return set(RowOutcome::BadDate, date.failure().text);
    row.birthDate = DayNumberFromDate(*date);
    const QString key = MemberKey(row.name, row.birthDate);
    if (members.contains(key))
        return set(RowOutcome::AlreadyMember, QStringLiteral("mismo nombre y fecha de nacimiento"));
    if (const auto first = earlier.constFind(key); first != earlier.cend())
        return set(RowOutcome::Repeated, QStringLiteral("igual a la fila %1").arg(*first));
    earlier.insert(key, row.number);
    set(RowOutcome::Add);
}

} // namespace

QString RowOutcomeText(RowOutcome outcome)
{
    switch (outcome) {
    case RowOutcome::Add: return QStringLiteral("Se agrega");
    case RowOutcome::AlreadyMember: return QStringLiteral("Ya es integrante");
    case RowOutcome::Repeated: return QStringLiteral("Repetida");
    case RowOutcome::BadDate: return QStringLiteral("Fecha errónea");
    case RowOutcome::NameTooLong: return QStringLiteral("Nombre largo");
    case RowOutcome::RemarksTooLong: return QStringLiteral("Observaciones largas");
    case RowOutcome::NotStorable: return QStringLiteral("Carácter no admitido");
    case RowOutcome::NoName: return QStringLiteral("Sin nombre");
    case RowOutcome::Empty: return QStringLiteral("Vacía");
    }
    return {};
}

QList<MemberRecord> RosterPreview::membersToAdd() const
{
    QList<MemberRecord> out;
    for (const RosterRow& row : rows)
        if (row.outcome == RowOutcome::Add)
            out.append({row.birthDate, row.name, row.remarks});
    return out;
}

QString CellText(const QString& cell)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (cell.size() >= 2 && cell[0] == u'\'' && formulaStarts.contains(cell[1]))
        return cell.mid(1);
    return cell;
}

RosterPreview PreviewRoster(const QList<QStringList>& records, const RosterColumns& columns,
                            const MemberKeys& members, const QString& pattern, QDate today,
                            const std::function<void(int, int)>& progress)
{
    RosterPreview preview;
    QHash<QString, int> earlier; // the key of each row to add, and its row
    const int first = columns.header ? 1 : 0;
    const int total = int(records.size()) - first;
    preview.rows.reserve(std::max(total, 0));
    for (int i = first; i < records.size(); ++i) {
        RosterRow row;
        row.number = i + 1;
        Classify(row, records[i], columns, members, earlier, pattern, today);
        ++preview.counts[size_t(row.outcome)];
        preview.rows.append(std::move(row));
        if (progress && (i - first + 1) % ProgressStep == 0)
            progress(i - first + 1, total);
    }
    if (progress)
        progress(total, total);
    return preview;
}
