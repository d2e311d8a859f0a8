#include "about/AboutPictures.h"
#include "core/Colour.h"
#include "widgets/QtColour.h"
#include "widgets/ScaledPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

QFont PictureFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A football: white disc, dark centre pentagon and five half patches.
void DrawBall(QPainter& p, QPointF centre, double radius)
{
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    QPolygonF pentagon;
    for (int i = 0; i < 5; ++i) {
        const double angle = (-90 + 72 * i) * 3.14159265 / 180;
        pentagon << centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.36;
    }
    p.setBrush(QColor(30, 30, 30));
    p.drawPolygon(pentagon);
    for (int i = 0; i < 5; ++i) {
        const double angle = (-90 + 72 * i) * 3.14159265 / 180;
        const QPointF edge = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.95;
        p.drawLine(pentagon[i], pentagon[i] + (edge - pentagon[i]) * 0.62);
        p.drawEllipse(edge, radius * 0.16, radius * 0.16);
    }
}

} // namespace

QImage ProgramPicture(qreal scale)
{
    return DrawScaledPicture({105, 273}, scale, [](QPainter& p) {
        const QRect image(0, 0, 105, 273);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, 273);
        sky.setColorAt(0, QColor(8, 24, 72));
        sky.setColorAt(0.6, QColor(18, 70, 120));
        sky.setColorAt(1, QColor(20, 110, 60));
        p.fillRect(image, sky);

        // The pitch: a green band with its centre line and circle.
        p.fillRect(QRect(0, 205, 105, 68), QColor(34, 139, 34));
        p.setPen(QPen(QColor(235, 245, 235), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(0, 239), QPointF(105, 239));
        p.drawEllipse(QPointF(52.5, 239), 18, 10);

        // Seven days of the five level colours, as on the program's chart.
        constexpr int pattern[7] = {0, 2, 1, 3, 4, 2, 0};
        for (int day = 0; day < 7; ++day) {
            const int level = pattern[day];
            const double height = 16 + 9 * (4 - level);
            const QRectF bar(10 + day * 12.5, 190 - height, 10, height);
            p.setPen(QPen(QColor(10, 10, 30), 1));
            p.setBrush(ToQColor(DefaultLevelColors[size_t(level)]));
            p.drawRect(bar);
        }

        DrawBall(p, QPointF(52.5, 100), 26);

        p.setPen(QColor(250, 250, 250));
        p.setFont(PictureFont(22, true));
        p.drawText(QRect(0, 14, 105, 30), Qt::AlignCenter, QStringLiteral("Pronos"));
        p.setFont(PictureFont(10, false));
        p.setPen(QColor(200, 220, 255));
        p.drawText(QRect(0, 42, 105, 16), Qt::AlignCenter, QStringLiteral("tendencias"));
    });
}

QImage MakerBanner(qreal scale)
{
    return DrawScaledPicture({190, 65}, scale, [](QPainter& p) {
        const QRect image(0, 0, 190, 65);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient fill(0, 0, 190, 65);
        fill.setColorAt(0, QColor(16, 42, 110));
        fill.setColorAt(1, QColor(60, 120, 200));
        p.fillRect(image, fill);
        // The maker's mark: a stylised Z in a rounded square.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 196, 0));
        p.drawRoundedRect(QRectF(9, 12, 40, 40), 8, 8);
        QPainterPath zed;
        zed.moveTo(17, 20);
        zed.lineTo(41, 20);
        zed.lineTo(24, 44);
        zed.lineTo(41, 44);
        p.setPen(QPen(QColor(16, 42, 110), 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(zed);
        p.setPen(Qt::white);
        p.setFont(PictureFont(24, true));
        p.drawText(QRect(56, 8, 130, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zeltmark"));
        p.setFont(PictureFont(11, false));
        p.setPen(QColor(220, 232, 255));
        p.drawText(QRect(57, 38, 130, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("software deportivo"));
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        p.drawRect(QRectF(0.5, 0.5, 189, 64));
    });
}

QImage DownloadBadge(qreal scale)
{
    return DrawScaledPicture({141, 46}, scale, [](QPainter& p) {
        const QRect image(0, 0, 141, 46);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(image, QColor(240, 240, 240));
        p.setPen(QPen(QColor(20, 110, 40), 2));
        p.setBrush(QColor(235, 250, 235));
        p.drawRoundedRect(QRectF(1, 1, 139, 44), 6, 6);
        // A download arrow over a tray.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 140, 50));
        p.drawRect(QRectF(15, 9, 8, 14));
        p.drawPolygon(QPolygonF({QPointF(9, 22), QPointF(29, 22), QPointF(19, 32)}));
        p.drawRect(QRectF(8, 34, 22, 3));
        p.setPen(QColor(20, 90, 35));
        p.setFont(PictureFont(14, true));
        p.drawText(QRect(36, 5, 102, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Descargas"));
        p.setFont(PictureFont(10, false));
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRect(36, 24, 102, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("programas libres"));
    });
}
