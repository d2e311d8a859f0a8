#pragma once
// Makes a control without keyboard handling of its own (a colour panel, a
// level box, a linked picture, the zone map) a stop of the Tab order: while it
// has the keyboard it shows a dashed black and white frame, and Space or Enter
// act as a click on it. Other keys (the arrows)
// go on to the control's window as before.
#include <QWidget>
#include <functional>

void MakeKeyboardChoice(QWidget* control, std::function<void()> choose);
