#pragma once
// The two options every edition answers without opening a window: --help and
// --version. They are read before the application object exists, so they work
// without a display; every other argument is left to Qt and the program.
#include "core/Edition.h"

#include <QString>
#include <QStringList>
#include <optional>

// The text --help or --version prints for `arguments` (argv, the program's name
// first), or nothing when neither is asked for.
std::optional<QString> CommandLineAnswer(const QStringList& arguments, const Edition& edition);

// The window the command line asks for (`--integrantes`: "integrantes", the
// members window; `--equipo`: "equipo", the team window) in an edition with
// window options; empty otherwise. The word is also the request handed to a
// running copy.
QString WindowOption(const QStringList& arguments, const Edition& edition);

// Prints that answer on the standard output; returns the exit code (0) when
// there was one, so main() ends at once.
std::optional<int> AnswerCommandLine(int argc, char* argv[], const Edition& edition);
