#pragma once
// The INI files the program reads on desktops without a registry: where they
// are (the user's config folder, as QSettings finds it) and whether one may
// be read at all.
#include <QString>

// "<user config folder>/<organization>/<application>.conf", found without
// reading any of the files QSettings itself would read for that name.
QString UserConfigFile(const QString& organization, const QString& application);

// True when `path` is a regular file or does not exist. Anything else (a
// FIFO, a device, a folder) is never read, since reading it can block or make
// no sense: it counts as absent.
bool IsAbsentOrRegularFile(const QString& path);
