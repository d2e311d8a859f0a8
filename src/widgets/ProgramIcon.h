#pragma once
// The program's icon: the one artwork of the menu entry and of every window.
#include <QIcon>

// The desktop theme's "pronos" icon (the installed hicolor one), or, where no
// theme has it (the build tree, another prefix), the same pictures built in.
QIcon ProgramIcon();
