// Draws the artwork of the main window and writes it as PNG files:
//   make-tendency-art OUT_DIR
// hourscale.png (661 x 14), banner.png (670 x 130, 256 colours), the same two
// drawn for 200 % screens (hourscale@2x.png, banner@2x.png: twice the pixels,
// so they stay sharp there), pronos.png (the window icon, 64 x 64) and the
// 16 x 16 menu pictures menu-*.png.
// The pictures are committed under resources/tendencies; run this again only
// to change them.
#include <QDir>
#include <QHash>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const QColor Olive(128, 128, 0);
// The default level colours, level 1 first.
const QColor LevelColours[5] = {QColor(0, 128, 0), QColor(0, 0, 128), QColor(128, 0, 128), QColor(255, 255, 0),
                                QColor(255, 0, 0)};

QFont SansFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// An image of `scale` times the logical size, painted in logical coordinates.
QImage ScaledImage(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

// "00".."23", black on olive, each at the left edge of its 28-pixel column.
QImage HourScale(int scale)
{
    QImage image = ScaledImage(661, 14, scale);
    image.fill(Olive);
    QPainter p(&image);
    p.setFont(SansFont(11, true));
    p.setPen(Qt::black);
    for (int hour = 0; hour < 24; ++hour)
        p.drawText(QRect(28 * hour + 1, 0, 26, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));
    return image;
}

// The logo: a ring of the five level colours around a white "P".
void DrawLogo(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double ring = box.width() * 0.16;
    const QRectF arc = box.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2);
    for (int k = 0; k < 5; ++k) {
        p.setPen(QPen(LevelColours[k], ring, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(arc, int((90 - 72 * k) * 16), -int(66 * 16));
    }
    QRadialGradient centre(box.center(), box.width() * 0.34);
    centre.setColorAt(0, QColor(40, 70, 120));
    centre.setColorAt(1, QColor(10, 25, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(centre);
    p.drawEllipse(box.center(), box.width() * 0.32, box.width() * 0.32);
    p.setPen(Qt::white);
    p.setFont(SansFont(int(box.height() * 0.42), true));
    p.drawText(box, Qt::AlignCenter, QStringLiteral("P"));
    p.restore();
}

// 256 colours: the most frequent ones, every other pixel mapped to its nearest.
QImage ToPalette(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QList<QPair<int, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.append({it.value(), it.key()});
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> table;
    for (int i = 0; i < byCount.size() && i < 256; ++i)
        table.append(byCount[i].second);
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage Banner(int scale)
{
    QImage image = ScaledImage(670, 130, scale);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 670, 130), QColor(10, 36, 80));
    p.fillRect(QRect(0, 62, 670, 2), QColor(255, 230, 90));
    // Seven thin day bars, a quiet echo of the chart.
    p.setRenderHint(QPainter::Antialiasing);
    for (int day = 0; day < 7; ++day) {
        for (int k = 0; k < 5; ++k) {
            QColor c = LevelColours[(day + k) % 5];
            c.setAlpha(70);
            p.fillRect(QRectF(380 + 40 * k + 4 * day, 70 + 8 * day, 38, 5), c);
        }
    }
    DrawLogo(p, QRectF(10, 6, 52, 52));
    p.setPen(Qt::white);
    p.setFont(SansFont(26, true));
    p.drawText(QPointF(74, 32), QStringLiteral("Zeltmark · Pronos"));
    p.setPen(QColor(255, 230, 90));
    p.setFont(SansFont(15, false));
    p.drawText(QPointF(76, 54), QStringLiteral("Las tendencias de su equipo, día a día."));
    p.setPen(QColor(200, 220, 235));
    p.setFont(SansFont(12, false));
    p.drawText(QPointF(76, 92), QStringLiteral("Calendario de tendencias del 1/1/2003 al 31/12/2004"));
    p.drawText(QPointF(76, 112), QStringLiteral("Elija otro día para ver una semana completa."));
    p.end();
    return ToPalette(image);
}

QImage Icon()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    DrawLogo(p, QRectF(1, 1, 62, 62));
    return image;
}

QImage MenuPicture(const std::function<void(QPainter&)>& draw)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

void Person(QPainter& p, double x, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(x, 4.5), 2.6, 2.6);
    QPainterPath body;
    body.moveTo(x - 4.5, 15);
    body.cubicTo(x - 4.5, 8, x + 4.5, 8, x + 4.5, 15);
    p.drawPath(body);
}

bool Save(const QImage& image, const QString& dir, const char* name)
{
    const QString path = dir + u'/' + QLatin1String(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-tendency-art OUT_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    bool ok = Save(HourScale(1), dir, "hourscale.png") && Save(Banner(1), dir, "banner.png") &&
              Save(HourScale(2), dir, "hourscale@2x.png") && Save(Banner(2), dir, "banner@2x.png") &&
              Save(Icon(), dir, "pronos.png");

    ok = ok && Save(MenuPicture([](QPainter& p) {
                        Person(p, 5, QColor(40, 90, 170));
                        Person(p, 11, QColor(20, 140, 60));
                    }),
                    dir, "menu-members.png");
    ok = ok && Save(MenuPicture([](QPainter& p) {
                        p.setBrush(QColor(40, 120, 200));
                        p.setPen(QPen(QColor(20, 60, 120), 1));
                        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
                        p.setBrush(Qt::NoBrush);
                        p.setPen(QPen(QColor(200, 235, 255), 1));
                        p.drawEllipse(QRectF(5, 1.5, 6, 13));
                        p.drawLine(QPointF(2, 8), QPointF(14, 8));
                    }),
                    dir, "menu-region.png");
    ok = ok && Save(MenuPicture([](QPainter& p) {
                        p.setPen(QPen(Qt::black, 0.8));
                        p.setBrush(LevelColours[0]);
                        p.drawRect(QRectF(1.5, 1.5, 6, 6));
                        p.setBrush(LevelColours[2]);
                        p.drawRect(QRectF(8.5, 1.5, 6, 6));
                        p.setBrush(LevelColours[3]);
                        p.drawRect(QRectF(1.5, 8.5, 6, 6));
                        p.setBrush(LevelColours[4]);
                        p.drawRect(QRectF(8.5, 8.5, 6, 6));
                    }),
                    dir, "menu-colours.png");
    ok = ok && Save(MenuPicture([](QPainter& p) {
                        p.setPen(QPen(QColor(60, 60, 60), 1));
                        p.setBrush(Qt::white);
                        p.drawRect(QRectF(4.5, 1.5, 7, 5));
                        p.setBrush(QColor(150, 150, 160));
                        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
                        p.setBrush(Qt::white);
                        p.drawRect(QRectF(4.5, 10.5, 7, 4));
                    }),
                    dir, "menu-print.png");
    ok = ok && Save(MenuPicture([](QPainter& p) {
                        p.setPen(QPen(QColor(20, 60, 120), 1));
                        p.setBrush(QColor(60, 110, 190));
                        p.drawRect(QRectF(3.5, 1.5, 10, 13));
                        p.setBrush(QColor(235, 235, 235));
                        p.drawRect(QRectF(2.5, 12.5, 10, 2));
                        p.setPen(QPen(Qt::white, 1.2));
                        p.drawLine(QPointF(6, 5), QPointF(11, 5));
                    }),
                    dir, "menu-contents.png");
    ok = ok && Save(MenuPicture([](QPainter& p) {
                        p.setPen(QPen(QColor(60, 60, 60), 1.6));
                        p.setBrush(QColor(200, 230, 255));
                        p.drawEllipse(QRectF(1.5, 1.5, 8.5, 8.5));
                        p.setPen(QPen(QColor(120, 80, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
                        p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
                    }),
                    dir, "menu-search.png");
    ok = ok && Save(MenuPicture([](QPainter& p) {
                        p.setPen(Qt::NoPen);
                        p.setBrush(QColor(30, 110, 200));
                        p.drawEllipse(QRectF(1, 1, 14, 14));
                        p.setPen(Qt::white);
                        p.setFont(SansFont(12, true));
                        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("i"));
                    }),
                    dir, "menu-concepts.png");
    return ok ? 0 : 1;
}
