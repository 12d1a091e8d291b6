#include "picturedocument.h"
#include "sizedialog.h"

#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr QRect kPreviewArea(0, 0, 296, 240);

class SizeDialogTest : public testing::Test {
protected:
    void SetUp() override { doc = std::make_unique<PictureDocument>(); }

    void open() {
        dialog = std::make_unique<SizeDialog>(*doc);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    QScrollBar* widthBar() const { return dialog->findChild<QScrollBar*>("HScroll1"); }
    QScrollBar* heightBar() const { return dialog->findChild<QScrollBar*>("VScroll1"); }
    QListWidget* list() const { return dialog->findChild<QListWidget*>("List1"); }
    QString readOut() const { return dialog->findChild<QLabel*>("Label1")->text(); }
    void press(const char* button) const {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void clickEntry(int row) const {
        const QRect place = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    }

    // The dialog as the screen shows it, one image pixel per logical pixel.
    QImage rendered() const {
        QImage image = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.size(), QSize(543, 264));
        return image;
    }
    QRgb foreground() const { return dialog->palette().color(QPalette::WindowText).rgb(); }
    QRgb background() const { return dialog->palette().color(QPalette::Window).rgb(); }

    // The preview area holds exactly the W x H lattice of single dots, two pixels apart, and
    // nothing else.
    void expectLattice(int width, int height) const {
        const QImage image = rendered();
        int wrongPixels = 0;
        for (int y = kPreviewArea.top(); y <= kPreviewArea.bottom(); ++y) {
            for (int x = kPreviewArea.left(); x <= kPreviewArea.right(); ++x) {
                const int i = x - (150 - width);
                const int j = y - (120 - height);
                const bool dot = i % 2 == 0 && j % 2 == 0 && i >= 2 && i <= 2 * width && j >= 2 &&
                                 j <= 2 * height;
                const QRgb shown = image.pixel(x, y);
                if (shown != (dot ? foreground() : background()) && ++wrongPixels <= 3) {
                    ADD_FAILURE() << width << " x " << height << ": pixel (" << x << ", " << y
                                  << ") should be " << (dot ? "a dot" : "background");
                }
            }
        }
        EXPECT_EQ(wrongPixels, 0) << width << " x " << height;
    }

    // The smallest rectangle holding every dot of the preview area.
    QRect dotsSpan() const {
        const QImage image = rendered();
        QRect span;
        for (int y = kPreviewArea.top(); y <= kPreviewArea.bottom(); ++y) {
            for (int x = kPreviewArea.left(); x <= kPreviewArea.right(); ++x) {
                if (image.pixel(x, y) == foreground()) {
                    span |= QRect(x, y, 1, 1);
                }
            }
        }
        return span;
    }

    std::unique_ptr<PictureDocument> doc;
    std::unique_ptr<SizeDialog> dialog;
};

TEST_F(SizeDialogTest, OpensOnTheDocumentsSize) {
    open();
    EXPECT_EQ(widthBar()->value(), 32);
    EXPECT_EQ(heightBar()->value(), 32);
    EXPECT_EQ(readOut(), " 32 x 32");
    EXPECT_EQ(dotsSpan(), QRect(QPoint(120, 90), QPoint(182, 152)));
    expectLattice(32, 32);
}

TEST_F(SizeDialogTest, ReadOutAndLatticeFollowBothBars) {
    const struct {
        int width;
        int height;
        const char* readOut;
        QRect span;
    } cases[] = {
        {128, 96, " 128 x 96", QRect(QPoint(24, 26), QPoint(278, 216))},
        {8, 8, " 8 x 8", QRect(QPoint(144, 114), QPoint(158, 128))},
        {72, 14, " 72 x 14", QRect(QPoint(80, 108), QPoint(222, 134))},
        {101, 46, " 101 x 46", QRect(QPoint(51, 76), QPoint(251, 166))},
    };
    open();
    for (const auto& entry : cases) {
        widthBar()->setValue(entry.width);
        heightBar()->setValue(entry.height);
        EXPECT_EQ(readOut(), entry.readOut);
        EXPECT_EQ(dotsSpan(), entry.span) << entry.readOut;
        expectLattice(entry.width, entry.height);
    }
    EXPECT_EQ(doc->MX, 32) << "moving the bars leaves the document alone";
    EXPECT_EQ(doc->MY, 32);
}

TEST_F(SizeDialogTest, DraggingAThumbRedrawsBeforeTheButtonIsReleased) {
    open();
    QScrollBar* bar = widthBar();
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QPoint thumb =
        bar->style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar)
            .center();

    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QMouseEvent move(QEvent::MouseMove, QPointF(thumb + QPoint(60, 0)),
                     bar->mapToGlobal(QPointF(thumb + QPoint(60, 0))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &move);
    const int dragged = bar->value();
    EXPECT_GT(dragged, 32);
    EXPECT_EQ(readOut(), QString(" %1 x 32").arg(dragged));
    expectLattice(dragged, 32);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(60, 0));
}

TEST_F(SizeDialogTest, ListEntriesSetTheirSizesByPlace) {
    const QSize sizes[] = {{8, 8},   {16, 16},  {24, 26},  {32, 32}, {72, 14},
                           {72, 28}, {101, 46}, {102, 29}, {128, 96}};
    doc->MX = 50;
    doc->MY = 50;
    open();
    for (int row = 8; row >= 0; --row) {
        clickEntry(row);
        EXPECT_EQ(widthBar()->value(), sizes[row].width()) << "entry " << row;
        EXPECT_EQ(heightBar()->value(), sizes[row].height()) << "entry " << row;
    }
}

TEST_F(SizeDialogTest, NokiaLogoEntrySetsWidthThenHeight) {
    open();
    std::vector<std::string> changes;
    QObject::connect(widthBar(), &QScrollBar::valueChanged,
                     [&](int value) { changes.push_back("width " + std::to_string(value)); });
    QObject::connect(heightBar(), &QScrollBar::valueChanged,
                     [&](int value) { changes.push_back("height " + std::to_string(value)); });
    clickEntry(4);
    EXPECT_EQ(changes, (std::vector<std::string>{"width 72", "height 14"}));
    EXPECT_EQ(readOut(), " 72 x 14");
    expectLattice(72, 14);
}

TEST_F(SizeDialogTest, ClickingTheEntryTheBarsShowChangesNothing) {
    open();
    QSignalSpy widthChanges(widthBar(), &QScrollBar::valueChanged);
    QSignalSpy heightChanges(heightBar(), &QScrollBar::valueChanged);
    clickEntry(3); // 32 x 32
    EXPECT_EQ(widthChanges.count(), 0);
    EXPECT_EQ(heightChanges.count(), 0);
    EXPECT_EQ(readOut(), " 32 x 32");
    expectLattice(32, 32);
}

TEST_F(SizeDialogTest, ClickingTheSelectedEntryAgainRestoresItsSize) {
    open();
    clickEntry(5);
    widthBar()->setValue(40);
    heightBar()->setValue(60);
    clickEntry(5);
    EXPECT_EQ(widthBar()->value(), 72);
    EXPECT_EQ(heightBar()->value(), 28);
}

TEST_F(SizeDialogTest, ArrowKeysInTheListChooseTooButFocusAloneDoesNot) {
    open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    list()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(widthBar()->value(), 32);
    EXPECT_EQ(heightBar()->value(), 32);

    clickEntry(4);
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(widthBar()->value(), 72);
    EXPECT_EQ(heightBar()->value(), 28);
}

TEST_F(SizeDialogTest, ArrowKeysMoveTheBarsTheWayTheyPoint) {
    open();
    QTest::keyClick(widthBar(), Qt::Key_Right);
    EXPECT_EQ(widthBar()->value(), 33);
    QTest::keyClick(widthBar(), Qt::Key_Left);
    QTest::keyClick(widthBar(), Qt::Key_Left);
    EXPECT_EQ(widthBar()->value(), 31);
    QTest::keyClick(heightBar(), Qt::Key_Down);
    EXPECT_EQ(heightBar()->value(), 33);
    EXPECT_EQ(readOut(), " 31 x 33");
}

TEST_F(SizeDialogTest, CancelEscapeAndCloseBoxReject) {
    const struct {
        const char* way;
        void (*leave)(SizeDialog&);
    } ways[] = {
        {"Отмена",
         [](SizeDialog& d) {
             QTest::mouseClick(d.findChild<QPushButton*>("Command2"), Qt::LeftButton);
         }},
        {"close box", [](SizeDialog& d) { d.close(); }},
        {"Escape", [](SizeDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto& entry : ways) {
        open();
        widthBar()->setValue(100);
        heightBar()->setValue(50);
        entry.leave(*dialog);
        EXPECT_FALSE(dialog->isVisible()) << entry.way;
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << entry.way;
    }
}

TEST_F(SizeDialogTest, OkAcceptsTheSizeTheBarsShow) {
    open();
    press("Command1");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->chosenSize(), QSize(32, 32));

    open();
    clickEntry(4);
    press("Command1");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->chosenSize(), QSize(72, 14));
    EXPECT_EQ(doc->MX, 32) << "the dialog leaves the document to the size command";
    EXPECT_EQ(doc->MY, 32);
}

TEST_F(SizeDialogTest, ADocumentBelowTheBarsMinimumStillOpens) {
    const struct {
        int width;
        int height;
        const char* readOut;
    } cases[] = {{5, 5, " 8 x 8"}, {3, 40, " 8 x 40"}, {100, 1, " 100 x 8"}};
    for (const auto& entry : cases) {
        doc->MX = entry.width;
        doc->MY = entry.height;
        open();
        EXPECT_EQ(readOut(), entry.readOut);
        expectLattice(std::max(entry.width, 8), std::max(entry.height, 8));
        press("Command2");
    }
}

TEST_F(SizeDialogTest, ControlsStandWhereTheLayoutPutsThem) {
    open();
    EXPECT_EQ(dialog->objectName(), "Form2");
    EXPECT_EQ(dialog->windowTitle(), "Выберите размер изображения");
    EXPECT_EQ(dialog->size(), QSize(543, 264));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "fixed size";
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);

    const struct {
        const char* name;
        QRect geometry;
        const char* text;
    } controls[] = {
        {"VScroll1", {296, 8, 17, 225}, nullptr},
        {"HScroll1", {8, 240, 281, 17}, nullptr},
        {"Label2", {328, 8, 209, 17}, "Кликните для быстрого выбора:"},
        {"List1", {328, 32, 209, 134}, nullptr},
        {"Label1", {328, 176, 209, 41}, nullptr},
        {"Command1", {328, 232, 97, 25}, "OK"},
        {"Command2", {440, 232, 97, 25}, "Отмена"},
    };
    for (const auto& control : controls) {
        auto* widget = dialog->findChild<QWidget*>(control.name);
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
        if (control.text == nullptr) {
            continue;
        }
        const QString text = widget->property("text").toString();
        EXPECT_EQ(text, QString::fromUtf8(control.text)) << control.name;
    }

    EXPECT_EQ(heightBar()->orientation(), Qt::Vertical);
    EXPECT_EQ(heightBar()->minimum(), 8);
    EXPECT_EQ(heightBar()->maximum(), 96);
    EXPECT_EQ(heightBar()->singleStep(), 1);
    EXPECT_EQ(heightBar()->pageStep(), 1);
    EXPECT_EQ(widthBar()->orientation(), Qt::Horizontal);
    EXPECT_EQ(widthBar()->minimum(), 8);
    EXPECT_EQ(widthBar()->maximum(), 128);
    EXPECT_EQ(widthBar()->singleStep(), 1);
    EXPECT_EQ(widthBar()->pageStep(), 16);

    QStringList entries;
    for (int row = 0; row < list()->count(); ++row) {
        entries.append(list()->item(row)->text());
    }
    EXPECT_EQ(entries, QStringList({"8 x 8", "16 x 16", "24 x 26", "32 x 32 Открытка EMS",
                                    "72 x 14 Логотип Nokia", "72 x 28 Открытка Nokia",
                                    "101 x 46 Открытка Seamens", "102 x 29", "128 x 96"}));
}

TEST_F(SizeDialogTest, ReadOutIsALargeSansFaceAndTheRestTheDesignFont) {
    open();
    const QFont readOutFont = dialog->findChild<QLabel*>("Label1")->font();
    const QFontInfo face(readOutFont);
    testing::Test::RecordProperty("readOutFace", face.family().toStdString());
    EXPECT_EQ(readOutFont.pointSize(), 24);
    EXPECT_EQ(readOutFont.weight(), QFont::Normal);
    EXPECT_TRUE(
        QStringList({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}).contains(face.family()))
        << face.family().toStdString();
    EXPECT_EQ(dialog->findChild<QLabel*>("Label2")->font().pixelSize(), 11);
}

} // namespace
