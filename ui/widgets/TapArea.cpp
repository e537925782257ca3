#include "ui/widgets/TapArea.h"

#include <QGestureEvent>
#include <QMouseEvent>

namespace tenvik {

TapArea::TapArea(QWidget* parent) : QWidget(parent)
{
}

void TapArea::setLongTapEnabled(bool on)
{
    if (on)
        grabGesture(Qt::TapAndHoldGesture);
    else
        ungrabGesture(Qt::TapAndHoldGesture);
}

void TapArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit doubleClicked();
}

bool TapArea::event(QEvent* event)
{
    if (event->type() == QEvent::Gesture) {
        auto* gestureEvent = static_cast<QGestureEvent*>(event);
        if (QGesture* tapAndHold = gestureEvent->gesture(Qt::TapAndHoldGesture)) {
            // Every stage is taken, so the gesture never reaches a parent; only its end
            // counts as the long tap.
            gestureEvent->accept(tapAndHold);
            if (tapAndHold->state() == Qt::GestureFinished)
                emit longTapped();
        }
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

} // namespace tenvik
