#include "tendencies/TForm1.h"
#include "help/HelpContext.h"
#include "settings/ColourRules.h"
#include "help/HelpFile.h"
#include "widgets/KeyboardChoice.h"
#include "app/ProgramMessage.h"
#include "widgets/ScaledPicture.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWrite.h"
#include "calendar/SignCalendar.h"
#include "platform/SystemDateFormat.h"
#include "core/DatePattern.h"
#include "widgets/DatePicker.h"
#include "tendencies/MemberComboBox.h"
#include "core/DisplayTexts.h"
#include "core/Edition.h"
#include "app/CalendarBuild.h"
#include "tendencies/TForm5.h"
#include "tendencies/TeamWindow.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/TrackSpan.h"
#include "widgets/ProgramIcon.h"
#include "tendencies/WeekChart.h"
#include "widgets/WindowKit.h"
#include "settings/ZoneChoice.h"

#include <QAction>
#include <algorithm>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>

namespace {
constexpr int ZonePanelWidth = 590;     // the status bar's two panels
constexpr int DaylightPanelWidth = 160;
// Client area of an outer window of 796 x 559 with the usual caption and 4-pixel borders.
constexpr int ClientWidth = 788;
constexpr int ClientHeight = 528;

const QString FirstRunText = QStringLiteral(
    "Dado que es la primera vez que se ejecuta \"Zeltmark - Pronos\" , el programa requiere de la "
    "configuración regional.\r\rA continuación se abrirá la ventana correspondiente. Ante cualquier duda "
    "recurra a la ayuda.");

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->adjustSize();
    label->move(x, y);
    return label;
}

// A static text with a sunken frame and centred text, shown exactly as given.
QLabel* MakeStaticText(QWidget* parent, const char* name, const QRect& place, bool bold)
{
    auto* text = new QLabel(parent);
    text->setObjectName(name);
    text->setGeometry(place);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setAlignment(Qt::AlignCenter);
    text->setTextFormat(Qt::PlainText);
    text->setAutoFillBackground(true);
    if (bold) {
        QFont font = text->font();
        font.setBold(true);
        text->setFont(font);
    }
    return text;
}

// Underlined 13-pixel text; a narrower face (or a smaller size) where the
// system's one would not fit a 10-character date into the label.
QFont DateLabelFont(QFont font)
{
    font.setUnderline(true);
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), font.family()});
    for (int size = 13; size > 9; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(QStringLiteral("00/00/0000")) <= 64)
            break;
    }
    return font;
}
} // namespace

QString TForm1::FirstRunMessage()
{
    return FirstRunText;
}

TForm1::TForm1(Gral& gral) : QMainWindow(nullptr), gral_(gral)
{
    // Window menu and border icons: move, minimize and close only; the size is fixed.
    setObjectName("TForm1");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowTitle(CurrentEdition().mainWindowCaption);
    setWindowIcon(ProgramIcon());
    BuildControls();
    BuildMenus();
    BuildStatusBar();
    setFixedSize(ClientWidth, ClientHeight);

    // The order below is the program's start-up: each step relies on the ones before it.
    gral_.levelColors = DefaultLevelColors;
    // Help file, then the settings (or, at the very first run, the regional window).
    CheckHelpFile(gral_);
    ReadSettings();
    // Members, then the regional window is an ordinary one from now on.
    FillMemberBox(false);
    gral_.regionalFirstRun = false;
    ApplyLegendColours();
    // The calendar for the region, and one track position per day (of the period, or of the shown year).
    BuildCalendarShown(gral_);
    ApplyTrackSpan(gral_.calendar.coveredPeriod.startDay);
    // The member's sign and the first week shown: the period's first day, or
    // today in the full edition (a today outside the period is said and
    // replaced by the nearer end).
    ComputeMemberSign(gral_.members);
    DateTime1->setDate(DateFromDayNumber(gral_.calendar.coveredPeriod.startDay));
    if (CoveredPeriodCheck(DateOrigin::System, gral_.calendar.coveredPeriod.startDay))
        ShowPickerDay();
}

TForm1::~TForm1()
{
    delete explanation_.data();
}

void TForm1::BuildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);

    Label13 = MakeLabel(client, "Label13", QStringLiteral("Integrantes"), 16, 16, true);
    Combo1 = new MemberComboBox(client);
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(false);
    Combo1->setGeometry(96, 14, 565, 21);
    // The list drops below the box, however many members there are, instead of
    // a menu laid over the window (some styles' way).
    Combo1->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    Label9 = MakeLabel(client, "Label9", QStringLiteral("Fecha"), 82, 59, true);
    DateTime1 = new DatePicker(client);
    DateTime1->setObjectName("DateTime1");
    DateTime1->setGeometry(137, 58, 248, 24);
    DateTime1->setCalendarPopup(true);

    Button1 = new QPushButton(QStringLiteral("Aplicar fecha"), client);
    Button1->setObjectName("Button1");
    Button1->setGeometry(390, 58, 113, 24);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1_Click(); });

    for (int r = 0; r < 7; ++r) {
        auto* label = new QLabel(client);
        label->setObjectName(QStringLiteral("Label%1").arg(r + 2));
        label->setFont(DateLabelFont(label->font()));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // Each row's label sits 6 pixels below the one above it, level with its chart row.
        label->setGeometry(11, 94 + r * (16 + 6), 64, 16);
        DateLabels[size_t(r)] = label;
    }

    Panel1 = new WeekChart(client);
    Panel1->setObjectName("Panel1");
    Panel1->move(79, 86);
    Panel1->setBannerPeriod(CurrentEdition().bannerPeriod);
    Image1 = Panel1->Image1;
    Image2 = Panel1->Image2;
    connect(Image1, &ChartImage::released, this, &TForm1::Image1_MouseUp);
    connect(Image1, &ChartImage::chosen, this, [this](int row, int hour) { ShowChartMoment(row, hour * 60); });

    Barra = new QSlider(Qt::Vertical, client);
    Barra->setObjectName("Barra");
    Barra->setGeometry(756, 80, 19, 170);
    Barra->setTickPosition(QSlider::NoTicks);
    Barra->setPageStep(1);
    Barra->setSingleStep(1);
    // Down shows later days, with the mouse and with the keys.
    Barra->setInvertedAppearance(true);
    Barra->setInvertedControls(true);
    Barra->setFocusPolicy(Qt::StrongFocus);
    Barra->installEventFilter(this);
    connect(Barra, &QSlider::valueChanged, this, [this] { Barra_Change(); });
    // A step (key or click) past either end: the slider cannot move, the shown day can.
    connect(Barra, &QSlider::actionTriggered, this, [this](int action) {
        const bool later = action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderPageStepAdd;
        const bool earlier = action == QAbstractSlider::SliderSingleStepSub || action == QAbstractSlider::SliderPageStepSub;
        if (later && Barra->value() == Barra->maximum())
            Barra_PastEnd(1);
        else if (earlier && Barra->value() == Barra->minimum())
            Barra_PastEnd(-1);
    });

    Label12 = new QLabel(QStringLiteral("Hora->"), client);
    Label12->setObjectName("Label12");
    QFont bold = Label12->font();
    bold.setBold(true);
    Label12->setFont(bold);
    Label12->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label12->setGeometry(10, 245, 68, 16);
    Image3 = new QLabel(client);
    Image3->setObjectName("Image3");
    Image3->setPixmap(ScaledPicture(QStringLiteral(":/tendencies/hourscale.png"), devicePixelRatioF()));
    Image3->setGeometry(81, 248, 661, 14);

    for (int k = 0; k < 5; ++k) {
        auto* box = MakeStaticText(client, "", QRect(133 + 108 * k, 289, 85, 17), false);
        box->setObjectName(QStringLiteral("TextCol%1").arg(k + 1));
        box->setText(LevelName(k + 1));
        box->setToolTip(QStringLiteral("Doble click para cambiar color"));
        box->installEventFilter(this);
        TextCol[size_t(k)] = box;
    }

    Text2 = MakeStaticText(client, "Text2", QRect(107, 339, 572, 19), true);
    Text2->setContextMenuPolicy(Qt::ActionsContextMenu);
    Text3 = MakeStaticText(client, "Text3", QRect(144, 373, 499, 19), true);
    Text4 = MakeStaticText(client, "Text4", QRect(144, 409, 499, 19), true);
    Text5 = MakeStaticText(client, "Text5", QRect(144, 445, 499, 19), true);
    for (QLabel* text : {Text3, Text4, Text5}) {
        QPalette palette = text->palette();
        palette.setColor(QPalette::Window, QColor(0, 128, 128));
        palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
        text->setPalette(palette);
    }

    Quindica1 = new QAction(QStringLiteral("¿Qué indica?"), this);
    Quindica1->setObjectName("Quindica1");
    connect(Quindica1, &QAction::triggered, this, [this] { Queindica_Click(); });
    Text2->addAction(Quindica1);
    Image1->addAction(Quindica1);
    Image1->setContextMenuPolicy(Qt::ActionsContextMenu);

    SetHelpContext(client, HelpMainWindow);

    // What a screen reader says of the controls that show no text of their own.
    DateTime1->setAccessibleName(Label9->text());
    Image1->setAccessibleName(QStringLiteral("Gráfico de tendencias de siete días"));
    Image2->setAccessibleName(QStringLiteral("Fin del calendario de tendencias"));
    Image3->setAccessibleName(QStringLiteral("Escala de horas, de 00 a 23"));
    Barra->setAccessibleName(QStringLiteral("Día mostrado"));
    Barra->setAccessibleDescription(QStringLiteral("Abajo muestra los días siguientes"));
    for (QLabel* box : TextCol)
        box->setAccessibleDescription(QStringLiteral("Color del nivel; doble click para cambiarlo"));
    // The chart is a Tab stop, so its days in words can be reached; Space or
    // Enter explains the shown level ("¿Qué indica?").
    MakeKeyboardChoice(Image1, [this] { Queindica_Click(); });
    setTabOrder(Combo1, DateTime1);
    setTabOrder(DateTime1, Button1);
    setTabOrder(Button1, Image1);
    setTabOrder(Image1, Barra);
}

void TForm1::BuildMenus()
{
    auto entry = [this](QMenu* menu, const char* name, const QString& text, const QIcon& icon) {
        QAction* action = menu->addAction(icon, text);
        action->setObjectName(name);
        return action;
    };
    QMenu* pronos = menuBar()->addMenu(QStringLiteral("&Pronos"));
    Archiv6 = entry(pronos, "Archiv6", QStringLiteral("&Gestión de Integrantes"), QIcon(":/tendencies/menu-members.png"));
    if (CurrentEdition().teamView)
        Equipo1 = entry(pronos, "Equipo1", QStringLiteral("&Equipo..."), QIcon());
    if (CurrentEdition().membersImport)
        Importar1 = entry(pronos, "Importar1", QStringLiteral("Impor&tar integrantes..."), QIcon());
    if (CurrentEdition().rosterSheets) {
        Planilla1 = entry(pronos, "Planilla1", QStringLiteral("Importar desde &planilla (CSV)..."), QIcon());
        Planilla2 = entry(pronos, "Planilla2", QStringLiteral("Exportar a pla&nilla (CSV)..."), QIcon());
    }
    if (CurrentEdition().calendarExport)
        Exportar1 = entry(pronos, "Exportar1", QStringLiteral("E&xportar a calendario..."), QIcon());
    pronos->addSeparator();
    Archiv1 = entry(pronos, "Archiv1", QStringLiteral("C&onfiguración regional"), QIcon(":/tendencies/menu-region.png"));
    pronos->addSeparator();
    Archiv2 = entry(pronos, "Archiv2", QStringLiteral("&Cambiar colores"), QIcon(":/tendencies/menu-colours.png"));
    Archiv3 = entry(pronos, "Archiv3", QStringLiteral("&Restaurar colores"), QIcon());
    pronos->addSeparator();
    Archiv4 = entry(pronos, "Archiv4", QStringLiteral("&Imprimir tendencias"), QIcon(":/tendencies/menu-print.png"));
    pronos->addSeparator();
    Archiv5 = entry(pronos, "Archiv5", QStringLiteral("&Salir"), QIcon());
    connect(pronos, &QMenu::triggered, this, &TForm1::Archiv_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    Ayuda1 = entry(help, "Ayuda1", QStringLiteral("&Contenido"), QIcon(":/tendencies/menu-contents.png"));
    Ayuda2 = entry(help, "Ayuda2", QStringLiteral("&Buscar temas de ayuda"),
                   QIcon(":/tendencies/menu-search.png"));
    help->addSeparator();
    Ayuda3 = entry(help, "Ayuda3", QStringLiteral("C&onceptos generales"), QIcon(":/tendencies/menu-concepts.png"));
    help->addSeparator();
    Ayuda4 = entry(help, "Ayuda4", QStringLiteral("&Acerca de...."), QIcon());
    connect(help, &QMenu::triggered, this, &TForm1::Ayuda_Click);

    SetHelpContext(menuBar(), HelpContents);
    SetHelpContext(pronos, HelpContents);
    SetHelpContext(help, HelpContents);
}

void TForm1::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    bar->setCursor(Qt::PointingHandCursor);
    bar->setToolTip(QStringLiteral("Doble click para abrir Config. regional"));
    auto panel = [this, bar](const char* name, const QString& text, int width, Qt::Alignment alignment) {
        auto* label = new QLabel(text, bar);
        label->setObjectName(name);
        label->setFixedWidth(width);
        label->setAlignment(alignment | Qt::AlignVCenter);
        SetRegionPanelLook(*label);
        label->setToolTip(bar->toolTip());
        label->installEventFilter(this);
        bar->addWidget(label);
        return label;
    };
    StatusPanel0 = panel("StatusPanel0", QStringLiteral("Zona Horaria"), ZonePanelWidth, Qt::AlignLeft);
    StatusPanel1 = panel("StatusPanel1", DaylightSavingText(false), DaylightPanelWidth, Qt::AlignHCenter);
    bar->installEventFilter(this);
    SetHelpContext(bar, HelpMainWindow);
}

void TForm1::ShowRegion(const ZoneChoice& choice)
{
    StatusPanel0->setText(ZoneStatusText(choice));
    StatusPanel1->setText(DaylightStatusText(choice));
    // A zone's name is short and its daylight-saving text long: the second
    // panel takes what its text needs from the first.
    const int needed = StatusPanel1->fontMetrics().horizontalAdvance(StatusPanel1->text()) + 16;
    const int second = choice.named() ? std::max(DaylightPanelWidth, needed) : DaylightPanelWidth;
    StatusPanel1->setFixedWidth(second);
    StatusPanel0->setFixedWidth(ZonePanelWidth + DaylightPanelWidth - second);
    if (team_)
        team_->ShowRegion(StatusPanel0->text(), StatusPanel1->text());
}

void TForm1::ReadSettings()
{
    std::optional<ZoneChoice> zone;
    {
        SettingsStore store;
        zone = StoredZoneChoice(store);
        if (zone) {
            ApplyZoneChoice(gral_.calendar, *zone);
            ShowRegion(*zone);
            if (store.levelColour(1)) {
                std::array<std::optional<ColourValue>, 5> stored;
                for (int level = 1; level <= 5; ++level)
                    stored[size_t(level - 1)] = store.levelColour(level);
                gral_.levelColors = StoredLevelColours(stored);
            }
        }
    }
    if (!zone)
        FirstRunPath();
}

void TForm1::FillMemberBox(bool refresh)
{
    Combo1->clear();
    for (const QString& line : std::as_const(gral_.members.memberList)) {
        const QString name = line.mid(10, 60).trimmed();
        const QString dateText = line.left(10).trimmed();
        const std::optional<double> birth = gral_.environment.systemDateFormat.parse(dateText);
        const QString shownDate = birth ? gral_.environment.systemDateFormat.format(*birth) : dateText;
        Combo1->addItem(name + QStringLiteral(" - ") + shownDate);
    }
    if (Combo1->count() == 0)
        return;
    {
        SettingsStore store;
        const std::optional<QString> stored = store.member();
        const int index = stored ? Combo1->findText(*stored, Qt::MatchFixedString) : -1;
        if (index >= 0) {
            Combo1->setCurrentIndex(index);
        } else {
            Combo1->setCurrentIndex(0);
            store.setMember(Combo1->itemText(0));
            SaveSettings(gral_, store);
        }
    }
    const std::optional<double> birth =
        gral_.environment.systemDateFormat.parse(Combo1->currentText().right(10).trimmed());
    gral_.members.selectedBirthDate = birth.value_or(0);
    if (!refresh)
        return;
    ComputeMemberSign(gral_.members);
    if (!CoveredPeriodCheck(DateOrigin::System, PickerDate()))
        return;
    ShowPickerDay();
}

void TForm1::ShowPickerDay()
{
    ShowWeekOf(PickerDate());
}

std::optional<double> TForm1::ShownDay() const
{
    return gral_.environment.systemDateFormat.parse(DateLabels[0]->text().trimmed());
}

int TForm1::LookUpDay(double day)
{
    return HoldWeekShown(gral_, day) ? DayLookup(gral_.calendar, day).row : -1;
}

void TForm1::ShowWeekOf(double day)
{
    gral_.calendar.dayRowIndex = LookUpDay(day);
    if (gral_.calendar.dayRowIndex < 1)
        return;
    DrawWeek();
    SetTrackDay(day);
}

void TForm1::ApplyTrackSpan(double day)
{
    const CoveredPeriod& period = gral_.calendar.coveredPeriod;
    const TrackSpan span = TrackSpanFor(period.firstDay, period.lastDay, day);
    trackOrigin_ = span.origin;
    const bool previous = suppressTrackChange_;
    suppressTrackChange_ = true;
    Barra->setRange(0, span.maximum);
    suppressTrackChange_ = previous;
}

void TForm1::SetTrackDay(double day)
{
    ApplyTrackSpan(day);
    const int position = int(std::lround(std::floor(day) - trackOrigin_));
    const bool previous = suppressTrackChange_;
    suppressTrackChange_ = true;
    Barra->setValue(position);
    trackSelectionEnd_ = position;
    suppressTrackChange_ = previous;
}

double TForm1::PickerDate() const
{
    return DayNumberFromDate(DateTime1->date());
}

void TForm1::closeEvent(QCloseEvent* event)
{
    {
        SettingsStore store;
        store.setMember(Combo1->currentText());
        store.setLevelColours(gral_.levelColors);
        SaveSettings(gral_, store);
    }
    if (explanation_)
        explanation_->close();
    gral_.calendar.signCalendar.clear();
    gral_.calendar.dateIndex.clear();
    gral_.calendar.dayRows = DayRowTable{};
    gral_.members.memberList.clear();
    event->accept();
    RequestQuit(gral_);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int k = 0; k < 5; ++k) {
            if (watched == TextCol[size_t(k)]) {
                TextCol_DblClick(k + 1);
                return true;
            }
        }
        if (watched == statusBar() || watched == StatusPanel0 || watched == StatusPanel1) {
            StatusBar1_DblClick();
            return true;
        }
    } else if (event->type() == QEvent::Wheel && watched == Barra) {
        // The wheel past either end of the year goes on into the next one.
        const int wheel = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (wheel < 0 && Barra->value() == Barra->maximum())
            return Barra_PastEnd(1), true;
        if (wheel > 0 && Barra->value() == Barra->minimum())
            return Barra_PastEnd(-1), true;
    } else if (event->type() == QEvent::FocusIn && watched == Barra) {
        // Entering the track bar, not the window coming back to the front with it focused.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Barra_Enter();
    } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && watched == explanation_) {
        ExplanationFrameKnown();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Button1_Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TForm1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // Placed in this window's coordinates, the explanation keeps its place
    // over the chart, as a child window would, wherever the user put it.
    if (explanation_ && explanation_->isVisible())
        explanation_->move(explanation_->pos() + event->pos() - event->oldPos());
}
