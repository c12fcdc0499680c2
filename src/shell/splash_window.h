#pragma once

#include <QTimer>
#include <QWidget>

namespace mw::shell {

// The start-up picture: borderless, on top, centred; it closes itself after
// 2500 ms, or at the first key or mouse button press.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMs = 2500;
    explicit SplashWindow(QWidget* parent = nullptr);
    void showCentred();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_timer;
};

}  // namespace mw::shell
