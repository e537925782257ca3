#include "ui/widgets/ComboBox.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QProxyStyle>

namespace tenvik {

namespace {

// Styles that drop a combo box's list down as a menu (Fusion, macOS, GTK) show every item
// and ignore the number of rows the box asks for; this one drops a list of that many rows
// in every style.
class ListedRowsStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* SharedListedRowsStyle()
{
    // One for every combo box, going with the application.
    static QPointer<QStyle> style;
    if (style.isNull()) {
        style = new ListedRowsStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setStyle(SharedListedRowsStyle());
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

void ComboBox::changeEvent(QEvent* event)
{
    // For a new font QComboBox lays its whole list out again at once, which for a long list
    // is most of the window's start-up font work. A list that has not dropped down yet is
    // only handed the font, to lay out when it first shows; and a box that has not shown
    // yet is measured again when it first does.
    if (event->type() == QEvent::FontChange && !m_shownOnce && m_popupWindow == nullptr) {
        QWidget::changeEvent(event);
        view()->window()->setFont(font());
        return;
    }
    QComboBox::changeEvent(event);
}

void ComboBox::showEvent(QShowEvent* event)
{
    m_shownOnce = true;
    QComboBox::showEvent(event);
}

} // namespace tenvik
