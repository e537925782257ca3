#pragma once

#include <QLabel>
#include <QTimer>

#include <chrono>

// A short message over the bottom of its parent that goes away by itself: it asks for no
// click and takes none (clicks pass through to what lies below). A screen reader is told
// of it as an alert.
namespace tenvik {

class Notice : public QLabel {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds DefaultDuration{4000};

    explicit Notice(QWidget* parent);

    // Shows the message (replacing one still showing) for the notice's duration.
    void showMessage(const QString& message);
    // The same for a duration of its own, this once.
    void showMessage(const QString& message, std::chrono::milliseconds duration);
    void setDuration(std::chrono::milliseconds duration) { m_duration = duration; }
    std::chrono::milliseconds duration() const { return m_duration; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QTimer m_hide;
    std::chrono::milliseconds m_duration = DefaultDuration;
};

} // namespace tenvik
