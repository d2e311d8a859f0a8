#include "widgets/ProgramIcon.h"

QIcon ProgramIcon()
{
    QIcon builtIn;
    for (const int size : {16, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/pronos.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("pronos"), builtIn);
}
