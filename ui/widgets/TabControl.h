#pragma once

#include <QTabWidget>

// The window's page control: a 49-pixel tab strip across the top whose tabs share its
// whole width, and pages with no frame around them. The keys that QTabWidget would use to
// switch pages (Ctrl+Tab, Ctrl+Page Up/Down) are left to the window, which switches pages
// with Ctrl+Tab whatever has the focus and moves the calendar with Ctrl+Page Up/Down.
namespace tenvik {

class TabControl : public QTabWidget {
    Q_OBJECT
public:
    static constexpr int TabStripHeight = 49;

    explicit TabControl(QWidget* parent = nullptr);

    // Where the pages go for the control's present size. Qt lays the pages out only once
    // the window is shown; the sizing needs the figure before that.
    QRect pageRect() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tenvik
