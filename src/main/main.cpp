#include "platform/DataFolder.h"
#include "main/CommandLine.h"
#include "core/Edition.h"
#include "app/Gral.h"
#include "main/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    SettleXdgBaseFolders(); // before any settings object or path lookup
    // --help and --version need no display: answered before the application exists.
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv, DemoEdition()))
        return *answered;
    QApplication app(argc, argv);
    Gral gral;
    return RunPronos(app, gral);
}
