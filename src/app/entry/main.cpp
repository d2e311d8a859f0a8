#include "DataFolder.h"
#include "Gral.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    SettleXdgBaseFolders(); // before any settings object or path lookup
    QApplication app(argc, argv);
    Gral gral;
    return RunPronos(app, gral);
}
