#pragma once
// Pictures at the screen's scale, so that they stay sharp at 150 % and 200 %
// instead of being blown up from their 100 % pixels.
#include <QImage>
#include <QPixmap>
#include <functional>

class QPainter;

// The picture file at `path` for a screen of `devicePixelRatio`: above 1 the
// drawing made for 200 % ("name@2x.png" beside "name.png") is used, resampled
// smoothly for other scales; without one, the 100 % file.
QPixmap ScaledPicture(const QString& path, qreal devicePixelRatio);

// A picture of `logical` size drawn in code with `scale` device pixels per
// logical pixel; `draw` paints in logical coordinates.
QImage DrawScaledPicture(QSize logical, qreal scale, const std::function<void(QPainter&)>& draw,
                         QImage::Format format = QImage::Format_RGB32);
