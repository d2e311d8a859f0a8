#include "WindowKit.h"
#include "Gral.h"
#include "QtColour.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget& window, const QScreen* screen)
{
    if (!screen)
        screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void setFillAndText(QWidget& widget, ColourValue fill, ColourValue text)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ToQColor(fill));
    palette.setColor(QPalette::WindowText, ToQColor(text));
    widget.setPalette(palette);
}

void setLevelFill(QWidget& widget, ColourValue fill)
{
    setFillAndText(widget, fill, ContrastTextColour(fill));
}

void showHelp(const Gral& gral, HelpContext topic)
{
    if (gral.platform.showHelpTopic)
        gral.platform.showHelpTopic(topic);
}
