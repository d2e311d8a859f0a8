// A stand-in for a copy of the program, for the single-instance test:
//   singleinstance_probe listen TITLE  — first copy: prints "listening", then
//       "show-requested" (and " ACTION" when one was asked for) and ends with 0
//       when a later copy asks it to show; ends with 2 when the name is in
//       use, 3 when nobody asked in time.
//   singleinstance_probe probe TITLE [ACTION] — later copy: ends with 10 when
//       a first copy answered, 0 when there is none.
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && !(args.size() == 4 && args[1] == QStringLiteral("probe")))
        return 64;
    QTextStream out(stdout);
    SingleInstance instance(args[2]);
    if (args[1] == QStringLiteral("probe"))
        return SingleInstance::AskRunningCopyToShow(args[2], 2000, args.value(3)) ? 10 : 0;
    if (args[1] != QStringLiteral("listen"))
        return 64;
    if (!instance.listen()) {
        out << "busy" << Qt::endl;
        return 2;
    }
    QObject::connect(&instance, &SingleInstance::showRequested, &app, [&](const QString& action) {
        out << "show-requested" << (action.isEmpty() ? QString() : u' ' + action) << Qt::endl;
        QTimer::singleShot(200, &app, [] { QCoreApplication::exit(0); });
    });
    QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(3); });
    out << "listening" << Qt::endl;
    return app.exec();
}
