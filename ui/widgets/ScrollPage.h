#pragma once

#include <QScrollArea>

#include <functional>

class QKeyEvent;

// The body of a page that scrolls up and down when the window is lower than what the page
// holds, instead of cutting it off. It draws nothing of its own, no frame and no
// background, so the rectangle it lies on shows through. It takes no focus of its own but
// scrolls, as any scrolling view does, by the keys its controls leave unused.
namespace tenvik {

class ScrollPage : public QScrollArea {
    Q_OBJECT
public:
    explicit ScrollPage(QWidget* parent = nullptr);

    // content takes the page's whole width and at least its height; heightFor(width) is
    // how high it needs to be at a width to show all it holds.
    void setContent(QWidget* content, std::function<int(int width)> heightFor);

    // Page Up and Down a screen, the arrows a step, Home and End to the top and the bottom,
    // with no modifier held; whether the key was one of those.
    bool scrollByKey(const QKeyEvent& event);

protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitContentHeight();

    std::function<int(int)> m_heightFor;
};

} // namespace tenvik
