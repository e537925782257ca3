#include "ui/widgets/Image.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tenvik {

QString AtTwoXPath(const QString& path)
{
    const QFileInfo info(path);
    const QString suffix = info.completeSuffix();
    const QString stem = suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
    if (suffix.isEmpty())
        return stem + QStringLiteral("@2x");
    return stem + QStringLiteral("@2x.") + suffix;
}

Image::Image(QWidget* parent) : QWidget(parent)
{
}

void Image::setPicture(const QString& resourcePath)
{
    // QPixmap never looks for "@2x" files itself; only QIcon does, and only for the
    // scale the application had when the icon was made, so both are loaded here and the
    // scale is chosen when painting.
    m_picture = QPixmap(resourcePath);
    m_picture2x = QPixmap(AtTwoXPath(resourcePath));
    if (!m_picture2x.isNull())
        m_picture2x.setDevicePixelRatio(2.0);
    m_scaled = QPixmap();
    update();
}

void Image::setOpacity(qreal opacity)
{
    opacity = std::clamp(std::isnan(opacity) ? 1.0 : opacity, 0.0, 1.0);
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    update();
}

QPixmap Image::pictureForScale(qreal devicePixelRatio) const
{
    if ((devicePixelRatio > 1.0 || m_picture.isNull()) && !m_picture2x.isNull())
        return m_picture2x;
    return m_picture;
}

void Image::paintEvent(QPaintEvent*)
{
    const qreal scale = devicePixelRatioF();
    const QPixmap source = pictureForScale(scale);
    if (source.isNull() || width() <= 0 || height() <= 0)
        return;

    const QSizeF natural = source.deviceIndependentSize();
    const QSizeF fitted = natural.scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const QSize deviceSize = (fitted * scale).toSize();
    if (deviceSize.isEmpty())
        return;
    // Centred on whole device pixels, so each picture pixel lands on one screen pixel.
    const auto devicePixel = [scale](qreal logical) { return std::round(logical * scale) / scale; };
    const QRectF target(
        QPointF(devicePixel((width() - fitted.width()) / 2), devicePixel((height() - fitted.height()) / 2)),
        QSizeF(deviceSize) / scale);

    // Smoothing once to the device size looks better than the painter's bilinear
    // filter when a large picture shrinks a lot, and costs nothing on later repaints.
    if (m_scaled.size() != deviceSize || m_scaled.devicePixelRatio() != scale) {
        m_scaled = source.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(scale);
    }

    QPainter painter(this);
    painter.setOpacity(m_opacity);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, m_scaled, QRectF(QPointF(0, 0), m_scaled.size()));
}

} // namespace tenvik
