#pragma once

#include <QScrollArea>

#include <functional>

// The body of a page that scrolls up and down when the window is lower than what the page
// holds, instead of cutting it off. It draws nothing of its own, no frame and no
// background, so the rectangle it lies on shows through; and it leaves every key to the
// window, so the keys that move the calendar keep doing so.
namespace tenvik {

class ScrollPage : public QScrollArea {
    Q_OBJECT
public:
    explicit ScrollPage(QWidget* parent = nullptr);

    // content takes the page's whole width and at least its height; heightFor(width) is
    // how high it needs to be at a width to show all it holds.
    void setContent(QWidget* content, std::function<int(int width)> heightFor);

protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitContentHeight();

    std::function<int(int)> m_heightFor;
};

} // namespace tenvik
