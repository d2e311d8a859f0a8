#include "tendencies/WeekChart.h"
#include "widgets/QtColour.h"
#include "widgets/ScaledPicture.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr QRgb Silver = qRgb(192, 192, 192);

// A rectangle with a 1-pixel outline, both corners included.
void PaintCell(QImage& image, int left, int top, int right, int bottom, QRgb fill)
{
    left = std::max(left, 0);
    right = std::min(right, image.width() - 1);
    bottom = std::min(bottom, image.height() - 1);
    for (int y = top; y <= bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const bool edgeRow = y == top || y == bottom;
        for (int x = left; x <= right; ++x)
            line[x] = (edgeRow || x == left || x == right) ? Silver : fill;
    }
}
} // namespace

QImage PaintWeekImage(const WeekLayout& week)
{
    return PaintChartRows(week.pieces, ChartDays);
}

QImage PaintChartRows(const QList<ChartPiece>& pieces, int rows)
{
    QImage image(ChartWidth, ChartRowHeight * std::max(rows, 0) + 1, QImage::Format_RGB32);
    image.fill(Silver);
    for (const ChartPiece& piece : pieces) {
        const int top = ChartRowHeight * piece.row;
        PaintCell(image, piece.left, top, piece.right, top + ChartRowHeight, ToQColor(piece.colour).rgb());
    }
    return image;
}

ChartImage::ChartImage(QWidget* parent) : QWidget(parent)
{
    setFixedSize(ChartWidth, ChartHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    image_ = PaintWeekImage({});
}

void ChartImage::setImage(QImage image)
{
    image_ = std::move(image);
    update();
}

void ChartImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    if (!hasFocus())
        return;
    // The chosen cell, framed white under black dashes so it shows on every colour.
    const QRect cell(ChartHourWidth * chosenHour_ + 1, ChartRowHeight * chosenRow_ + 1, ChartHourWidth - 1,
                     ChartRowHeight - 1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(cell.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(cell.adjusted(1, 1, -1, -1));
}

void ChartImage::choose(int row, int hour)
{
    chosenRow_ = std::clamp(row, 0, ChartDays - 1);
    chosenHour_ = std::clamp(hour, 0, 23);
    update();
}

void ChartImage::keyPressEvent(QKeyEvent* event)
{
    int row = chosenRow_;
    int hour = chosenHour_;
    switch (event->key()) {
    case Qt::Key_Left: --hour; break;
    case Qt::Key_Right: ++hour; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Home: hour = 0; break;
    case Qt::Key_End: hour = 23; break;
    default: return QWidget::keyPressEvent(event);
    }
    event->accept();
    if (row < 0 || row >= usedRows_ || hour < 0 || hour > 23 || (row == chosenRow_ && hour == chosenHour_))
        return;
    choose(row, hour);
    emit chosen(row, hour);
}

bool ChartImage::event(QEvent* event)
{
    // Where the pop-up opens on the right button's press, the pop-up takes the
    // release: report the click now, so "¿Qué indica?" speaks of the moment
    // under the pointer. (Where it opens on the release, that came first.)
    if (event->type() == QEvent::ContextMenu && rightButtonDown_) {
        rightButtonDown_ = false;
        const QPoint p = static_cast<QContextMenuEvent*>(event)->pos();
        emit released(p.x(), p.y());
    }
    return QWidget::event(event);
}

void ChartImage::mousePressEvent(QMouseEvent* event)
{
    rightButtonDown_ = event->button() == Qt::RightButton;
    QWidget::mousePressEvent(event);
}

void ChartImage::mouseReleaseEvent(QMouseEvent* event)
{
    rightButtonDown_ = false;
    const QPoint p = event->position().toPoint();
    emit released(p.x(), p.y());
}

WeekChart::WeekChart(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(676, 158);
    Image1 = new ChartImage(this);
    Image1->setObjectName("Image1");
    Image1->move(1, 1);
    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setPixmap(ScaledPicture(QStringLiteral(":/tendencies/banner.png"), devicePixelRatioF()));
    Image2->setFixedSize(670, 130);
    Image2->move(3, ChartHeight + 4); // out of sight until a week ends early
    Image2->raise();
}

void WeekChart::showWeek(const WeekLayout& week)
{
    Image1->setImage(PaintWeekImage(week));
    Image1->setUsedRows(week.lastRow + 1);
    Image1->choose(0, 0);
    if (week.lastRow < ChartDays - 1) {
        const int top = ChartRowHeight * (week.lastRow + 1) + 4;
        if (!bannerPeriod_.isEmpty())
            Image2->setPixmap(DrawnBanner(bannerPeriod_, Image2->size(), height() - 2 - top, devicePixelRatioF()));
        Image2->move(3, top);
        Image2->show();
    } else {
        Image2->hide();
    }
}

QPixmap DrawnBanner(const QString& period, QSize size, int inSight, qreal ratio)
{
    QPixmap banner(size * ratio);
    banner.setDevicePixelRatio(ratio);
    banner.fill(QColor(12, 35, 80));
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = painter.font();
    font.setPixelSize(13);
    const int line = QFontMetrics(font).lineSpacing() + 2;
    const QStringList lines{period, QStringLiteral("Elija otro día para ver una semana completa.")};
    // With one line's room or less (six days drawn) the line sits in the middle of it.
    int y = inSight >= 8 + line ? 8 : std::max(0, (inSight - line) / 2);
    // The name and motto only where the two text lines still fit below them.
    QFont title = font;
    title.setPixelSize(24);
    title.setBold(true);
    const int heading = QFontMetrics(title).lineSpacing() + line + 10;
    if (inSight >= heading + 2 * line + 8) {
        painter.setFont(title);
        painter.setPen(Qt::white);
        painter.drawText(QRect(16, y, size.width() - 32, QFontMetrics(title).lineSpacing()), Qt::AlignLeft,
                         QStringLiteral("Zeltmark · Pronos"));
        painter.setFont(font);
        painter.setPen(QColor(240, 220, 80));
        painter.drawText(QRect(16, y + QFontMetrics(title).lineSpacing(), size.width() - 32, line), Qt::AlignLeft,
                         QStringLiteral("Las tendencias de su equipo, día a día."));
        y += heading;
        painter.fillRect(QRect(0, y - 6, size.width(), 2), QColor(240, 220, 80));
    }
    painter.setFont(font);
    painter.setPen(QColor(220, 230, 245));
    for (const QString& text : lines) {
        if (y + line > inSight)
            break; // a line that wouldn't be whole is left out rather than cut
        painter.drawText(QRect(16, y, size.width() - 32, line), Qt::AlignLeft | Qt::AlignVCenter, text);
        y += line;
    }
    return banner;
}
