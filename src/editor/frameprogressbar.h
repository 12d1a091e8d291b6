#pragma once

#include <QWidget>

// The preview's progress bar: how far the animation's cycle has come, 0..100, drawn as the
// style draws a progress bar. Unlike QProgressBar it tells a screen reader nothing of its own
// accord: the preview moves it several times a second, and a reader would announce every step.
// The reader still finds it, named «Кадр анимации», with its value, whenever it looks.
class FrameProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit FrameProgressBar(QWidget* parent = nullptr);

    int value() const { return value_; }
    // Shows the value at the next paint, together with whatever else repaints then.
    void setValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int value_ = 0;
};
