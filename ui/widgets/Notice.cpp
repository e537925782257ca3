#include "ui/widgets/Notice.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace tenvik {

namespace {
constexpr int EdgeGap = 16;     // from the parent's sides and bottom
constexpr int Padding = 10;     // around the text
constexpr qreal Rounding = 8.0; // of the corners
const QColor Backdrop(0x20, 0x20, 0x20, 0xE6);
} // namespace

Notice::Notice(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setContentsMargins(Padding, Padding, Padding, Padding);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    hide();
    m_hide.setSingleShot(true);
    connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
    // It follows its parent's size while it shows.
    parent->installEventFilter(this);
}

void Notice::showMessage(const QString& message)
{
    showMessage(message, m_duration);
}

void Notice::showMessage(const QString& message, std::chrono::milliseconds duration)
{
    setText(message);
    setAccessibleName(message);
    place();
    raise();
    show();
    m_hide.start(duration);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Notice::place()
{
    const QWidget& parent = *parentWidget();
    const int width = std::max(1, std::min(sizeHint().width(), parent.width() - 2 * EdgeGap));
    const int height = heightForWidth(width);
    setGeometry((parent.width() - width) / 2, parent.height() - EdgeGap - height, width, height);
}

bool Notice::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        place();
    return QLabel::eventFilter(watched, event);
}

void Notice::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Backdrop);
        painter.drawRoundedRect(QRectF(rect()), Rounding, Rounding);
    }
    QLabel::paintEvent(event);
}

} // namespace tenvik
