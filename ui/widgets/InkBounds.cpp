#include "ui/widgets/InkBounds.h"

#include <algorithm>

namespace tenvik {

QRect InkBounds(const QImage& image)
{
    const QImage argb = image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_ARGB32
        ? image
        : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int left = argb.width();
    int right = -1;
    int top = argb.height();
    int bottom = -1;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace tenvik
