#pragma once

#include <QScrollBar>

// A scroll bar worked from the keyboard the way its arrows point. Qt's scroll bars have inverted
// controls, which make Up and Page Up lower the value as users expect, but they turn Left and
// Right round too: on a horizontal bar Right would lower the value. Here Right raises it.
// Turning the inverted controls off is no way out: it turns Up, Down, the page keys and the wheel
// round along with Left and Right.
class ArrowKeyScrollBar : public QScrollBar {
public:
    // Unlike a plain scroll bar, it takes the focus from Tab and a click, so its keys can be used.
    explicit ArrowKeyScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
