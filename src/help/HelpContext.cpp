#include "help/HelpContext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace {

const char* const HelpContextProperty = "helpContext";

class HelpKeyFilter : public QObject {
public:
    HelpKeyFilter(Gral& gral, QObject* parent) : QObject(parent), gral_(gral) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // Key events reach the window object first and then the focused
        // widget (or an open pop-up menu); only the widget tells the context.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        int context = HelpContextOf(widget);
        if (context == 0 && qobject_cast<QMenu*>(widget->window()))
            context = HelpContextOf(widget->window()->parentWidget()); // a menu without its own context
        if (context == 0)
            context = HelpContextOf(QApplication::activeWindow());
        if (context == 0)
            return false;
        gral_.platform.showHelpTopic(HelpContext(context));
        return true; // handled: the parents must not see it again
    }

private:
    Gral& gral_;
};

} // namespace

void SetHelpContext(QWidget* widget, HelpContext context)
{
    if (widget)
        widget->setProperty(HelpContextProperty, context);
}

int HelpContextOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant value = w->property(HelpContextProperty);
        if (value.isValid() && value.toInt() != 0)
            return value.toInt();
        if (w->isWindow())
            break;
    }
    return 0;
}

QObject* InstallHelpKey(Gral& gral)
{
    auto* filter = new HelpKeyFilter(gral, qApp);
    qApp->installEventFilter(filter);
    return filter;
}
