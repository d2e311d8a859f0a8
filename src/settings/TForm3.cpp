#include "settings/TForm3.h"

#include "core/Edition.h"
#include "help/HelpContext.h"
#include "help/HelpFile.h"
#include "widgets/KeyboardChoice.h"
#include "widgets/ScaledPicture.h"
#include "app/ProgramMessage.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWrite.h"
#include "app/CalendarBuild.h"
#include "platform/SystemDateFormat.h"
#include "settings/ZoneTable.h"
#include "widgets/WindowKit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

// The map pictures are compiled into this static library; registering them
// by hand keeps the linker from dropping them.
static void InitZoneMapResources()
{
    Q_INIT_RESOURCE(zonemap);
}

namespace {

const QString ExplanationText = QStringLiteral(
    "Si la región seleccionada se encuentra con horario de verano (1 hora adelantada), marque la casilla de más "
    "abajo. Por el contrario, si la casilla se encuentra activada pero la región no tiene adelanto en su hora, "
    "desactivela.");
} // namespace

TForm3::TForm3(Gral& gral, QWidget* parent)
    : QDialog(parent)
    , gral_(gral)
{
    InitZoneMapResources();
    buildControls();
    Form3_Create();
}

void TForm3::buildControls()
{
    setWindowTitle(QStringLiteral("Configuración regional"));
    // A tool window with a title bar only: no close, minimise or help icons.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(547, 274);
    // The controls are placed by the pixel for a small dialog font.
    QFont small = font();
    small.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    small.setPixelSize(11);
    setFont(small);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(6, 10, 379, 21);
    Combo1->setEditable(false);
    Combo1->addItems(RegionLines());
    Combo1->setMaxVisibleItems(16);
    // A list that drops below the box, as the desktop's own do, rather than a
    // menu of all 61 lines over the whole screen (some styles' way).
    Combo1->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    // The longest lines do not fit the box; the open list shows them whole.
    Combo1->view()->setMinimumWidth(Combo1->view()->sizeHintForColumn(0) + 24);
    Combo1->setAccessibleName(QStringLiteral("Región"));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(6, 36, 379, 198);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 1, MapWidth, MapHeight);
    Image1->setPixmap(ScaledPicture(ZoneMapResource(), devicePixelRatioF()));
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);
    // From the keyboard, Left and Right move along the hour strip as a click on
    // the next label would; Space and Enter have nothing more to choose.
    MakeKeyboardChoice(Image1, {});
    Image1->setAccessibleName(QStringLiteral("Mapa de husos horarios"));

    Image2 = new QLabel(Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image2->hide();

    StaticText1 = new QLabel(ExplanationText, this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StaticText1->setWordWrap(true);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StaticText1->setMargin(3);
    StaticText1->setGeometry(390, 36, 151, 145);

    // Lies over the bottom of the explanation ("la casilla de más abajo").
    Check1 = new QCheckBox(QStringLiteral("Horario de verano"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setLayoutDirection(Qt::RightToLeft); // caption left of the box
    // Right edge fixed at 535; grown to the left when this font's caption needs it.
    const int checkWidth = std::max(103, Check1->sizeHint().width());
    Check1->setGeometry(535 - checkWidth, 156, checkWidth, 19);

    Button1 = new QPushButton(QStringLiteral("&Aceptar"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(240, 246, 97, 21);
    Button1->setEnabled(false);
    Button2 = new QPushButton(QStringLiteral("&Cancelar"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(342, 246, 97, 21);
    Button3 = new QPushButton(QStringLiteral("A&yuda"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(444, 246, 97, 21);

    SetHelpContext(this, HelpRegional);
    setTabOrder(Combo1, Image1);
    setTabOrder(Image1, Check1);
    setTabOrder(Check1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);

    // activated: a choice by the user (also of the line already shown), never a
    // selection made by the program.
    connect(Combo1, &QComboBox::activated, this, [this](int line) { Combo1_Click(line); });
    // toggled: ticking the box from the stored flag counts as a click too.
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1_Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2_Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3_Click(); });

    if (CurrentEdition().namedZones)
        buildZoneControls();
}

void TForm3::Form3_Create()
{
    closingGuard_ = true;
    Button2->setEnabled(!gral_.regionalFirstRun);

    std::optional<ZoneChoice> stored;
    {
        SettingsStore store;
        stored = StoredZoneChoice(store);
    }
    if (stored) {
        Combo1->setCurrentIndex(stored->regionLine);
        zoneIndex_ = stored->zoneIndex;
        ShowZone(zoneIndex_);
        Check1->setChecked(stored->daylightSaving);
        ShowStoredZone(*stored);
    } else {
        Combo1->setCurrentIndex(GmtRegionLine);
        ShowZone(GmtZoneIndex);
        zoneIndex_ = GmtZoneIndex;
        Button1->setEnabled(true);
        ShowFirstRunZone();
    }
    CheckHelpFile(gral_);
}

void TForm3::ShowZone(int zone)
{
    const ZoneEntry& entry = ZoneAt(zone);
    Image2->hide();
    Image2->move(entry.highlightLeft, 1);
    const QPixmap highlight = ScaledPicture(ZoneHighlightResource(zone), devicePixelRatioF());
    Image2->setPixmap(highlight);
    Image2->resize(highlight.deviceIndependentSize().toSize());
    Image2->show();
    if (zone != zoneIndex_)
        Button1->setEnabled(true);
    zoneIndex_ = zone;
    const QString label = QLatin1String(entry.label);
    const QString name = zone == GmtZoneIndex ? label
                         : zone < GmtZoneIndex ? QStringLiteral("GMT") + label
                                               : QStringLiteral("GMT+") + label;
    Image1->setAccessibleDescription(
        QStringLiteral("Huso elegido: %1. Izquierda y Derecha eligen el huso vecino.").arg(name));
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            Edit1_KeyDown(key);
            return true;
        }
    }
    if (watched == Image1) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint p = mouse->position().toPoint();
            Image1_MouseDown(p.x(), p.y(), mouse->button() == Qt::RightButton);
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const int zone = zoneIndex_ + (key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0);
            if (zone == zoneIndex_)
                return false;
            if (zone >= 0 && zone < ZoneCount)
                Image1_Choose(zone);
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            Image1_MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint().y());
            return false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::Image1_MouseDown(int x, int y, bool rightButton)
{
    const std::optional<int> zone = ZoneAtMapPoint(x, y, rightButton);
    if (zone)
        Image1_Choose(*zone);
}

// A zone picked on the hour strip (by the mouse or the arrow keys) selects its region line.
void TForm3::Image1_Choose(int zone)
{
    ShowZone(zone);
    Combo1->setCurrentIndex(ZoneAt(zone).regionLine);
    ChooseClassicZone();
}

void TForm3::Image1_MouseMove(int y)
{
    if (y >= LabelStripTop)
        Image1->setCursor(Qt::PointingHandCursor);
    else
        Image1->unsetCursor();
}

void TForm3::Combo1_Click(int line)
{
    Button1->setEnabled(true);
    if (const std::optional<int> zone = ZoneOfRegionLine(Combo1->itemText(line)))
        ShowZone(*zone);
    ChooseClassicZone();
}

void TForm3::Check1_Click()
{
    Button1->setEnabled(true);
}

ZoneChoice TForm3::choice() const
{
    const QString name = chosenZoneName();
    if (!name.isEmpty())
        return NamedZoneChoice(name, QDateTime::currentDateTimeUtc(), Check1->isChecked());
    return ClassicZoneChoice(Combo1->currentIndex(), zoneIndex_, Check1->isChecked());
}

void TForm3::Button1_Click()
{
    const ZoneChoice chosen = choice();
    if (ProgramMessage(gral_, ZoneConfirmationText(chosen), StyleOkCancel) != ResultOk)
        return; // the window stays open, nothing changed

    {
        SettingsStore store;
        StoreZoneChoice(store, chosen);
        SaveSettings(gral_, store);
    }
    ApplyZoneChoice(gral_.calendar, chosen);
    emit regionSaved(chosen);
    if (!DateFormatChanged(gral_))
        BuildCalendarShown(gral_);

    gral_.regionChanged = true;
    closingGuard_ = false;
    accept();
}

void TForm3::Button2_Click()
{
    closingGuard_ = false;
    QDialog::reject();
}

void TForm3::Button3_Click()
{
    ShowHelp(gral_.platform, HelpRegional);
}

bool TForm3::closingRefused() const
{
    return closingGuard_ && !Button2->isEnabled();
}

// Escape and the system close command end up here or in closeEvent; in
// first-run mode both are refused until a region has been saved.
void TForm3::reject()
{
    if (closingRefused())
        return;
    QDialog::reject();
}

void TForm3::closeEvent(QCloseEvent* event)
{
    if (closingRefused()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TForm3::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centred_ = true;
        CentreOnScreen(*this);
    }
    QDialog::showEvent(event);
}
