#include "ui/widgets/TabControl.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace tenvik {
namespace {

// Tabs of the strip's height. With expanding on they share the strip's whole width; in a
// narrow window they are elided rather than scrolled.
class TallTabBar : public QTabBar {
public:
    explicit TallTabBar(QWidget* parent) : QTabBar(parent)
    {
        setDrawBase(false);
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideRight);
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        return {QTabBar::tabSizeHint(index).width(), TabControl::TabStripHeight};
    }
    QSize minimumTabSizeHint(int) const override { return {1, TabControl::TabStripHeight}; }
};

bool IsPageSwitchKey(const QKeyEvent& event)
{
    if (!(event.modifiers() & Qt::ControlModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

TabControl::TabControl(QWidget* parent) : QTabWidget(parent)
{
    setTabBar(new TallTabBar(this));
    setDocumentMode(true);        // pages without a frame, tab strip across the full width
    tabBar()->setExpanding(true); // after setDocumentMode, which switches it off
}

QRect TabControl::pageRect() const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
}

void TabControl::keyPressEvent(QKeyEvent* event)
{
    if (IsPageSwitchKey(*event)) {
        event->ignore();
        return;
    }
    QTabWidget::keyPressEvent(event);
}

} // namespace tenvik
