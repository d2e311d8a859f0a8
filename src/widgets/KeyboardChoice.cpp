#include "widgets/KeyboardChoice.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

class KeyboardChoice : public QObject {
public:
    KeyboardChoice(QWidget* control, std::function<void()> choose)
        : QObject(control), control_(control), choose_(std::move(choose))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != control_)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool chooses = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return
                                 || key->key() == Qt::Key_Enter;
            if (!chooses || key->modifiers() & ~Qt::KeypadModifier)
                return false;
            if (choose_)
                choose_();
            return true;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            control_->update();
            return false;
        case QEvent::Paint:
            if (!control_->hasFocus())
                return false;
            // The control paints itself first; the frame goes on top.
            static_cast<QObject*>(control_)->event(event);
            paintFocusFrame();
            return true;
        default:
            return false;
        }
    }

private:
    // White under black dashes: seen on any fill and over any picture.
    void paintFocusFrame()
    {
        QPainter painter(control_);
        painter.setBrush(Qt::NoBrush);
        const QRect frame = control_->rect().adjusted(2, 2, -3, -3);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(frame);
    }

    QWidget* control_;
    std::function<void()> choose_;
};

} // namespace

void MakeKeyboardChoice(QWidget* control, std::function<void()> choose)
{
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new KeyboardChoice(control, std::move(choose)));
}
