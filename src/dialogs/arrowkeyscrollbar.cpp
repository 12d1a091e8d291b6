#include "arrowkeyscrollbar.h"

#include <QKeyEvent>

ArrowKeyScrollBar::ArrowKeyScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void ArrowKeyScrollBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(event->key() == Qt::Key_Right ? SliderSingleStepAdd : SliderSingleStepSub);
    event->accept();
}
