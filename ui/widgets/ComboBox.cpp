#include "ui/widgets/ComboBox.h"

#include <QAbstractItemView>
#include <QEvent>

namespace tenvik {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
}

void ComboBox::showPopup()
{
    // The list's window is made when it first drops down (every way of opening it comes
    // through here). It shows and hides on every path: showPopup and hidePopup, but also
    // a click outside, Escape, or the window losing focus, which close it directly.
    if (m_popupWindow == nullptr) {
        m_popupWindow = view()->window();
        m_popupWindow->installEventFilter(this);
    }
    QComboBox::showPopup();
}

void ComboBox::hidePopup()
{
    QComboBox::hidePopup();
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_popupWindow) {
        if (event->type() == QEvent::Show)
            emit popupOpened();
        else if (event->type() == QEvent::Hide)
            // QComboBox hides the list before it makes the chosen item current; reported
            // once that has happened, the close sees the choice.
            QMetaObject::invokeMethod(this, &ComboBox::popupClosed, Qt::QueuedConnection);
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace tenvik
