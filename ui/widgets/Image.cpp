#include "ui/widgets/Image.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tenvik {

namespace {

// Read straight into a pixmap of our own: QPixmap's own loading would also keep a copy in
// Qt's shared pixmap cache, where a picture let go of here would stay.
QPixmap ReadPicture(const QString& path, qreal devicePixelRatio)
{
    if (path.isEmpty())
        return {};
    QPixmap picture = QPixmap::fromImage(QImage(path));
    if (!picture.isNull())
        picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

// The fitted size of a picture of a natural size, in device pixels; empty when nothing
// is to be drawn.
QSize DeviceSizeFor(const QSizeF& natural, const QSize& area, qreal scale)
{
    if (natural.isEmpty())
        return {};
    return (natural.scaled(QSizeF(area), Qt::KeepAspectRatio) * scale).toSize();
}

} // namespace

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
    m_path = resourcePath;
    m_picture.reset();
    m_picture2x.reset();
    m_naturalSize.reset();
    m_scaled = QPixmap();
    m_scaledFrom = QSizeF();
    update();
}

// QPixmap never looks for "@2x" files itself; only QIcon does, and only for the scale the
// application had when the icon was made, so each variant is read here when a scale first
// needs it.
const QPixmap& Image::plainPicture() const
{
    if (!m_picture)
        m_picture = ReadPicture(m_path, 1.0);
    return *m_picture;
}

const QPixmap& Image::twiceScalePicture() const
{
    if (!m_picture2x)
        m_picture2x = m_path.isEmpty() ? QPixmap() : ReadPicture(AtTwoXPath(m_path), 2.0);
    return *m_picture2x;
}

QPixmap Image::pictureForScale(qreal devicePixelRatio) const
{
    if (devicePixelRatio > 1.0 && !twiceScalePicture().isNull())
        return twiceScalePicture();
    if (plainPicture().isNull())
        return twiceScalePicture();
    return plainPicture();
}

QSize Image::naturalSize() const
{
    if (!m_naturalSize)
        m_naturalSize = m_path.isEmpty() ? QSize() : QImageReader(m_path).size();
    return *m_naturalSize;
}

bool Image::hasHeightForWidth() const
{
    return !naturalSize().isEmpty();
}

int Image::heightForWidth(int width) const
{
    const QSize natural = naturalSize();
    if (natural.isEmpty())
        return QWidget::heightForWidth(width);
    const int shown = std::min(width, natural.width());
    return static_cast<int>(std::ceil(qreal(natural.height()) * shown / natural.width()));
}

QSize Image::sizeHint() const
{
    const QSize natural = naturalSize();
    return natural.isEmpty() ? QWidget::sizeHint() : natural;
}

void Image::setOpacity(qreal opacity)
{
    opacity = std::clamp(std::isnan(opacity) ? 1.0 : opacity, 0.0, 1.0);
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    const qreal scale = devicePixelRatioF();

    // Smoothing once to the device size looks better than the painter's bilinear filter
    // when a large picture shrinks a lot, and costs nothing on later repaints. The copy
    // serves as long as the size and the screen's scale stay; only then is the picture
    // itself needed again.
    QSizeF natural = m_scaledFrom;
    QSize deviceSize = DeviceSizeFor(natural, size(), scale);
    if (m_scaled.isNull() || m_scaled.devicePixelRatio() != scale || m_scaled.size() != deviceSize) {
        const QPixmap source = pictureForScale(scale);
        natural = source.deviceIndependentSize();
        deviceSize = DeviceSizeFor(natural, size(), scale);
        if (source.isNull() || deviceSize.isEmpty())
            return;
        m_scaled = source.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(scale);
        m_scaledFrom = natural;
    }

    // Centred on whole device pixels, so each picture pixel lands on one screen pixel.
    const QSizeF fitted = natural.scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const auto devicePixel = [scale](qreal logical) { return std::round(logical * scale) / scale; };
    const QRectF target(
        QPointF(devicePixel((width() - fitted.width()) / 2), devicePixel((height() - fitted.height()) / 2)),
        QSizeF(deviceSize) / scale);

    QPainter painter(this);
    painter.setOpacity(m_opacity);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, m_scaled, QRectF(QPointF(0, 0), m_scaled.size()));
}

void Image::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // The scaled copy is all a later paint at the same size needs.
    m_picture.reset();
    m_picture2x.reset();
}

} // namespace tenvik
