#include "widgets/ScaledPicture.h"

#include <QFileInfo>
#include <QPainter>

namespace {
QString DoubleSizePath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? path + QStringLiteral("@2x") : path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QSize DeviceSize(QSize logical, qreal scale)
{
    return QSize(qRound(logical.width() * scale), qRound(logical.height() * scale));
}
} // namespace

QPixmap ScaledPicture(const QString& path, qreal devicePixelRatio)
{
    QPixmap normal(path);
    if (devicePixelRatio <= 1 || normal.isNull())
        return normal;
    QPixmap picture(DoubleSizePath(path));
    if (picture.isNull())
        return normal;
    if (!qFuzzyCompare(devicePixelRatio, 2.0))
        picture = picture.scaled(DeviceSize(normal.size(), devicePixelRatio), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

QImage DrawScaledPicture(QSize logical, qreal scale, const std::function<void(QPainter&)>& draw, QImage::Format format)
{
    scale = std::max<qreal>(scale, 1);
    QImage image(DeviceSize(logical, scale), format);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    draw(painter);
    painter.end();
    return image;
}
