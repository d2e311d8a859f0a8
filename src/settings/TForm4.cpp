#include "settings/TForm4.h"
#include "widgets/KeyboardChoice.h"
#include "core/DisplayTexts.h"
#include "help/HelpContext.h"
#include "app/ProgramMessage.h"
#include "widgets/QtColour.h"
#include "widgets/WindowKit.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace {


// What a screen reader says for each basic colour panel, row by row.
const QString BasicColourNames[15] = {
    QStringLiteral("granate"), QStringLiteral("verde"), QStringLiteral("oliva"), QStringLiteral("azul marino"),
    QStringLiteral("púrpura"), QStringLiteral("verde azulado"), QStringLiteral("gris"), QStringLiteral("plata"),
    QStringLiteral("rojo"), QStringLiteral("lima"), QStringLiteral("amarillo"), QStringLiteral("azul"),
    QStringLiteral("fucsia"), QStringLiteral("aguamarina"), QStringLiteral("blanco"),
};
constexpr int PanelColumns = 5;

// The colour in words: its basic name when it is one, else its red, green and blue.
QString ColourDescription(ColourValue colour)
{
    for (size_t i = 0; i < BasicColours.size(); ++i)
        if (BasicColours[i] == colour)
            return BasicColourNames[i];
    const QColor c = ToQColor(colour);
    return QStringLiteral("rojo %1, verde %2, azul %3").arg(c.red()).arg(c.green()).arg(c.blue());
}

// The arrow keys' step in a grid of `columns`: 0 for any other key.
int ArrowStep(const QKeyEvent* key, int columns)
{
    switch (key->key()) {
    case Qt::Key_Left: return -1;
    case Qt::Key_Right: return 1;
    case Qt::Key_Up: return -columns;
    case Qt::Key_Down: return columns;
    default: return 0;
    }
}

constexpr QRect LevelLabelPlaces[5] = {
    {12, 174, 73, 17}, {99, 174, 73, 17}, {186, 174, 73, 17}, {42, 210, 79, 17}, {144, 210, 79, 17},
};

QImage DrawSpectrum()
{
    QImage image(SpectrumWidth, SpectrumHeight, QImage::Format_RGB32);
    for (int x = 0; x < SpectrumWidth; ++x) {
        const QRgb colour = ToQColor(SpectrumColour(x)).rgb();
        for (int y = 0; y < SpectrumHeight; ++y)
            image.setPixel(x, y, colour);
    }
    return image;
}

bool IsLeftClickInside(QWidget* widget, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint());
}

} // namespace

TForm4::TForm4(LevelColorTable& colours, const Platform& platform, int level, QWidget* parent)
    : QDialog(parent), colours_(colours), platform_(platform), editor_(colours, level), spectrum_(DrawSpectrum())
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Color"));
    // A tool window whose only title-bar control is the close box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(271, 280);
    move(25, 119);
    SetHelpContext(this, HelpColours);
    QFont windowFont = font();
    windowFont.setPointSize(8);
    setFont(windowFont);

    buildControls();

    for (int i = 1; i <= 5; ++i)
        showLevelColour(i);
    StaticText_Click(editor_.editedLevel());
}

void TForm4::buildControls()
{
    GroupBox1 = new QGroupBox(QStringLiteral(" Colores Básicos "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(6, 6, 259, 97);
    // The caption sits on the frame's top line, so the panel rows keep their places inside it.
    GroupBox1->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0; }"));
    for (int i = 0; i < 15; ++i) {
        auto* panel = new QFrame(GroupBox1);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setGeometry(12 + 48 * (i % 5), 18 + 24 * (i / 5), 43, 19);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setAutoFillBackground(true);
        SetLevelFill(*panel, BasicColours[size_t(i)]);
        panel->installEventFilter(this);
        panel->setAccessibleName(QStringLiteral("Color ") + BasicColourNames[i]);
        panel->setAccessibleDescription(QStringLiteral("Pulse Espacio para dar este color al nivel elegido"));
        MakeKeyboardChoice(panel, [this, i] { Panel_Click(i); });
        panels_[size_t(i)] = panel;
    }

    Panel16 = new QFrame(this);
    Panel16->setObjectName(QStringLiteral("Panel16"));
    Panel16->setGeometry(6, 108, 259, 25);
    Panel16->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1 = new QLabel(Panel16);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 1, 257, 23);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Image1->setPixmap(QPixmap::fromImage(spectrum_));
    Image1->setMouseTracking(true);
    Image1->setCursor(Qt::CrossCursor);
    SetHelpContext(Image1, HelpConcepts);
    Image1->installEventFilter(this);
    Image1->setAccessibleName(QStringLiteral("Espectro de colores"));
    Image1->setAccessibleDescription(
        QStringLiteral("Izquierda y Derecha recorren los colores; Espacio da el color mostrado al nivel elegido"));
    MakeKeyboardChoice(Image1, [this] { Image1_Click(); });

    Panel17 = new QFrame(this);
    Panel17->setObjectName(QStringLiteral("Panel17"));
    Panel17->setGeometry(6, 138, 259, 13);
    Panel17->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel17->setAutoFillBackground(true);
    SetFillAndText(*Panel17, previewColour_, previewColour_);
    Panel17->setAccessibleName(QStringLiteral("Color bajo el puntero"));
    Panel17->setAccessibleDescription(ColourDescription(previewColour_));

    // Created before the labels so that it lies beneath them.
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(6, 168, 85, 29);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setLineWidth(2);

    QFont bold = font();
    bold.setBold(true);
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(LevelName(i + 1), this);
        label->setObjectName(QStringLiteral("StaticText%1").arg(i + 1));
        label->setGeometry(LevelLabelPlaces[i]);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setFont(bold);
        label->setAutoFillBackground(true);
        label->installEventFilter(this);
        MakeKeyboardChoice(label, [this, i] { StaticText_Click(i + 1); });
        staticTexts_[size_t(i)] = label;
    }

    Button1 = new QPushButton(QStringLiteral("&Aceptar"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(6, 246, 79, 23);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1_Click);
    Button2 = new QPushButton(QStringLiteral("&Cancelar"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(96, 246, 79, 23);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    Button3 = new QPushButton(QStringLiteral("A&yuda"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(186, 246, 79, 23);
    connect(Button3, &QPushButton::clicked, this, [this] { ShowHelp(platform_, HelpColours); });

    // Tab walks the window as it reads: colours, spectrum, levels, buttons.
    QWidget* previous = panels_[0];
    auto next = [&previous](QWidget* control) {
        QWidget::setTabOrder(previous, control);
        previous = control;
    };
    for (size_t i = 1; i < panels_.size(); ++i)
        next(panels_[i]);
    next(Image1);
    for (QLabel* label : staticTexts_)
        next(label);
    for (QPushButton* button : {Button1, Button2, Button3})
        next(button);
    panels_[0]->setFocus();
}

// The arrow keys move among the colour panels (a grid of five columns) and
// among the level boxes, and along the spectrum.
bool TForm4::arrowKey(QObject* watched, const QKeyEvent* key)
{
    for (int i = 0; i < 15; ++i) {
        if (watched != panels_[size_t(i)])
            continue;
        const int target = i + ArrowStep(key, PanelColumns);
        const bool sameRowOrColumn =
            target / PanelColumns == i / PanelColumns || target % PanelColumns == i % PanelColumns;
        if (target != i && target >= 0 && target < 15 && sameRowOrColumn)
            panels_[size_t(target)]->setFocus(Qt::TabFocusReason);
        return ArrowStep(key, PanelColumns) != 0;
    }
    for (int i = 0; i < 5; ++i) {
        if (watched != staticTexts_[size_t(i)])
            continue;
        const int step = key->key() == Qt::Key_Left || key->key() == Qt::Key_Up     ? -1
                         : key->key() == Qt::Key_Right || key->key() == Qt::Key_Down ? 1
                                                                                     : 0;
        if (step != 0 && i + step >= 0 && i + step < 5)
            staticTexts_[size_t(i + step)]->setFocus(Qt::TabFocusReason);
        return step != 0;
    }
    if (watched == Image1 && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
        const int stride = key->modifiers() & Qt::ShiftModifier ? 16 : 1;
        const int step = key->key() == Qt::Key_Left ? -stride : stride;
        spectrumX_ = std::clamp(spectrumX_ + step, 0, spectrum_.width() - 1);
        Image1_MouseMove(spectrumX_, 0);
        return true;
    }
    return false;
}

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && arrowKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == Image1) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            Image1_MouseMove(at.x(), at.y());
        } else if (IsLeftClickInside(Image1, event)) {
            Image1_Click();
        }
        return false;
    }
    for (int i = 0; i < 15; ++i)
        if (watched == panels_[size_t(i)] && IsLeftClickInside(panels_[size_t(i)], event))
            Panel_Click(i);
    for (int i = 0; i < 5; ++i)
        if (watched == staticTexts_[size_t(i)] && IsLeftClickInside(staticTexts_[size_t(i)], event))
            StaticText_Click(i + 1);
    return QDialog::eventFilter(watched, event);
}

void TForm4::StaticText_Click(int level)
{
    editor_.selectLevel(level);
    const QRect label = staticTexts_[size_t(editor_.editedLevel() - 1)]->geometry();
    Bevel1->setGeometry(label.left() - 6, label.top() - 6, label.width() + 12, Bevel1->height());
}

void TForm4::Panel_Click(int index)
{
    chooseColour(BasicColours[size_t(index)]);
}

void TForm4::Image1_MouseMove(int x, int y)
{
    // The label is one column wider than the picture; over that column (and
    // anywhere else without a pixel) the preview keeps its colour.
    if (!spectrum_.rect().contains(x, y))
        return;
    previewColour_ = FromQColor(QColor(spectrum_.pixel(x, y)));
    spectrumX_ = x;
    SetFillAndText(*Panel17, previewColour_, previewColour_);
    Panel17->setAccessibleDescription(ColourDescription(previewColour_));
}

void TForm4::Image1_Click()
{
    chooseColour(previewColour_);
}

void TForm4::chooseColour(ColourValue colour)
{
    if (!editor_.choose(colour)) {
        ProgramMessage(platform_, QStringLiteral("El color seleccionado está siendo utilizado por otra tendencia."),
                       StyleExclamation);
        return;
    }
    showLevelColour(editor_.editedLevel());
}

void TForm4::showLevelColour(int level)
{
    const ColourValue colour = editor_.colourOf(level);
    QLabel* label = staticTexts_[size_t(level - 1)];
    SetLevelFill(*label, colour);
    label->setAccessibleDescription(QStringLiteral("Color del nivel: ") + ColourDescription(colour));
}

void TForm4::Button1_Click()
{
    colours_ = editor_.colours();
    accept();
}
