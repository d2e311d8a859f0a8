#pragma once
// Small pieces of window glue that every window would otherwise write out
// again: placing a window, painting a level colour, opening a help topic.
#include "core/Colour.h"
#include "platform/Platform.h"

class QLabel;
class QScreen;
class QWidget;

// Moves the window so that its frame is centred on the available area of
// `screen` (the window's own screen when none is given); a window larger than
// the area has its top left corner on the area's.
void CentreOnScreen(QWidget& window, const QScreen* screen = nullptr);

// Paints the widget's background `fill` and its text `text`.
void SetFillAndText(QWidget& widget, ColourValue fill, ColourValue text);
// A level colour as background, the text in ContrastTextColour of it, so the
// text stays readable on every colour the user may give a level.
void SetLevelFill(QWidget& widget, ColourValue fill);

// The look of the region panels of the main window's status bar (sunken,
// bold, maroon), which the team window repeats.
void SetRegionPanelLook(QLabel& panel);

// Opens a topic of the help file (nothing when no help service is installed).
void ShowHelp(const Platform& platform, HelpContext topic);
