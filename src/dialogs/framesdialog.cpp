#include "framesdialog.h"

#include "arrowkeyscrollbar.h"
#include "labelnumber.h"
#include "picturedocument.h"
#include "windowlook.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

FramesDialog::FramesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("Form5");
    setWindowTitle("Параметры анимации");
    setFont(designFont());
    setFixedSize(281, 98);

    auto* group = new QGroupBox("Количество кадров", this);
    group->setObjectName("Frame1");
    group->setGeometry(8, 8, 265, 41);

    countLabel_ = new QLabel(group);
    countLabel_->setObjectName("Label1");
    countLabel_->setGeometry(8, 16, 57, 17);
    countLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    countLabel_->setLineWidth(1);
    countLabel_->setAlignment(Qt::AlignCenter);
    countLabel_->setAccessibleName(group->title());

    countSlider_ = new ArrowKeyScrollBar(Qt::Horizontal, group);
    countSlider_->setObjectName("HScroll1");
    countSlider_->setGeometry(72, 16, 185, 17);
    countSlider_->setRange(1, kMaxFrames);
    countSlider_->setSingleStep(1);
    countSlider_->setPageStep(1);
    countSlider_->setAccessibleName(group->title());
    // Tracking is on, so the label follows the thumb while it is dragged.
    connect(countSlider_, &QScrollBar::valueChanged, this, &FramesDialog::showCount);

    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("Command1");
    okButton_->setGeometry(64, 64, 97, 25);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    cancelButton_ = new QPushButton("Отмена", this);
    cancelButton_->setObjectName("Command2");
    cancelButton_->setGeometry(176, 64, 97, 25);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    // The group box and the label take no focus, so the order starts at the slider.
    setTabOrder(countSlider_, okButton_);
    setTabOrder(okButton_, cancelButton_);

    setFrameCount(1);
}

void FramesDialog::setFrameCount(int count) {
    countSlider_->setValue(count);
    showCount(countSlider_->value());
}

int FramesDialog::frameCount() const {
    return countSlider_->value();
}

// A window shown again gives the focus back to where it last was, say Отмена, which Return would
// then press; every opening starts at the slider instead.
void FramesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    countSlider_->setFocus();
}

void FramesDialog::showCount(int count) {
    countLabel_->setText(QString::fromStdString(labelNumber(count)));
    countLabel_->setAccessibleDescription(countLabel_->text().trimmed());
}
