#pragma once

#include <QLayout>
#include <QMarginsF>
#include <QRectF>

#include <memory>
#include <vector>

// Places children the way the window's bands are described: docked at an edge with a
// height (top, bottom) or width (left, right) of their own, or filling what the docked
// ones leave (client; several client children share that area, the later drawn over the
// earlier). Each child has its own margins and gets its whole place, whatever its size
// policy. Extents are kept as fractions; only whole pixels reach Qt, and never less than one.
namespace tenvik {

enum class Dock { MostTop, Top, Bottom, Left, Right, Client };

class DockLayout : public QLayout {
    Q_OBJECT
public:
    explicit DockLayout(QWidget* parent);
    ~DockLayout() override;

    // Makes widget a child of the layout's widget and docks it. extent is the height of a
    // top or bottom child and the width of a left or right one; a client child ignores it.
    void addDocked(QWidget* widget, Dock dock, const QMarginsF& margins = {}, qreal extent = 0);

    // Re-docks the child at once when the value changes.
    void setExtent(const QWidget* widget, qreal extent);
    qreal extent(const QWidget* widget) const;

    // Where the child was last placed, before the edges were rounded to pixels.
    QRectF placedRect(const QWidget* widget) const;
    // Where the child would go in an area of that size (for sizes Qt has not applied yet).
    QRectF rectFor(const QWidget* widget, const QSizeF& area) const;
    // What the docked children leave of an area of that size: where a client child goes.
    QRectF freeRect(const QSizeF& area) const;

    void addItem(QLayoutItem* item) override; // a plain addWidget docks as client
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        std::unique_ptr<QLayoutItem> item;
        Dock dock = Dock::Client;
        QMarginsF margins;
        qreal extent = 0;
        QRectF placed;
    };

    const Entry* find(const QWidget* widget) const;
    Entry* find(const QWidget* widget);
    // The rectangles of all entries, in entry order, for an area; and what the docked
    // ones leave of it.
    std::vector<QRectF> arrange(const QRectF& area, QRectF* free = nullptr) const;

    std::vector<Entry> m_entries;
    QRect m_lastGeometry;
};

// The height (or width) a docked widget was given; 0 for a widget not docked.
qreal DockExtent(const QWidget& widget);

} // namespace tenvik
