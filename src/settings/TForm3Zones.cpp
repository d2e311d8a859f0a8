// The full edition's part of "Configuración regional": besides the region of
// the list or the map, the system's own time zone and any other zone the
// system knows, by name, found by typing part of it. A named zone brings its
// own daylight saving, so the box is greyed while one is chosen; the map shows
// the zone of its standard offset.
#include "settings/TForm3.h"
#include "settings/ZoneList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

constexpr int ZonePartHeight = 150; // the window grows by this below the map
constexpr int ZoneNameRole = Qt::UserRole;

QString ItemZoneName(const QListWidgetItem* item)
{
    return item ? item->data(ZoneNameRole).toString() : QString();
}

// Makes a zone the list's current line, without counting as the user's choice.
void SelectZoneItem(QListWidget* list, const QString& name)
{
    const QSignalBlocker quiet(list);
    for (int row = 0; row < list->count(); ++row) {
        if (ItemZoneName(list->item(row)) == name) {
            list->setCurrentRow(row);
            list->scrollToItem(list->item(row), QAbstractItemView::PositionAtCenter);
            return;
        }
    }
}

} // namespace

void TForm3::buildZoneControls()
{
    setFixedSize(width(), height() + ZonePartHeight);
    for (QPushButton* button : {Button1, Button2, Button3})
        button->move(button->x(), button->y() + ZonePartHeight);
    systemZone_ = SystemZoneName();

    Radio1 = new QRadioButton(QStringLiteral("Región de la &lista o del mapa"), this);
    Radio1->setObjectName(QStringLiteral("Radio1"));
    Radio1->setGeometry(6, 240, 535, 19);
    Radio2 = new QRadioButton(systemZone_.isEmpty()
                                  ? QStringLiteral("Zona horaria del &sistema (desconocida)")
                                  : QStringLiteral("Zona horaria del &sistema: %1").arg(systemZone_),
                              this);
    Radio2->setObjectName(QStringLiteral("Radio2"));
    Radio2->setGeometry(6, 261, 535, 19);
    Radio2->setEnabled(!systemZone_.isEmpty());
    Radio3 = new QRadioButton(QStringLiteral("&Otra zona horaria:"), this);
    Radio3->setObjectName(QStringLiteral("Radio3"));
    Radio3->setGeometry(6, 282, 130, 19);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(140, 281, 401, 21);
    Edit1->setPlaceholderText(QStringLiteral("Buscar (por ejemplo: Madrid, Buenos Aires)"));
    Edit1->setAccessibleName(QStringLiteral("Buscar zona horaria"));
    Edit1->setClearButtonEnabled(true);
    Edit1->installEventFilter(this);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(24, 306, 517, 84);
    List1->setAccessibleName(QStringLiteral("Zonas horarias"));
    List1->setUniformItemSizes(true);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString& name : ListedZoneNames()) {
        auto* item = new QListWidgetItem(ZoneListEntry(KnownZone(name), now), List1);
        item->setData(ZoneNameRole, name);
    }
    const bool listed = List1->count() > 0;
    Radio3->setEnabled(listed);
    Edit1->setEnabled(listed);
    List1->setEnabled(listed);

    // Enter in the search field or the list confirms the zone found.
    Button1->setDefault(true);

    setTabOrder(Check1, Radio1);
    setTabOrder(Radio1, Radio2);
    setTabOrder(Radio2, Radio3);
    setTabOrder(Radio3, Edit1);
    setTabOrder(Edit1, List1);
    setTabOrder(List1, Button1);

    // clicked: a choice by the user (the arrow keys among the three too), never one made by the program.
    for (QRadioButton* radio : {Radio1, Radio2, Radio3})
        connect(radio, &QRadioButton::clicked, this, [this, radio] { Radio_Click(radio); });
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) { Edit1_Change(text); });
    connect(List1, &QListWidget::currentItemChanged, this, [this] { List1_Click(); });
}

void TForm3::ShowStoredZone(const ZoneChoice& stored)
{
    if (!Radio1)
        return;
    if (!stored.named()) {
        Radio1->setChecked(true);
        SelectZoneItem(List1, systemZone_);
        return;
    }
    // A stored name the list leaves out (an alias such as "Etc/UTC") gets a line of its own.
    if (List1->findItems(stored.zoneName + QStringLiteral(" ("), Qt::MatchStartsWith).isEmpty()) {
        auto* item = new QListWidgetItem(ZoneListEntry(KnownZone(stored.zoneName), QDateTime::currentDateTimeUtc()));
        item->setData(ZoneNameRole, stored.zoneName);
        List1->insertItem(0, item);
    }
    SelectZoneItem(List1, stored.zoneName);
    (stored.zoneName == systemZone_ ? Radio2 : Radio3)->setChecked(true);
    Check1->setEnabled(false);
}

void TForm3::ShowFirstRunZone()
{
    if (!Radio1)
        return;
    SelectZoneItem(List1, systemZone_);
    if (systemZone_.isEmpty()) {
        Radio1->setChecked(true);
        return;
    }
    Radio2->setChecked(true);
    ChooseNamedZone(systemZone_);
}

void TForm3::Radio_Click(QRadioButton* radio)
{
    if (radio == Radio1) {
        Check1->setEnabled(true);
        Button1->setEnabled(true);
    } else if (radio == Radio2) {
        ChooseNamedZone(systemZone_);
    } else if (const QString name = ItemZoneName(List1->currentItem()); !name.isEmpty()) {
        ChooseNamedZone(name);
    } else {
        Edit1_KeyDown(Qt::Key_Down); // nothing chosen in the list yet: its first line the search shows
    }
}

void TForm3::Edit1_Change(const QString& text)
{
    for (int row = 0; row < List1->count(); ++row) {
        QListWidgetItem* item = List1->item(row);
        item->setHidden(!ZoneSearchMatches(ItemZoneName(item), text));
    }
    if (QListWidgetItem* current = List1->currentItem(); current && !current->isHidden())
        List1->scrollToItem(current);
}

// Up and Down in the search field move along the lines the search left visible.
void TForm3::Edit1_KeyDown(int key)
{
    const int step = key == Qt::Key_Down ? 1 : -1;
    int row = List1->currentItem() && !List1->currentItem()->isHidden() ? List1->currentRow() + step
              : step > 0                                                ? 0
                                                                        : List1->count() - 1;
    while (row >= 0 && row < List1->count() && List1->item(row)->isHidden())
        row += step;
    if (row >= 0 && row < List1->count()) {
        List1->setCurrentRow(row);
        List1->scrollToItem(List1->item(row));
    }
}

void TForm3::List1_Click()
{
    const QString name = ItemZoneName(List1->currentItem());
    if (name.isEmpty())
        return;
    Radio3->setChecked(true);
    ChooseNamedZone(name);
}

void TForm3::ChooseNamedZone(const QString& name)
{
    const int zone = MapZoneOfOffset(KnownZone(name).standardTimeOffset(QDateTime::currentDateTimeUtc()));
    ShowZone(zone);
    Combo1->setCurrentIndex(ZoneAt(zone).regionLine);
    Check1->setEnabled(false);
    Button1->setEnabled(true);
}

void TForm3::ChooseClassicZone()
{
    if (!Radio1)
        return;
    Radio1->setChecked(true);
    Check1->setEnabled(true);
}

QString TForm3::chosenZoneName() const
{
    if (!Radio1 || Radio1->isChecked())
        return {};
    if (Radio2->isChecked())
        return systemZone_;
    return ItemZoneName(List1->currentItem());
}
