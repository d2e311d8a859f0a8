#pragma once
// The About window's pictures, drawn once when the window opens: the
// program's picture and the two linked badges. Sizes are in logical pixels;
// `scale` is the screen's device pixel ratio, so they stay sharp above 100 %.
#include <QImage>

QImage ProgramPicture(qreal scale = 1); // 105 × 273
QImage MakerBanner(qreal scale = 1);    // 190 × 65
QImage DownloadBadge(qreal scale = 1);  // 141 × 46
