#include "previewpanel.h"

#include "frameprogressbar.h"
#include "picturedocument.h"
#include "previewbox.h"
#include "previewcycle.h"

#include <QCheckBox>
#include <QTimer>

namespace {

constexpr QPoint kTopLeft(0, 112);

} // namespace

PreviewPanel::PreviewPanel(PictureDocument& doc, QWidget* client) : QWidget(client), doc_(doc) {
    setGeometry(QRect(kTopLeft, QSize(132, 135)));

    previewCheck_ = new QCheckBox("Предосмотр:", this);
    previewCheck_->setObjectName("Check1");
    previewCheck_->setGeometry(QRect(0, 112, 129, 17).translated(-kTopLeft));
    previewCheck_->setLayoutDirection(Qt::RightToLeft); // the box stands after its caption
    previewCheck_->setChecked(true);

    view_ = new PreviewBox(this);
    view_->setGeometry(QRect(0, 136, 132, 100).translated(-kTopLeft));

    progressBar_ = new FrameProgressBar(this);
    progressBar_->setObjectName("ProgressBar1");
    progressBar_->setGeometry(QRect(0, 240, 132, 7).translated(-kTopLeft));

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    // A coarse timer would round 192 ms to 200 and play delays 16 and 17 at one speed.
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &PreviewPanel::tick);
}

void PreviewPanel::setInterval(int milliseconds) {
    // A QTimer of interval 0 would fire continuously; 0 means a stopped preview here.
    if (milliseconds <= 0) {
        timer_->stop();
        timer_->setInterval(0);
        return;
    }
    timer_->start(milliseconds);
}

void PreviewPanel::tick() {
    // The greyed third state counts as off too.
    if (previewCheck_->checkState() != Qt::Checked) {
        view_->clear();
        return;
    }
    const PreviewStep step = advancePreview(doc_);
    view_->showFrame(doc_, step.frame);
    progressBar_->setValue(step.progress);
}

void PreviewPanel::clear() {
    view_->clear();
}
