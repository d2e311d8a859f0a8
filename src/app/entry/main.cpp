#include "Gral.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Gral gral;
    return RunPronos(app, gral);
}
