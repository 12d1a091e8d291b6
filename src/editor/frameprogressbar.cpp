#include "frameprogressbar.h"

#include "previewcycle.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QStyleOptionProgressBar>
#include <QStylePainter>

namespace {

// A progress bar to a screen reader, whose value is read when asked and never announced.
class QuietProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit QuietProgressAccessible(FrameProgressBar* bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return kFullProgress; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 0; }

private:
    FrameProgressBar* bar() const { return static_cast<FrameProgressBar*>(widget()); }
};

QAccessibleInterface* quietProgressFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("FrameProgressBar")) {
        return new QuietProgressAccessible(static_cast<FrameProgressBar*>(object));
    }
    return nullptr;
}

} // namespace

FrameProgressBar::FrameProgressBar(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(quietProgressFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAccessibleName(QStringLiteral("Кадр анимации"));
}

void FrameProgressBar::setValue(int value) {
    if (value_ != value) {
        value_ = value;
        update();
    }
}

void FrameProgressBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionProgressBar option;
    option.initFrom(this);
    option.minimum = 0;
    option.maximum = kFullProgress;
    option.progress = value_;
    option.textVisible = false;
    option.state |= QStyle::State_Horizontal;
    painter.drawControl(QStyle::CE_ProgressBar, option);
}
