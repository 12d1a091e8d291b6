#include "logowindow.h"

#include "windowlook.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

constexpr QSize kClientSize(500, 230);

} // namespace

LogoWindow::LogoWindow(QWidget* parent, int tickMilliseconds)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), logo_(QStringLiteral(":/logo.png")) {
    setObjectName("Form3");
    // It has no title to name it by, being frameless.
    setAccessibleName(QStringLiteral("Mosaikon"));
    setFont(designFont());
    setFixedSize(kClientSize);

    auto* notice = new QLabel(QStringLiteral("Версия 1.3 2005 год."), this);
    notice->setObjectName("Label1");
    notice->setGeometry(8, 208, 481, 17);
    notice->setAlignment(Qt::AlignCenter);

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    connect(timer_, &QTimer::timeout, this, &LogoWindow::tick);
    timer_->start(tickMilliseconds);

    centreOnScreen(*this);
}

void LogoWindow::showModal() {
    setWindowModality(Qt::ApplicationModal);
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void LogoWindow::tick() {
    ++splashTicks_;
    if (splashTicks_ < kLastTick) {
        return;
    }
    hide();
    splashTicks_ = 0;
    timer_->stop();
}

void LogoWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), logo_);
}

void LogoWindow::keyPressEvent(QKeyEvent*) {
    hide();
}

void LogoWindow::mousePressEvent(QMouseEvent*) {
    hide();
}

// Closing would end the program while the splash is its only window; the window only hides.
void LogoWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}
