#pragma once

#include <QScrollBar>

// A scroll bar worked from the keyboard the way its arrows point. Qt's scroll bars have inverted
// controls, which make Up and Page Up lower the value as users expect, but they turn Left and
// Right round too: on a horizontal bar Right would lower the value. Here Right raises it.
class ArrowKeyScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
