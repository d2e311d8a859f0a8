#include "tendencies/TForm5.h"
#include "help/HelpContext.h"
#include "tendencies/TendencyTexts.h"
#include "widgets/WindowKit.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int TextMargin = 4; // clear space each side of the longest line

// Bold 13-pixel text, a size smaller for as long as the longest line of the
// explanation would be cut by the panel's sides (the system's bold face is
// often wider than the one the panel was drawn for).
QFont FittedFont(QFont font, const QString& text, int width)
{
    for (int size = 13; size >= 9; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& line : text.split(u'\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= width - 2 * TextMargin)
            break;
    }
    return font;
}
} // namespace

// A tool window that can only be moved and closed.
TForm5::TForm5(ExplanationState& state, const LevelColorTable& colours, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state),
      colours_(colours)
{
    setObjectName("TForm5");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(555, 62);
    Text1 = new QLabel(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(0, 0, 555, 62);
    Text1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setTextFormat(Qt::PlainText);
    Text1->setAutoFillBackground(true);
    QFont font = Text1->font();
    font.setBold(true);
    font.setPixelSize(13);
    Text1->setFont(font);
    SetHelpContext(this, HelpExplanation);
    state_.explanationOpen = true;
    Refill();
}

TForm5::~TForm5()
{
    state_.explanationOpen = false;
}

void TForm5::Refill()
{
    const int level = state_.explainedLevel;
    if (level < 1 || level > 5)
        return;
    SetLevelFill(*Text1, colours_[size_t(level - 1)]);
    setWindowTitle(ExplanationCaption(level));
    const QString text = ExplanationText(level).replace(u'\r', u'\n');
    Text1->setFont(FittedFont(Text1->font(), text, Text1->contentsRect().width()));
    Text1->setText(text);
}

void TForm5::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Refill();
    QWidget::changeEvent(event);
}

void TForm5::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TForm5::closeEvent(QCloseEvent* event)
{
    state_.explanationOpen = false;
    event->accept();
}
