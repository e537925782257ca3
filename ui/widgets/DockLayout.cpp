#include "ui/widgets/DockLayout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tenvik {
namespace {

// The order in which the edges take their share: every most-top child first, then the
// others in the order added, and client children last, each from what is left then.
int DockPass(Dock dock)
{
    switch (dock) {
    case Dock::MostTop:
        return 0;
    case Dock::Client:
        return 2;
    default:
        return 1;
    }
}

QRect ToPixels(const QRectF& r)
{
    const int left = static_cast<int>(std::lround(r.left()));
    const int top = static_cast<int>(std::lround(r.top()));
    const int right = static_cast<int>(std::lround(r.right()));
    const int bottom = static_cast<int>(std::lround(r.bottom()));
    // A child squeezed to nothing still gets one pixel: Qt is never handed an empty or
    // negative size, and the child comes back whole when there is room again.
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

} // namespace

DockLayout::DockLayout(QWidget* parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
    // The layout asks for no minimum size of its own: a child that does not fit is squeezed;
    // a window that must not get too small says so itself.
    setSizeConstraint(QLayout::SetNoConstraint);
    // Docked children are placed on the whole widget; contents margins a label sets keep
    // its own text clear of them.
    if (parent != nullptr)
        parent->setAttribute(Qt::WA_LayoutOnEntireRect);
}

DockLayout::~DockLayout() = default;

void DockLayout::addDocked(QWidget* widget, Dock dock, const QMarginsF& margins, qreal extent)
{
    addChildWidget(widget);
    Entry entry;
    entry.item = std::make_unique<QWidgetItem>(widget);
    entry.dock = dock;
    entry.margins = margins;
    entry.extent = extent;
    m_entries.push_back(std::move(entry));
    invalidate();
}

void DockLayout::setExtent(const QWidget* widget, qreal extent)
{
    Entry* entry = find(widget);
    if (!entry || entry->extent == extent)
        return;
    entry->extent = extent;
    invalidate();
    if (m_lastGeometry.isValid())
        setGeometry(m_lastGeometry);
}

qreal DockLayout::extent(const QWidget* widget) const
{
    const Entry* entry = find(widget);
    return entry ? entry->extent : 0;
}

QRectF DockLayout::placedRect(const QWidget* widget) const
{
    const Entry* entry = find(widget);
    return entry ? entry->placed : QRectF();
}

QRectF DockLayout::rectFor(const QWidget* widget, const QSizeF& area) const
{
    const std::vector<QRectF> rects = arrange(QRectF(QPointF(0, 0), area));
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].item->widget() == widget)
            return rects[i];
    return {};
}

QRectF DockLayout::freeRect(const QSizeF& area) const
{
    QRectF free;
    arrange(QRectF(QPointF(0, 0), area), &free);
    return free;
}

void DockLayout::addItem(QLayoutItem* item)
{
    Entry entry;
    entry.item.reset(item);
    m_entries.push_back(std::move(entry));
    invalidate();
}

QLayoutItem* DockLayout::itemAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_entries[static_cast<std::size_t>(index)].item.get();
}

QLayoutItem* DockLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    const auto at = m_entries.begin() + index;
    QLayoutItem* item = at->item.release();
    m_entries.erase(at);
    invalidate();
    return item;
}

int DockLayout::count() const
{
    return static_cast<int>(m_entries.size());
}

QSize DockLayout::sizeHint() const
{
    // Docked sizes come from the parent's layout or the window, never from the content.
    return {0, 0};
}

QSize DockLayout::minimumSize() const
{
    return {0, 0};
}

Qt::Orientations DockLayout::expandingDirections() const
{
    return Qt::Horizontal | Qt::Vertical;
}

void DockLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    m_lastGeometry = rect;
    const std::vector<QRectF> rects = arrange(QRectF(rect));
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        Entry& entry = m_entries[i];
        if (entry.item->isEmpty())
            continue;
        entry.placed = rects[i];
        // A docked widget takes its place whole: Qt's own item would keep a button at its
        // size hint (buttons have a fixed height policy) and leave the rest of the slot empty.
        if (QWidget* widget = entry.item->widget())
            widget->setGeometry(ToPixels(rects[i]));
        else
            entry.item->setGeometry(ToPixels(rects[i]));
    }
}

const DockLayout::Entry* DockLayout::find(const QWidget* widget) const
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [widget](const Entry& e) { return e.item->widget() == widget; });
    return it == m_entries.end() ? nullptr : &*it;
}

DockLayout::Entry* DockLayout::find(const QWidget* widget)
{
    return const_cast<Entry*>(std::as_const(*this).find(widget));
}

std::vector<QRectF> DockLayout::arrange(const QRectF& area, QRectF* free) const
{
    std::vector<QRectF> rects(m_entries.size());
    QRectF left = area; // what the docked children have not taken yet
    for (int pass = 0; pass <= 2; ++pass) {
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            const Entry& e = m_entries[i];
            // A hidden child takes no room, as a hidden band leaves no gap.
            if (DockPass(e.dock) != pass || e.item->isEmpty())
                continue;
            const QMarginsF& m = e.margins;
            QRectF r;
            switch (e.dock) {
            case Dock::MostTop:
            case Dock::Top:
                r = QRectF(left.left() + m.left(), left.top() + m.top(), left.width() - m.left() - m.right(), e.extent);
                left.setTop(left.top() + m.top() + e.extent + m.bottom());
                break;
            case Dock::Bottom:
                r = QRectF(left.left() + m.left(), left.bottom() - m.bottom() - e.extent,
                           left.width() - m.left() - m.right(), e.extent);
                left.setBottom(left.bottom() - m.bottom() - e.extent - m.top());
                break;
            case Dock::Left:
                r = QRectF(left.left() + m.left(), left.top() + m.top(), e.extent,
                           left.height() - m.top() - m.bottom());
                left.setLeft(left.left() + m.left() + e.extent + m.right());
                break;
            case Dock::Right:
                r = QRectF(left.right() - m.right() - e.extent, left.top() + m.top(), e.extent,
                           left.height() - m.top() - m.bottom());
                left.setRight(left.right() - m.right() - e.extent - m.left());
                break;
            case Dock::Client:
                r = left.marginsRemoved(m);
                break;
            }
            rects[i] = r;
        }
        if (pass == 1 && free != nullptr)
            *free = left;
    }
    return rects;
}

qreal DockExtent(const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    const auto* dock = parent ? qobject_cast<const DockLayout*>(parent->layout()) : nullptr;
    return dock ? dock->extent(&widget) : 0;
}

} // namespace tenvik
