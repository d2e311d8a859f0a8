#include "platform/DataFolder.h"
#include "main/CommandLine.h"
#include "core/Edition.h"
#include "main/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    SettleXdgBaseFolders(); // before any settings object or path lookup
    // --help and --version need no display: answered before the application exists.
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv, DemoEdition()))
        return *answered;
    QApplication app(argc, argv);
    return RunPronos(app);
}
