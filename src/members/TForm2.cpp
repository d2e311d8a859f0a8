#include "members/TForm2.h"
#include "members/BirthDateRule.h"
#include "core/DatePattern.h"
#include "widgets/DatePicker.h"
#include "help/HelpContext.h"
#include "help/HelpFile.h"
#include "members/MemberList.h"
#include "members/MemberListView.h"
#include "members/MembersStartup.h"
#include "app/ProgramMessage.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWrite.h"
#include "platform/SystemDateFormat.h"
#include "widgets/WindowKit.h"

#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace {

// Edit1: typed (and pasted) letters become upper case; nothing is refused.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = UpperCaseName(input);
        return Acceptable;
    }
};

QLabel* MakeLabel(QWidget* parent, const QString& text, QWidget* buddy, const char* name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPointSize(10);
    label->setFont(font);
    label->setBuddy(buddy);
    return label;
}

// The labels keep one size, a little below 10 points where the system's face
// is wider than the one the layout was drawn for, so that the right-aligned
// "Fecha de Nacimiento:" is not cut at the window's left edge.
void FitLabelFont(std::initializer_list<QLabel*> labels, const QLabel* widest)
{
    QFont font = widest->font();
    for (qreal size = font.pointSizeF(); size > 7; size -= 0.5) {
        font.setPointSizeF(size);
        const QString shown = QString(widest->text()).remove(u'&');
        if (QFontMetrics(font).horizontalAdvance(shown) <= widest->width())
            break;
    }
    for (QLabel* label : labels)
        label->setFont(font);
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const QRect& geometry, const char* name)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TForm2::TForm2(Gral& gral, QWidget* parent) : QDialog(parent), gral_(gral)
{
    buildLayout();
    Form2_Create();
}

TForm2::~TForm2() = default;

void TForm2::buildLayout()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Integrantes de Zeltmark - Pronos"));
    // A fixed frame with only Move and Close in its system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(708, 370);

    List1 = new MemberListView(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(12, 7, 685, 163);
    List1->setAccessibleName(QStringLiteral("Lista de integrantes"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(14, 210, 551, 19);
    Edit1->setMaxLength(NameCapacity);
    Edit1->setValidator(new UpperCaseValidator(Edit1));
    Label1 = MakeLabel(this,
                       QStringLiteral("N&ombres y Apellidos (Solo letras mayusculas sin acentos) (Max. 60 caracteres):"),
                       Edit1, "Label1");
    Label1->move(14, 191);
    Label1->adjustSize();

    DateTime1 = new DatePicker(this);
    DateTime1->setObjectName(QStringLiteral("DateTime1"));
    DateTime1->setGeometry(150, 248, 249, 24);
    DateTime1->setCalendarPopup(true);
    QFont pickerFont = DateTime1->font();
    pickerFont.setPointSize(10);
    DateTime1->setFont(pickerFont);
    Label2 = MakeLabel(this, QStringLiteral("&Fecha de Nacimiento:"), DateTime1, "Label2");
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setGeometry(6, 248, 140, 24);

    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(114, 291, 451, 19);
    Edit2->setMaxLength(RemarksCapacity);
    Label3 = MakeLabel(this, QStringLiteral("O&bservaciones:"), Edit2, "Label3");
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label3->setGeometry(6, 291, 104, 19);
    FitLabelFont({Label1, Label2, Label3}, Label2);
    Label1->adjustSize();

    Button1 = MakeButton(this, QStringLiteral("&Nuevo Integrante"), {582, 196, 115, 23}, "Button1");
    Button2 = MakeButton(this, QStringLiteral("&Guardar"), {582, 226, 115, 23}, "Button2");
    Button3 = MakeButton(this, QStringLiteral("&Eliminar"), {582, 256, 115, 23}, "Button3");
    Button4 = MakeButton(this, QStringLiteral("&Ayuda"), {582, 286, 115, 25}, "Button4");
    Button5 = MakeButton(this, QStringLiteral("&Cerrar"), {582, 336, 115, 25}, "Button5");
    QFont bold = Button5->font();
    bold.setBold(true);
    Button5->setFont(bold);

    QWidget::setTabOrder(Edit1, DateTime1);
    QWidget::setTabOrder(DateTime1, Edit2);
    QWidget::setTabOrder(Edit2, Button1);
    QWidget::setTabOrder(Button1, Button2);
    QWidget::setTabOrder(Button2, Button3);
    QWidget::setTabOrder(Button3, Button4);
    QWidget::setTabOrder(Button4, Button5);
    QWidget::setTabOrder(Button5, List1);

    SetHelpContext(this, HelpMembers);

    for (QPushButton* button : {Button1, Button2, Button3, Button4, Button5})
        connect(button, &QPushButton::clicked, this, [this, button] { Button1_Click(button); });
    connect(List1, &MemberListView::keyReleased, this, &TForm2::List1_KeyUp);
    connect(List1, &MemberListView::mouseReleased, this, &TForm2::List1_MouseUp);
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    CentreOnScreen(*this);
}

void TForm2::Form2_Create()
{
    file_.bind(MembersFilePath(gral_.environment));
    // A file that exists with bytes in it is never replaced by an empty one.
    if (!file_.openExisting() && (QFileInfo(file_.fileName()).size() > 0 || !file_.createEmpty()))
        reportFileError(MembersFileFailure(file_));

    gral_.members.memberSaved = false;
    DateTime1->setMinimumDate(EarliestBirthDate);
    DateTime1->setMaximumDate(gral_.platform.today());
    DateTime1->setDate(gral_.platform.today());
    newMemberMode_ = true;
    if (file_.isOpen() && file_.size() > 0) {
        fillList();
        newMemberMode_ = false;
    }
    // With nobody listed, the name field (first in the tab order) takes the typing.
    if (List1->topLevelItemCount() == 0)
        Edit1->setFocus();
    CheckHelpFile(gral_);
}

// Enter presses the focused button, as on the desktop's own dialogs; in the
// fields it does nothing, since the window has no default button. Escape does
// nothing either: only "&Cerrar" (or the close box) closes the window, so a
// stray Escape at the first run cannot end the program.
void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm2::done(int result)
{
    if (!closed_) {
        closed_ = true;
        Form2_Close();
    }
    QDialog::done(result);
}

void TForm2::Form2_Close()
{
    // A handle that never opened has nothing to read back: MemberList stays.
    if (!file_.isOpen())
        return;
    const bool loaded = LoadMembersOrPurge(gral_, file_);
    file_.close(); // a no-op when the purge closed it already
    if (!loaded)
        RequestQuit(gral_);
}

void TForm2::fillList()
{
    List1->clear();
    QList<QTreeWidgetItem*> entries;
    const bool read = file_.forEachRecord([&](qint64, const char* bytes) {
        const MemberRecord r = DecodeMemberRecord(bytes);
        if (!IsFreeSlot(r))
            entries.append(new MemberListItem(r.fullName, gral_.environment.systemDateFormat.format(r.birthDate), r.remarks));
        return true;
    });
    List1->addTopLevelItems(entries);
    if (!read)
        reportFileError(MembersFileFailure(file_));
    if (QTreeWidgetItem* first = List1->entry(0)) {
        List1->selectEntry(first);
        List1->setFocus();
        loadEntry(first);
    }
}

void TForm2::loadEntry(QTreeWidgetItem* item)
{
    Edit1->setText(item->text(0));
    if (const std::optional<double> day = gral_.environment.systemDateFormat.parse(item->text(1))) {
        // The picker shows the member's true date even when it lies outside
        // the range "&Nuevo Integrante" set, so a Save never stores another one.
        const QDate date = DateFromDayNumber(*day);
        if (date < DateTime1->minimumDate())
            DateTime1->setMinimumDate(date);
        if (date > DateTime1->maximumDate())
            DateTime1->setMaximumDate(date);
        DateTime1->setDate(date);
    }
    Edit2->setText(item->text(2));
}

void TForm2::Button1_Click(QObject* sender)
{
    if (sender == Button1)
        newMember();
    else if (sender == Button2)
        save();
    else if (sender == Button3)
        deleteMember();
    else if (sender == Button4)
        ShowHelp(gral_.platform, HelpMembers);
    else if (sender == Button5)
        close();
}

void TForm2::List1_KeyUp()
{
    if (QTreeWidgetItem* item = List1->selectedEntry())
        loadEntry(item);
}

void TForm2::List1_MouseUp()
{
    QTreeWidgetItem* item = List1->selectedEntry();
    if (!item) {
        item = List1->entry(List1->topLevelItemCount() - 1);
        if (!item)
            return;
        List1->selectEntry(item);
        List1->setFocus();
    }
    loadEntry(item);
}

void TForm2::newMember()
{
    Edit1->clear();
    const QDate today = gral_.platform.today();
    DateTime1->setMaximumDate(today);
    DateTime1->setDate(today);
    newMemberMode_ = true;
    Edit1->setFocus();
}

void TForm2::save()
{
    gral_.members.memberSaved = false;
    if (DateFormatChanged(gral_)) {
        close(); // the program is ending; the first-run window too, before the main loop runs
        return;
    }
    if (TrimName(Edit1->text()).isEmpty()) {
        ProgramMessage(gral_, QStringLiteral("No se ingresó \"Nombre y Apellido\"."), StyleExclamation);
        return;
    }
    MemberListItem* selected = List1->selectedEntry();
    if (!newMemberMode_ && !selected) {
        ProgramMessage(gral_, QStringLiteral("No se seleccionó ningun integrante de la lista."), StyleExclamation);
        return;
    }

    const std::optional<QDate> birth = confirmedBirthDate();
    if (!birth)
        return;

    // Names are compared as the file will hold them.
    const QString name = StoredText(Edit1->text(), NameCapacity);
    const QString remarks = StoredText(Edit2->text(), RemarksCapacity);
    const double birthDate = DayNumberFromDate(*birth);
    const QString dateText = gral_.environment.systemDateFormat.format(birthDate);

    qint64 own = 0;
    if (!newMemberMode_) {
        const RecordSearch found = entryRecord(selected);
        if (!found)
            return reportFileError(found.failure());
        if (!found->has_value())
            return reportChangedOutside(selected->text(0), QStringLiteral("no se guardó ningún cambio"));
        own = **found;
    }
    if (List1->topLevelItemCount() > 0 && file_.recordCount() > 0) {
        const RecordSearch duplicate = newMemberMode_
            ? FindDuplicateOfNew(file_, name, birthDate)
            : FindDuplicateOfChanged(file_, gral_.environment.systemDateFormat, UpperCaseName(name), dateText, own);
        if (!duplicate)
            return reportFileError(duplicate.failure());
        if (duplicate->has_value()) {
            ProgramMessage(gral_, QStringLiteral("Integrante \"%1\" ya existe.").arg(Edit1->text()),
                           StyleExclamation);
            return;
        }
    }

    const MemberRecord record{birthDate, Edit1->text(), Edit2->text()};
    if (newMemberMode_) {
        if (const Result<qint64> stored = StoreNewMember(file_, record); !stored)
            return reportFileError(stored.failure());
        auto* entry = new MemberListItem(name, dateText, remarks);
        List1->addTopLevelItem(entry);
        List1->selectEntry(entry);
    } else {
        if (!file_.write(own, record))
            return reportFileError(MembersFileFailure(file_));
        selected->setText(0, name);
        selected->setText(1, dateText);
        selected->setText(2, remarks);
        List1->selectEntry(selected);
    }
    DateTime1->setDate(*birth);
    rememberMember();
    newMemberMode_ = false;
    gral_.members.memberSaved = true;
}

// The birth date typed (or shown), read whole, when it exists and the members'
// rule allows it; otherwise the user is told why and the typed text stays.
std::optional<QDate> TForm2::confirmedBirthDate()
{
    const Result<QDate> entered = DateTime1->enteredDate();
    const Result<QDate> birth = entered ? CheckBirthDate(*entered, gral_.platform.today()) : entered;
    if (birth)
        return *birth;
    ProgramMessage(gral_, birth.failure());
    DateTime1->setFocus();
    return std::nullopt;
}

void TForm2::deleteMember()
{
    const int count = List1->topLevelItemCount();
    if (count == 0)
        return;
    if (count == 1) {
        ProgramMessage(gral_,
                       QStringLiteral("\"Zeltmark - Pronos\" necesita contar con al menos un integrante.\r\r"
                                      "Genere uno nuevo y luego elimine el que desee."),
                       StyleInformation);
        return;
    }
    QTreeWidgetItem* entry = List1->selectedEntry();
    if (!entry) {
        entry = List1->entry(0);
        List1->selectEntry(entry);
        List1->setFocus();
    }
    if (ProgramMessage(gral_, QStringLiteral("Confirme eliminar integrante \"%1\"...").arg(entry->text(0)),
                       StyleOkCancelDefault2)
        == ResultCancel)
        return;
    const RecordSearch found = entryRecord(entry);
    if (!found)
        return reportFileError(found.failure());
    if (!found->has_value())
        return reportChangedOutside(entry->text(0), QStringLiteral("no se eliminó"));
    if (const Result<void> freed = FreeMemberRecord(file_, **found); !freed)
        return reportFileError(freed.failure());
    delete entry;
    QTreeWidgetItem* first = List1->entry(0);
    List1->selectEntry(first);
    loadEntry(first);
    rememberMember();
}

// "Integrante" names the member the fields now show, as the main window lists it.
void TForm2::rememberMember()
{
    SettingsStore store;
    store.setMember(Edit1->text() + QStringLiteral(" - ") + gral_.environment.systemDateFormat.format(DayNumberFromDate(DateTime1->date())));
    SaveSettings(gral_, store);
}

// The record of a list entry, whole as the window read it: name in upper
// case, date text and remarks. A record that differs in any of them was
// changed by someone else since (another copy of the program), and writing
// over it would lose that change. A name stored in lower case (written by
// something else) is found as shown, so its change or deletion is not
// silently lost.
RecordSearch TForm2::entryRecord(const QTreeWidgetItem* entry)
{
    const QString name = entry->text(0);
    const QString dateText = keyDateText(entry->text(1));
    const QString remarks = entry->text(2);
    const DatePattern& pattern = gral_.environment.systemDateFormat;
    RecordSearch found = FindMemberRecord(file_, pattern, UpperCaseName(name), dateText, remarks);
    if (!found || found->has_value() || UpperCaseName(name) == name)
        return found;
    return FindMemberRecord(file_, pattern, name, dateText, remarks);
}

// A list date text written again with the program's date pattern.
QString TForm2::keyDateText(const QString& listDateText) const
{
    const std::optional<double> day = gral_.environment.systemDateFormat.parse(listDateText);
    return day ? gral_.environment.systemDateFormat.format(*day) : QString();
}

void TForm2::reportFileError(const Failure& failure)
{
    ProgramMessage(gral_, failure);
}

// The entry's record is no longer in the file as listed: another copy of the
// program (or something else) changed or removed it. Nothing is written; the
// list is read again so it shows what the file holds.
void TForm2::reportChangedOutside(const QString& name, const QString& whatWasNotDone)
{
    ProgramMessage(gral_,
                   QStringLiteral("El integrante \"%1\" fue modificado o eliminado fuera del programa "
                                  "(quizás por otra copia de \"Zeltmark - Pronos\"), por lo que %2.\r\r"
                                  "La lista se volverá a leer del archivo.")
                       .arg(name, whatWasNotDone),
                   StyleExclamation);
    fillList();
}
