#pragma once
// Help context numbers on widgets, and the F1 key that opens them.
#include "app/Gral.h"

class QObject;
class QWidget;

// Gives the widget (and every child without one of its own) a help context.
void SetHelpContext(QWidget* widget, HelpContext context);

// The context of the widget or of its nearest container within the same
// window that has one; 0 when none has.
int HelpContextOf(const QWidget* widget);

// Makes F1 anywhere in the application open the help topic of the widget
// that has the keyboard focus (through gral.platform.showHelpTopic). Returns
// the filter (owned by the application) so a test can remove it again.
QObject* InstallHelpKey(Gral& gral);
