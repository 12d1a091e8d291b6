#include "sizedialog.h"

#include "arrowkeyscrollbar.h"
#include "labelnumber.h"
#include "picturedocument.h"
#include "wholepixels.h"
#include "windowlook.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <iterator>

namespace {

constexpr QSize kClientSize(543, 264);
constexpr QRect kPreviewArea(0, 0, 296, 240);
// The lattice is centred about (151, 121): dot i of W stands at x = 150 - W + 2i.
constexpr int kLatticeLeft = 150;
constexpr int kLatticeTop = 120;
constexpr int kMinimumSide = 8;

struct StandardSize {
    const char* text;
    int width;
    int height;
};

// The size an entry sets comes from its place here, never from its text.
constexpr StandardSize kStandardSizes[] = {
    {"8 x 8", 8, 8},
    {"16 x 16", 16, 16},
    {"24 x 26", 24, 26},
    {"32 x 32 Открытка EMS", 32, 32},
    {"72 x 14 Логотип Nokia", 72, 14},
    {"72 x 28 Открытка Nokia", 72, 28},
    {"101 x 46 Открытка Seamens", 101, 46},
    {"102 x 29", 102, 29},
    {"128 x 96", 128, 96},
};

// The read-out's classic face where the system has it, else a plain sans face of the same size.
QFont readOutFont() {
    QFont font;
    for (const char* family : {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            font.setFamily(QString::fromLatin1(family));
            break;
        }
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(24);
    font.setWeight(QFont::Normal);
    return font;
}

QScrollBar* makeBar(QWidget* parent, const char* name, const QString& spokenName,
                    Qt::Orientation orientation, QRect geometry, int maximum, int pageStep) {
    auto* bar = new ArrowKeyScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setAccessibleName(spokenName);
    bar->setGeometry(geometry);
    bar->setRange(kMinimumSide, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(pageStep);
    return bar;
}

} // namespace

SizeDialog::SizeDialog(const PictureDocument& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), preview_(kPreviewArea.size(), QImage::Format_RGB32) {
    setObjectName("Form2");
    setWindowTitle("Выберите размер изображения");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(designFont());
    setFixedSize(kClientSize);
    createControls();
}

void SizeDialog::createControls() {
    heightBar_ = makeBar(this, "VScroll1", QStringLiteral("Высота"), Qt::Vertical,
                         {296, 8, 17, 225}, kMaxHeight, 1);
    widthBar_ = makeBar(this, "HScroll1", QStringLiteral("Ширина"), Qt::Horizontal,
                        {8, 240, 281, 17}, kMaxWidth, 16);
    // Tracking is on, so the preview follows a thumb while it is dragged.
    connect(heightBar_, &QScrollBar::valueChanged, this, &SizeDialog::drawSizePreview);
    connect(widthBar_, &QScrollBar::valueChanged, this, &SizeDialog::drawSizePreview);

    auto* hint = new QLabel("Кликните для быстрого выбора:", this);
    hint->setObjectName("Label2");
    hint->setGeometry(328, 8, 209, 17);

    sizeList_ = new QListWidget(this);
    sizeList_->setObjectName("List1");
    sizeList_->setGeometry(328, 32, 209, 134);
    sizeList_->setAccessibleName(QStringLiteral("Стандартные размеры"));
    for (const StandardSize& size : kStandardSizes) {
        sizeList_->addItem(QString::fromUtf8(size.text));
    }
    // A new selection (mouse or arrow keys) sets its size, and so does a click on the selected
    // entry after the bars have moved. Focus alone only marks an entry current and sets nothing.
    connect(sizeList_, &QListWidget::itemSelectionChanged, this,
            [this] { chooseListEntry(sizeList_->currentRow()); });
    connect(sizeList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseListEntry(sizeList_->row(item)); });

    readOut_ = new QLabel("000", this);
    readOut_->setObjectName("Label1");
    readOut_->setGeometry(328, 176, 209, 41);
    readOut_->setFont(readOutFont());
    readOut_->setAccessibleName(QStringLiteral("Выбранный размер"));

    auto* okButton = new QPushButton("OK", this);
    okButton->setObjectName("Command1");
    okButton->setGeometry(328, 232, 97, 25);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancelButton = new QPushButton("Отмена", this);
    cancelButton->setObjectName("Command2");
    cancelButton->setGeometry(440, 232, 97, 25);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void SizeDialog::showEvent(QShowEvent* event) {
    // A size below the bars' minimum (a small imported or opened picture) leaves a bar at 8;
    // only OK would write that.
    widthBar_->setValue(doc_.MX);
    heightBar_->setValue(doc_.MY);
    // Bars already at the document's size fire no change, so the first drawing is explicit.
    drawSizePreview();
    QDialog::showEvent(event);
}

void SizeDialog::chooseListEntry(int row) {
    if (row < 0 || row >= static_cast<int>(std::size(kStandardSizes))) {
        return;
    }
    widthBar_->setValue(kStandardSizes[row].width);
    heightBar_->setValue(kStandardSizes[row].height);
}

void SizeDialog::drawSizePreview() {
    const int width = widthBar_->value();
    const int height = heightBar_->value();
    readOut_->setText(QString::fromStdString(labelNumber(width) + " x" + labelNumber(height)));
    readOut_->setAccessibleDescription(readOut_->text().trimmed());

    preview_.fill(palette().color(QPalette::Window));
    const QRgb dot = palette().color(QPalette::WindowText).rgb();
    for (int j = 1; j <= height; ++j) {
        auto* line = reinterpret_cast<QRgb*>(preview_.scanLine(kLatticeTop - height + 2 * j));
        for (int i = 1; i <= width; ++i) {
            line[kLatticeLeft - width + 2 * i] = dot;
        }
    }
    update(kPreviewArea);
}

void SizeDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    // Each dot a whole block of device pixels at any scale, unblurred.
    drawWholePixels(painter, kPreviewArea, preview_, palette().color(QPalette::Window));
}

QSize SizeDialog::chosenSize() const {
    return {widthBar_->value(), heightBar_->value()};
}
