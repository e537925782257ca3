#include "ui/widgets/ScrollPage.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace tenvik {

ScrollPage::ScrollPage(QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The keyboard goes to the controls on the page, never to the scrolling itself.
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
}

void ScrollPage::setContent(QWidget* content, std::function<int(int width)> heightFor)
{
    m_heightFor = std::move(heightFor);
    setWidget(content);
    // QScrollArea paints the content's background; the page's own colour is what shows.
    content->setAutoFillBackground(false);
    fitContentHeight();
}

void ScrollPage::fitContentHeight()
{
    QWidget* content = widget();
    if (content == nullptr || !m_heightFor)
        return;
    const int needed = m_heightFor(viewport()->width());
    if (content->minimumHeight() != needed)
        content->setMinimumHeight(needed);
}

bool ScrollPage::viewportEvent(QEvent* event)
{
    // A scroll bar coming or going narrows or widens the view, and with it what the
    // content needs.
    if (event->type() == QEvent::Resize)
        fitContentHeight();
    return QScrollArea::viewportEvent(event);
}

bool ScrollPage::scrollByKey(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const bool leftToRight = layoutDirection() == Qt::LeftToRight;
    QScrollBar& down = *verticalScrollBar();
    QScrollBar& across = *horizontalScrollBar();
    switch (event.key()) {
    case Qt::Key_PageUp:
        down.triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
    case Qt::Key_PageDown:
        down.triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
    case Qt::Key_Home:
        down.triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        down.triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    case Qt::Key_Up:
        down.triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Down:
        down.triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Left:
        across.triggerAction(leftToRight ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Right:
        across.triggerAction(leftToRight ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        return true;
    default:
        return false;
    }
}

void ScrollPage::keyPressEvent(QKeyEvent* event)
{
    if (!scrollByKey(*event))
        event->ignore();
}

} // namespace tenvik
