#include "statusarea.h"

#include "documentbytes.h"
#include "labelnumber.h"
#include "picturedocument.h"

#include <QLabel>

namespace {

constexpr QPoint kTopLeft(0, 32);

QString numberText(int value) {
    return QString::fromStdString(labelNumber(value));
}

} // namespace

StatusArea::StatusArea(QWidget* client) : QWidget(client) {
    setGeometry(QRect(kTopLeft, QSize(377, 65)));
    // Places in the client area, as the design gives them.
    const auto makeLabel = [this](const char* name, const QString& text, QRect place,
                                  Qt::Alignment alignment, bool bordered) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setGeometry(place.translated(-kTopLeft));
        label->setAlignment(alignment | Qt::AlignVCenter);
        if (bordered) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
        }
        return label;
    };
    const auto caption = [&](const char* name, const QString& text, QRect place) {
        return makeLabel(name, text, place, Qt::AlignRight, false);
    };
    // A screen reader names each value by its caption and reads the value as its description.
    const auto value = [&](const char* name, const char* caption, QRect place) {
        QLabel* label = makeLabel(name, QString(), place, Qt::AlignHCenter, true);
        label->setAccessibleName(QString::fromUtf8(caption));
        return label;
    };
    captionLabels_[0] = caption("Label1_0", "Размер изображения:", {0, 32, 113, 17});
    valueLabels_[0] = value("Label2_0", "Размер изображения", {120, 32, 73, 17});
    caption("Label3", "Формат:", {200, 32, 49, 17});
    valueLabels_[1] = value("Label2_1", "Формат", {256, 32, 33, 17});
    valueLabels_[2] = value("Label2_2", "байт", {296, 32, 49, 17});
    makeLabel("Label5", "байт", {352, 32, 25, 17}, Qt::AlignLeft, false);
    captionLabels_[1] = caption("Label1_1", "Кадров:", {0, 56, 49, 17});
    valueLabels_[3] = value("Label2_3", "Кадров", {56, 56, 73, 17});
    captionLabels_[2] = caption("Label1_2", "Текущий:", {0, 80, 49, 17});
    valueLabels_[4] = value("Label2_4", "Текущий", {56, 80, 73, 17});
    // The frame labels stand left of the drawing field, which reaches up into this box: the
    // area is only where its labels are.
    setMask(childrenRegion());
}

void StatusArea::showDocument(const PictureDocument& doc) {
    valueLabels_[0]->setText(numberText(doc.MX) + " x" + numberText(doc.MY));
    const bool animation = isAnimation(doc);
    valueLabels_[1]->setText(animation ? "EMA" : "EMS");
    captionLabels_[1]->setEnabled(animation);
    captionLabels_[2]->setEnabled(animation);
    valueLabels_[3]->setText(animation ? numberText(doc.kK) : QString());
    valueLabels_[4]->setText(animation ? numberText(doc.k) : QString());
    valueLabels_[2]->setText(numberText(fileByteCount(doc)));
    for (QLabel* label : valueLabels_) {
        label->setAccessibleDescription(label->text().trimmed());
    }
}
