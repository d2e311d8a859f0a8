#include "widgets/WindowKit.h"

#include <algorithm>
#include "app/Gral.h"
#include "widgets/QtColour.h"

#include <QLabel>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& window, const QScreen* screen)
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

void SetFillAndText(QWidget& widget, ColourValue fill, ColourValue text)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ToQColor(fill));
    palette.setColor(QPalette::WindowText, ToQColor(text));
    widget.setPalette(palette);
}

void SetLevelFill(QWidget& widget, ColourValue fill)
{
    SetFillAndText(widget, fill, ContrastTextColour(fill));
}

void SetRegionPanelLook(QLabel& panel)
{
    panel.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont font = panel.font();
    font.setBold(true);
    panel.setFont(font);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    panel.setPalette(palette);
}

void ShowHelp(const Platform& platform, HelpContext topic)
{
    platform.showHelpTopic(topic);
}
