#pragma once
// The About window's pictures, drawn once when the window opens: the
// program's picture and the two linked badges.
#include <QImage>

QImage ProgramPicture(); // 105 × 273
QImage MakerBanner();    // 190 × 65
QImage DownloadBadge();  // 141 × 46
