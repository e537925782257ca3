#pragma once

#include <QString>

#include <vector>

class QWidget;

namespace tenvik::test {

// Every text in the widget tree under root that its widget cannot show whole, each as
// "objectName: text": a label's lines beyond its width or height, a button's caption (and
// icon) beyond the style's room for it, a tab's title beyond its tab, a field's prompt, and
// any item of a drop-down list that would not fit the closed box once chosen. Only the
// shown part of the window counts (the current page), with the widgets on it that are
// hidden until used, at the size they have. Empty when everything fits.
std::vector<QString> ClippedTexts(const QWidget& root);

} // namespace tenvik::test
