#pragma once

#include <QDialog>
#include <QPixmap>

#include <cstdint>

class QTimer;

// The logo window: the splash at start-up and the About box afterwards. A key or a click hides it.
// Its timer counts the splash's ticks once per run; the count goes on while the window is hidden,
// and at its end the window is hidden wherever it is, so an About box opened before the count ran
// out goes by itself too.
class LogoWindow : public QDialog {
    Q_OBJECT

public:
    // 101 ticks of 16 ms keep the splash about 1.6 s on screen.
    static constexpr int kTickMilliseconds = 16;
    static constexpr int kLastTick = 101;

    explicit LogoWindow(QWidget* parent = nullptr, int tickMilliseconds = kTickMilliseconds);

    // Shows the window centred on the screen, modal to the whole program, without waiting.
    void showModal();

    int splashTicks() const { return splashTicks_; }

public slots:
    // One tick of the splash count; the last one hides the window and stops the count for good.
    void tick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPixmap logo_;
    QTimer* timer_ = nullptr;
    std::int16_t splashTicks_ = 0;
};
