#include "about/TForm7.h"
#include "help/HelpContext.h"
#include "about/AboutPictures.h"
#include "about/AboutTexts.h"
#include "core/Edition.h"
#include "widgets/KeyboardChoice.h"
#include "widgets/WindowKit.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

namespace {


QFont SansFont(const QFont& base)
{
    QFont font = base;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    return font;
}

QLabel* LinkedPicture(QWidget* parent, const QString& name, const QImage& picture, QPoint at, const QString& address)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QPixmap::fromImage(picture));
    label->setGeometry(QRect(at, picture.deviceIndependentSize().toSize())); // sized to its picture
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(address);
    return label;
}

} // namespace

TForm7::TForm7(const Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Acerca de Zeltmark - Pronos"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont windowFont = SansFont(font());
    windowFont.setPointSize(8);
    setFont(windowFont);
    setFixedSize(451, 384);
    CentreOnScreen(*this, parent ? parent->screen() : QGuiApplication::primaryScreen());

    buildControls();
    // Every part of the window opens the same help topic.
    SetHelpContext(this, HelpContents);

    Form7_Create();
}

void TForm7::buildControls()
{
    Bevel3 = new QFrame(this);
    Bevel3->setObjectName(QStringLiteral("Bevel3"));
    Bevel3->setGeometry(11, 11, 108, 275);
    Bevel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(13, 13, 105, 273);
    Image1->setScaledContents(true); // the picture is stretched to the control
    // Drawn at the screen's scale, so they stay sharp above 100 %.
    const qreal scale = devicePixelRatioF();
    Image1->setPixmap(QPixmap::fromImage(ProgramPicture(scale)));

    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(21);
    titleFont.setBold(true);
    QFont lineFont = SansFont(font());
    lineFont.setPixelSize(15);
    lineFont.setBold(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(titleFont);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->move(130, 9);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(lineFont);
    Label2->move(132, 33);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(lineFont);
    Label3->move(132, 58);
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(132, 86, 307, 67);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Image2 = LinkedPicture(this, QStringLiteral("Image2"), MakerBanner(scale), {252, 163}, MakerSiteAddress);
    Image3 = LinkedPicture(this, QStringLiteral("Image3"), DownloadBadge(scale), {132, 237}, DownloadSiteAddress);
    Image2->installEventFilter(this);
    Image3->installEventFilter(this);
    // The links are Tab stops too: Enter or Space opens them.
    MakeKeyboardChoice(Image2, [this] { Image_Click(Image2); });
    MakeKeyboardChoice(Image3, [this] { Image_Click(Image3); });
    Image1->setAccessibleName(QStringLiteral("Imagen de Zeltmark - Pronos"));
    Image2->setAccessibleName(QStringLiteral("Sitio de Zeltmark"));
    Image2->setAccessibleDescription(QStringLiteral("Abre ") + MakerSiteAddress);
    Image3->setAccessibleName(QStringLiteral("Sitio de descargas"));
    Image3->setAccessibleDescription(QStringLiteral("Abre ") + DownloadSiteAddress);

    Bevel2 = new QFrame(this);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setGeometry(12, 294, 427, 2);
    Bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    SText1 = new QLabel(this);
    SText1->setObjectName(QStringLiteral("SText1"));
    SText1->setGeometry(12, 306, 337, 67);
    SText1->setWordWrap(true);
    SText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Button1 = new QPushButton(QStringLiteral("&Aceptar"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(354, 306, 87, 23);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(Image2, Image3);
    setTabOrder(Image3, Button1);
    Button1->setFocus();
}

void TForm7::Form7_Create()
{
    Image1->resize(Bevel3->width() - 5, Bevel3->height() - 5);

    Label1->setText(DecodeCharacterCodes(Label1Codes));
    // The full edition names itself and its period where the DEMO's stored texts name theirs.
    const Edition& edition = CurrentEdition();
    Label2->setText(edition.aboutVersion.isEmpty() ? DecodeCharacterCodes(Label2Codes) : edition.aboutVersion);
    Label3->setText(DecodeCharacterCodes(Label3Codes));
    // The two parts are joined by a line feed and a carriage return; shown,
    // that pair is one line break (a label would draw the carriage return as a blank).
    Label4->setText(DecodeCharacterCodes(Label4FirstCodes) + u'\n' +
                    (edition.aboutCalendar.isEmpty() ? DecodeCharacterCodes(Label4SecondCodes) : edition.aboutCalendar));
    for (QLabel* label : {Label1, Label2, Label3})
        label->adjustSize();

    SText1->setText(QString());
}

bool TForm7::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Image2 || watched == Image3) && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* picture = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && picture->rect().contains(mouse->position().toPoint()))
            Image_Click(watched);
    }
    return QDialog::eventFilter(watched, event);
}

void TForm7::Image_Click(QObject* sender)
{
    // Whether the desktop could open the address is not the program's concern.
    platform_.openUrl(sender == Image2 ? MakerSiteAddress : DownloadSiteAddress);
}
