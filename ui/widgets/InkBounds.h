#pragma once

#include <QImage>
#include <QRect>

namespace tenvik {

// The smallest rectangle holding every pixel of image that is not fully transparent, in
// the image's pixels; an empty rectangle when there is none. What a text inks is found by
// drawing it on a transparent canvas and asking this.
QRect InkBounds(const QImage& image);

} // namespace tenvik
