#pragma once
// Where the user's own files live. On Windows that is the program's folder, as
// always. Elsewhere a program is installed where its users can't write
// (/usr, /opt), and each user keeps a members file of their own, so the files
// live in the user's data folder: $XDG_DATA_HOME/Zeltmark/Pronos/, by default
// ~/.local/share/Zeltmark/Pronos/ — for every run, from the build tree too.
#include "core/Result.h"
#include "platform/Environment.h"

#include <QString>

// The user's data folder for a program started from `programFolder` (which
// ends in '/'), ending in '/'. Empty when the system names none.
QString UserDataFolder(const QString& programFolder);

// Applies the XDG base-directory rule Qt leaves out: a relative (or empty)
// XDG_DATA_HOME or XDG_CONFIG_HOME is ignored, so the default folders apply.
// Called first thing in main(), before Qt reads and caches the paths.
void SettleXdgBaseFolders();

// Sets environment.dataFolder from environment.programFolder and makes sure it
// exists. Missing folders are created for the owner alone. A failure, saying
// why, when the folder's path is not UTF-8 (nothing is created) or the folder
// can't be created: the program can't keep its files and ends. (A members file of an earlier version beside the executable is
// carried over by the members step, CarryOverOldMembers.)
Result<void> PrepareDataFolder(Environment& environment);
