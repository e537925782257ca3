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

void ScrollPage::keyPressEvent(QKeyEvent* event)
{
    event->ignore();
}

} // namespace tenvik
