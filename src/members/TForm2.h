#pragma once
// The members window: lists, adds, changes and deletes team members, working
// on "Fechas.dat" through the one members file handle, which it keeps open
// while shown. Closing it rebuilds MemberList.
#include "app/Gral.h"
#include "members/MembersFile.h"

#include <QDate>
#include <QDialog>
#include <optional>

#include "widgets/DatePicker.h"
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;
class MemberListView;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(Gral& gral, QWidget* parent = nullptr);
    ~TForm2() override;

    // True when the fields describe a member not stored yet ("&Guardar" adds).
    bool newMemberMode() const { return newMemberMode_; }

    void done(int result) override;

    MemberListView* List1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    DatePicker* DateTime1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();
    void Form2_Create();
    void Form2_Close();
    void Button1_Click(QObject* sender);
    void List1_KeyUp();
    void List1_MouseUp();

    void fillList();
    void loadEntry(QTreeWidgetItem* item);
    void save();
    std::optional<QDate> confirmedBirthDate();
    void deleteMember();
    void newMember();
    void rememberMember();
    QString keyDateText(const QString& listDateText) const;
    RecordSearch entryRecord(const QTreeWidgetItem* entry);
    void reportFileError(const Failure& failure);
    void reportChangedOutside(const QString& name, const QString& whatWasNotDone);

    Gral& gral_;
    MembersFile file_;
    bool newMemberMode_ = true;
    bool closed_ = false;
    bool centred_ = false;
};
