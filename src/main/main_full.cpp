#include "export/CalendarExportCommand.h"
#include "main/CommandLine.h"
#include "platform/DataFolder.h"
#include "core/Edition.h"
#include "main/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    SettleXdgBaseFolders(); // before any settings object or path lookup
    // --help and --version need no display: answered before the application exists.
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv, FullEdition()))
        return *answered;
    UseEdition(FullEdition());
    // The export from a script: no display, and no hand-off to a running copy.
    if (IsExportCommand(argc, argv)) {
        QCoreApplication app(argc, argv);
        return RunExportCommand(QCoreApplication::arguments().mid(1));
    }
    QApplication app(argc, argv);
    StartupOptions options;
    options.window = WindowOption(QCoreApplication::arguments(), FullEdition());
    return RunPronos(app, options);
}
