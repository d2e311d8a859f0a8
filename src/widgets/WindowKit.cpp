#include "widgets/WindowKit.h"

#include <algorithm>
#include "app/Gral.h"
#include "widgets/QtColour.h"

#include <QLabel>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget& window, const QScreen* screen)
{
    if (!screen)
        screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    // A window larger than the area keeps its title bar on it, so it can still be moved.
    window.move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
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

void setRegionPanelLook(QLabel& panel)
{
    panel.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont font = panel.font();
    font.setBold(true);
    panel.setFont(font);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    panel.setPalette(palette);
}

void showHelp(const Platform& platform, HelpContext topic)
{
    platform.showHelpTopic(topic);
}
