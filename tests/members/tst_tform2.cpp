#include "help/HelpContext.h"
#include "members/MemberList.h"
#include "members/MemberListView.h"
#include "members/MembersFile.h"
#include "members/MembersTestFiles.h"
#include "members/MembersTestFixture.h"
#include "settings/SettingsStore.h"
#include "members/TForm2.h"
#include "support/TestSupport.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <limits>

// Types text key by key (QTest::keyClicks takes ASCII only).
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// The members window driven as a user would, with messages answered by the recorder.
class TestTForm2 : public QObject, private MembersTestFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void layout();
    void tabOrder();
    void firstRunTypingAndEnter();
    void firstRunAddsAndSelects();
    void freeSlotsNeedNewMember();
    void duplicateOfNew_data();
    void duplicateOfNew();
    void newEntryWithSharedNameIsSelected();
    void duplicateOfChanged();
    void unchangedSaveAndChange();
    void deleteLastRefused();
    void deleteProposesFirstSorted();
    void deleteCancelled();
    void newMemberKeepsRemarks();
    void closeDiscardsEdits();
    void damagedOnCloseEndsProgram();
    void clickOnEmptyAreaSelectsLast();
    void sortedByLocale();
    void lowerCaseStoredName();
    void dateFormatChangeStopsSave();
    void helpButton();

private:
    QString path() const { return folder_ + MembersFileName; }
    QStringList captions(const TForm2& w) const;
    QString storedMember() const { return SettingsStore().member().value_or(QString()); }
};

void TestTForm2::initTestCase()
{
    // Names sort as a Spanish user expects, whatever the test machine's locale.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}

void TestTForm2::init()
{
    ResetFixture();
    gral_.environment.helpFile = folder_ + u"Pronos.hlp"_qs; // checked once already
}

QStringList TestTForm2::captions(const TForm2& w) const
{
    QStringList out;
    for (int i = 0; i < w.List1->topLevelItemCount(); ++i)
        out << w.List1->topLevelItem(i)->text(0);
    return out;
}

void TestTForm2::layout()
{
    TForm2 w(gral_);
    QCOMPARE(w.windowTitle(), u"Integrantes de Zeltmark - Pronos"_qs);
    QCOMPARE(w.size(), QSize(708, 370));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(w.List1->geometry(), QRect(12, 7, 685, 163));
    QCOMPARE(w.List1->headerItem()->text(0), u"Apellidos y Nombres"_qs);
    QCOMPARE(w.List1->headerItem()->text(1), u"Fecha Nac."_qs);
    QCOMPARE(w.List1->headerItem()->text(2), u"Observaciones"_qs);
    QCOMPARE(w.List1->columnWidth(0), 290);
    QCOMPARE(w.List1->columnWidth(1), 90);
    QCOMPARE(w.List1->columnWidth(2), 270);
    QCOMPARE(w.List1->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(w.List1->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(w.Edit1->maxLength(), 60);
    QCOMPARE(w.Edit2->maxLength(), 80);
    QCOMPARE(w.DateTime1->minimumDate(), QDate(1800, 1, 1));
    QCOMPARE(w.Label1->text(), u"N&ombres y Apellidos (Solo letras mayusculas sin acentos) (Max. 60 caracteres):"_qs);
    QCOMPARE(w.Label2->text(), u"&Fecha de Nacimiento:"_qs);
    QCOMPARE(w.Label3->text(), u"O&bservaciones:"_qs);
    QCOMPARE(w.Label1->buddy(), w.Edit1);
    QCOMPARE(w.Label2->buddy(), w.DateTime1);
    QCOMPARE(w.Label3->buddy(), w.Edit2);
    const QStringList buttons{u"&Nuevo Integrante"_qs, u"&Guardar"_qs, u"&Eliminar"_qs, u"&Ayuda"_qs, u"&Cerrar"_qs};
    const QList<QPushButton*> controls{w.Button1, w.Button2, w.Button3, w.Button4, w.Button5};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(controls[i]->text(), buttons[i]);
    QVERIFY(w.Button5->font().bold());
    for (QWidget* c : std::initializer_list<QWidget*>{w.List1, w.Edit1, w.DateTime1, w.Edit2, w.Button1, w.Button2,
                                                     w.Button3, w.Button4, w.Button5})
        QCOMPARE(HelpContextOf(c), 3);

    // The right-aligned labels show their whole text inside their place.
    for (QLabel* label : {w.Label2, w.Label3})
        QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
    QVERIFY(w.Label2->geometry().right() < w.DateTime1->x());

    Type(w.Edit1, u"pérez juan ñ1"_qs);
    QCOMPARE(w.Edit1->text(), u"PÉREZ JUAN Ñ1"_qs);
}

void TestTForm2::tabOrder()
{
    TForm2 w(gral_);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.Edit1->setFocus();
    const QList<QWidget*> order{w.DateTime1, w.Edit2, w.Button1, w.Button2, w.Button3, w.Button4, w.Button5,
                                w.List1, w.Edit1};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus == next || next->isAncestorOf(focus), qPrintable(next->objectName()));
    }
}

void TestTForm2::firstRunTypingAndEnter()
{
    TForm2 w(gral_);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.Edit1); // nobody listed: the name is typed at once

    QTest::keyClicks(QApplication::focusWidget(), "ROJAS ANA");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // no default button: nothing
    QVERIFY(!gral_.members.memberSaved);
    QCOMPARE(w.List1->topLevelItemCount(), 0);

    w.Button2->setFocus();
    QTest::keyClick(w.Button2, Qt::Key_Return); // Enter presses the focused button
    QVERIFY(messages_->messages().isEmpty());
    QVERIFY(gral_.members.memberSaved);
    QCOMPARE(captions(w), QStringList{u"ROJAS ANA"_qs});
    QVERIFY(w.isVisible());
}

void TestTForm2::firstRunAddsAndSelects()
{
    TForm2 w(gral_);
    w.show();
    QVERIFY(QFile::exists(path()));
    QVERIFY(w.newMemberMode());
    QVERIFY(w.Edit1->text().isEmpty());
    QCOMPARE(w.DateTime1->date(), QDate::currentDate());
    QCOMPARE(w.List1->topLevelItemCount(), 0);

    w.Edit1->setText(u"   "_qs); // a name of blanks only is no name
    w.Button2->click();
    QCOMPARE(messages_->texts(), QStringList{u"No se ingresó \"Nombre y Apellido\"."_qs});
    QCOMPARE(messages_->messages()[0].style, 48);
    QVERIFY(!gral_.members.memberSaved);
    QCOMPARE(QFileInfo(path()).size(), qint64(0));
    messages_->clear();
    w.Edit1->clear();

    Type(w.Edit1, u"garcía luis"_qs);
    w.DateTime1->setDate(QDate(1980, 5, 5));
    w.Edit2->setText(u"Arquero"_qs);
    w.Button2->click();
    QVERIFY(messages_->messages().isEmpty());
    QVERIFY(gral_.members.memberSaved);
    QVERIFY(!w.newMemberMode());
    QCOMPARE(QFileInfo(path()).size(), qint64(152));
    QCOMPARE(w.List1->topLevelItemCount(), 1);
    QCOMPARE(w.List1->selectedEntry(), w.List1->entry(0));
    QCOMPARE(storedMember(), u"GARCÍA LUIS - 05/05/1980"_qs);

    w.Button5->click();
    QCOMPARE(gral_.members.memberList, QStringList{MemberListLine(u"05/05/1980"_qs, u"GARCÍA LUIS"_qs)});
}

void TestTForm2::freeSlotsNeedNewMember()
{
    const QByteArray bytes = Records({FreeSlotRecord(), FreeSlotRecord()});
    QVERIFY(WriteBytes(path(), bytes));
    TForm2 w(gral_);
    QVERIFY(!w.newMemberMode());
    QCOMPARE(w.List1->topLevelItemCount(), 0);
    w.Edit1->setText(u"NADIE"_qs);
    for (int i = 0; i < 2; ++i) {
        w.Button2->click();
        QCOMPARE(messages_->texts(), QStringList{u"No se seleccionó ningun integrante de la lista."_qs});
        QCOMPARE(messages_->messages()[0].style, 48);
        QCOMPARE(ReadBytes(path()), bytes);
        messages_->clear();
    }
    w.Button1->click();
    QVERIFY(w.newMemberMode());
    w.Edit1->setText(u"ALGUIEN"_qs);
    w.Button2->click();
    QVERIFY(messages_->messages().isEmpty());
    QCOMPARE(QFileInfo(path()).size(), qint64(2 * 152)); // took the first free slot
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QCOMPARE(file.read(1)->fullName, u"ALGUIEN"_qs);
}

void TestTForm2::duplicateOfNew_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("refused");
    QTest::newRow("same name and date") << QDate(1970, 10, 10) << true;
    QTest::newRow("same name, other date") << QDate(1971, 10, 10) << false;
}

void TestTForm2::duplicateOfNew()
{
    QFETCH(QDate, date);
    QFETCH(bool, refused);
    const QByteArray bytes = Records({{Day(1970, 10, 10), u"GOMEZ"_qs, {}}});
    QVERIFY(WriteBytes(path(), bytes));
    TForm2 w(gral_);
    w.Button1->click();
    QTest::keyClicks(w.Edit1, u"gomez"_qs);
    w.DateTime1->setDate(date);
    w.Button2->click();
    if (refused) {
        QCOMPARE(messages_->texts(), QStringList{u"Integrante \"GOMEZ\" ya existe."_qs});
        QCOMPARE(messages_->messages()[0].style, 48);
        QCOMPARE(ReadBytes(path()), bytes);
        QVERIFY(!gral_.members.memberSaved);
        QVERIFY(w.newMemberMode());
    } else {
        QVERIFY(messages_->messages().isEmpty());
        QCOMPARE(QFileInfo(path()).size(), qint64(2 * 152));
        QVERIFY(gral_.members.memberSaved);
    }
}

void TestTForm2::newEntryWithSharedNameIsSelected()
{
    QVERIFY(WriteBytes(path(), Records({{Day(1970, 1, 1), u"LOPEZ"_qs, {}}, {Day(1960, 1, 1), u"LOPEZ ANA"_qs, {}}})));
    TForm2 w(gral_);
    w.Button1->click();
    w.Edit1->setText(u"LOPEZ"_qs);
    w.DateTime1->setDate(QDate(1999, 9, 9));
    w.Button2->click();
    QVERIFY(w.List1->selectedEntry());
    QCOMPARE(w.List1->selectedEntry()->text(0), u"LOPEZ"_qs);
    QCOMPARE(w.List1->selectedEntry()->text(1), u"09/09/1999"_qs);
}

void TestTForm2::duplicateOfChanged()
{
    const QByteArray bytes = Records({{Day(1970, 1, 1), u"AAA"_qs, {}}, {Day(1980, 2, 2), u"BBB"_qs, {}}});
    QVERIFY(WriteBytes(path(), bytes));
    TForm2 w(gral_);
    QVERIFY(!w.newMemberMode());
    QCOMPARE(w.Edit1->text(), u"AAA"_qs); // the first sorted entry is loaded
    w.Edit1->setText(u"BBB"_qs);
    w.DateTime1->setDate(QDate(1980, 2, 2));
    w.Button2->click();
    QCOMPARE(messages_->texts(), QStringList{u"Integrante \"BBB\" ya existe."_qs});
    QCOMPARE(ReadBytes(path()), bytes);
    QCOMPARE(captions(w), (QStringList{u"AAA"_qs, u"BBB"_qs}));
}

void TestTForm2::unchangedSaveAndChange()
{
    const QByteArray bytes = Records({{Day(1970, 1, 1), u"AAA"_qs, u"uno"_qs}, {Day(1980, 2, 2), u"BBB"_qs, {}}});
    QVERIFY(WriteBytes(path(), bytes));
    TForm2 w(gral_);
    w.Button2->click(); // unchanged: its own record is no duplicate
    QVERIFY(messages_->messages().isEmpty());
    QVERIFY(gral_.members.memberSaved);
    QCOMPARE(ReadBytes(path()), bytes);
    QCOMPARE(storedMember(), u"AAA - 01/01/1970"_qs);

    w.Edit1->setText(u"CCC"_qs);
    w.Edit2->setText(u"cambiado"_qs);
    w.Button2->click();
    QVERIFY(messages_->messages().isEmpty());
    QCOMPARE(QFileInfo(path()).size(), qint64(2 * 152));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QCOMPARE(file.read(1)->fullName, u"CCC"_qs);
    QCOMPARE(file.read(1)->remarks, u"cambiado"_qs);
    QCOMPARE(captions(w), (QStringList{u"BBB"_qs, u"CCC"_qs})); // re-sorted
    QCOMPARE(w.List1->selectedEntry()->text(0), u"CCC"_qs);
    QCOMPARE(storedMember(), u"CCC - 01/01/1970"_qs);
}

void TestTForm2::deleteLastRefused()
{
    const QByteArray bytes = Records({{Day(1970, 1, 1), u"UNICO"_qs, {}}});
    QVERIFY(WriteBytes(path(), bytes));
    TForm2 w(gral_);
    w.Button3->click();
    QCOMPARE(messages_->texts(), QStringList{u"\"Zeltmark - Pronos\" necesita contar con al menos un integrante.\r\r"
                                             "Genere uno nuevo y luego elimine el que desee."_qs});
    QCOMPARE(messages_->messages()[0].style, 64);
    QCOMPARE(ReadBytes(path()), bytes);
    QCOMPARE(w.List1->topLevelItemCount(), 1);
}

void TestTForm2::deleteProposesFirstSorted()
{
    QVERIFY(WriteBytes(path(), Records({{Day(1970, 1, 1), u"CCC"_qs, {}}, {Day(1971, 1, 1), u"AAA"_qs, {}},
                                        {Day(1972, 1, 1), u"BBB"_qs, {}}})));
    TForm2 w(gral_);
    w.List1->clearSelection();
    w.Button3->click();
    QCOMPARE(messages_->texts(), QStringList{u"Confirme eliminar integrante \"AAA\"..."_qs});
    QCOMPARE(messages_->messages()[0].style, 305);
    QCOMPARE(captions(w), (QStringList{u"BBB"_qs, u"CCC"_qs}));
    QCOMPARE(QFileInfo(path()).size(), qint64(3 * 152));
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QVERIFY(IsFreeSlot(*file.read(2)));
    QCOMPARE(w.Edit1->text(), u"BBB"_qs);
    QCOMPARE(storedMember(), u"BBB - 01/01/1972"_qs);
}

void TestTForm2::deleteCancelled()
{
    const QByteArray bytes = Records({{Day(1970, 1, 1), u"AAA"_qs, {}}, {Day(1971, 1, 1), u"BBB"_qs, {}}});
    QVERIFY(WriteBytes(path(), bytes));
    TForm2 w(gral_);
    w.List1->selectEntry(w.List1->entry(1));
    messages_->answerNext(2);
    w.Button3->click();
    QCOMPARE(messages_->texts(), QStringList{u"Confirme eliminar integrante \"BBB\"..."_qs});
    QCOMPARE(ReadBytes(path()), bytes);
    QCOMPARE(w.List1->topLevelItemCount(), 2);
    QVERIFY(!storedMember().size());
}

void TestTForm2::newMemberKeepsRemarks()
{
    QVERIFY(WriteBytes(path(), Records({{Day(1970, 1, 1), u"AAA"_qs, u"Zurdo"_qs}})));
    TForm2 w(gral_);
    QCOMPARE(w.Edit2->text(), u"Zurdo"_qs);
    w.Button1->click();
    QVERIFY(w.newMemberMode());
    QVERIFY(w.Edit1->text().isEmpty());
    QCOMPARE(w.Edit2->text(), u"Zurdo"_qs);
    QCOMPARE(w.DateTime1->date(), QDate::currentDate());
    QCOMPARE(w.DateTime1->maximumDate(), QDate::currentDate());
}

void TestTForm2::closeDiscardsEdits()
{
    const QByteArray bytes = Records({{Day(1970, 1, 1), u"AAA"_qs, u"uno"_qs}});
    QVERIFY(WriteBytes(path(), bytes));
    {
        TForm2 w(gral_);
        w.show();
        w.Edit1->setText(u"OTRO"_qs);
        w.Edit2->setText(u"otro"_qs);
        w.close();
    }
    QVERIFY(messages_->messages().isEmpty());
    QCOMPARE(ReadBytes(path()), bytes);
    QCOMPARE(gral_.members.memberList, QStringList{MemberListLine(u"01/01/1970"_qs, u"AAA"_qs)});
    QVERIFY(!gral_.members.memberSaved);
    QVERIFY(!gral_.environment.quitRequested);
}

void TestTForm2::damagedOnCloseEndsProgram()
{
    QVERIFY(WriteBytes(path(), Records({{Day(1970, 1, 1), u"AAA"_qs, {}}})));
    TForm2 w(gral_);
    w.show();
    // Something else damages the file while the window is open.
    const QByteArray damaged = Records({{std::numeric_limits<double>::quiet_NaN(), u"AAA"_qs, {}}});
    QVERIFY(WriteBytes(path(), damaged));
    w.Button5->click();
    QCOMPARE(messages_->texts(), QStringList({DamagedMembersFileMessage, PurgeBackupMessage(path() + u".bak"_qs)}));
    QVERIFY(gral_.environment.quitRequested);
    QCOMPARE(QFileInfo(path()).size(), qint64(0));
    QCOMPARE(ReadBytes(path() + u".bak"_qs), damaged);
}

void TestTForm2::clickOnEmptyAreaSelectsLast()
{
    QVERIFY(WriteBytes(path(), Records({{Day(1970, 1, 1), u"AAA"_qs, u"a"_qs}, {Day(1971, 1, 1), u"BBB"_qs, u"b"_qs}})));
    TForm2 w(gral_);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget* viewport = w.List1->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, w.List1->visualItemRect(w.List1->entry(1)).center());
    QCOMPARE(w.Edit1->text(), u"BBB"_qs);
    w.List1->clearSelection();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, viewport->height() - 5));
    QCOMPARE(w.List1->selectedEntry(), w.List1->entry(1));
    QCOMPARE(w.Edit2->text(), u"b"_qs);
    // Keys move the selection and load the entry.
    QTest::keyClick(w.List1, Qt::Key_Up);
    QCOMPARE(w.Edit1->text(), u"AAA"_qs);
}

void TestTForm2::sortedByLocale()
{
    QVERIFY(WriteBytes(path(), Records({{Day(1970, 1, 1), u"ZAPATA"_qs, {}}, {Day(1971, 1, 1), u"ÁLVAREZ"_qs, {}},
                                        {Day(1972, 1, 1), u"BENITEZ"_qs, {}}, {Day(1973, 1, 1), u"AZUL"_qs, {}}})));
    TForm2 w(gral_);
    QCOMPARE(captions(w), (QStringList{u"ÁLVAREZ"_qs, u"AZUL"_qs, u"BENITEZ"_qs, u"ZAPATA"_qs}));
}

void TestTForm2::lowerCaseStoredName()
{
    // A name in lower case, written by something else, is still found.
    QVERIFY(WriteBytes(path(), Records({{Day(1970, 1, 1), u"abc"_qs, {}}, {Day(1971, 1, 1), u"XYZ"_qs, {}},
                                        {Day(1972, 1, 1), u"def"_qs, {}}})));
    TForm2 w(gral_);
    QCOMPARE(w.Edit1->text(), u"ABC"_qs); // shown as the field writes names
    w.Edit2->setText(u"nota"_qs);
    w.Button2->click();
    MembersFile file(path());
    QVERIFY(file.openExisting());
    QCOMPARE(file.read(1)->fullName, u"ABC"_qs);
    QCOMPARE(file.read(1)->remarks, u"nota"_qs);

    w.List1->selectEntry(w.List1->findItems(u"def"_qs, Qt::MatchExactly).value(0));
    w.Button3->click();
    QVERIFY(IsFreeSlot(*file.read(3)));
}

void TestTForm2::dateFormatChangeStopsSave()
{
    const QByteArray bytes = Records({{Day(1970, 1, 1), u"AAA"_qs, {}}});
    QVERIFY(WriteBytes(path(), bytes));
    TForm2 w(gral_);
    w.show();
    env_->setShortDatePattern(u"yyyy-MM-dd"_qs);
    w.Edit2->setText(u"cambio"_qs);
    w.Button2->click();
    QCOMPARE(messages_->messages().size(), 1);
    QVERIFY(messages_->messages()[0].text.startsWith(u"Se han detectado cambios"_qs));
    QVERIFY(!gral_.members.memberSaved);
    QVERIFY(gral_.environment.quitRequested);
    // Closing now must not take the missing pattern for a damaged file.
    w.close();
    QCOMPARE(messages_->messages().size(), 1);
    QCOMPARE(ReadBytes(path()), bytes);
}

void TestTForm2::helpButton()
{
    QList<int> topics;
    test_.platform.onShowHelpTopic = [&topics](int context) { topics << context; };
    TForm2 w(gral_);
    w.Button4->click();
    QCOMPARE(topics, QList<int>{3});
}

QTEST_MAIN(TestTForm2)
#include "tst_tform2.moc"
