#include "mainwindowdesign.h"
#include "mainwindowfixture.h"
#include "picturedocument.h"
#include "previewbox.h"
#include "toolbaricon.h"

#include <QImage>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <QtGlobal>
#include <gtest/gtest.h>

// These tests look at what the window paints on a screen of whatever scale the run has: the
// normal run at 1, and a second run with QT_SCALE_FACTOR=2. At scale n every picture pixel must
// come out as a whole n x n square of its own colour, never smoothed.

namespace {

class HiDpiTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ratio = qRound(window->devicePixelRatio());
        ASSERT_EQ(window->devicePixelRatio(), ratio) << "only whole scales keep pixels square";
    }

    // A checkerboard is the worst case for smoothing: any blur turns it grey.
    void drawCheckerboard() {
        PictureDocument& doc = window->document();
        for (int x = 1; x <= doc.MX; ++x)
            for (int y = 1; y <= doc.MY; ++y)
                doc.pixels[doc.k][x][y] = (x + y) % 2 == 0 ? kCellSet : kCellClear;
    }

    int ratio = 1;
};

TEST_F(HiDpiTest, RunsAtTheScaleAskedFor) {
    const QByteArray asked = qgetenv("QT_SCALE_FACTOR");
    EXPECT_EQ(ratio, asked.isEmpty() ? 1 : asked.toInt());
}

TEST_F(HiDpiTest, PreviewPixelsBecomeWholeSquares) {
    drawCheckerboard();
    window->previewTick();
    auto* box = window->findChild<PreviewBox*>("view");
    ASSERT_NE(box, nullptr);

    const QImage shown = box->grab().toImage();
    const QPoint inner = box->contentsRect().topLeft() * ratio;
    const QImage& frame = box->image();
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            for (int dy = 0; dy < ratio; ++dy)
                for (int dx = 0; dx < ratio; ++dx) {
                    const QPoint device = inner + QPoint(ratio * x + dx, ratio * y + dy);
                    ASSERT_EQ(shown.pixel(device), frame.pixel(x, y))
                        << "picture pixel " << x << ", " << y;
                }
}

// The field renders its cells at the screen's resolution itself; painting copies them out 1:1.
TEST_F(HiDpiTest, FieldShowsItsCellsDevicePixelForDevicePixel) {
    drawCheckerboard();
    window->redrawField();
    auto* field = window->findChild<DrawingField*>("Pole");
    ASSERT_NE(field, nullptr);

    const QImage& cells = field->fieldImage().image();
    ASSERT_EQ(cells.size(), field->contentsRect().size() * ratio);
    const QImage shown = field->grab().toImage();
    const QPoint inner = field->contentsRect().topLeft() * ratio;
    for (int y = 0; y < cells.height(); ++y)
        for (int x = 0; x < cells.width(); ++x)
            ASSERT_EQ(shown.pixel(inner + QPoint(x, y)), cells.pixel(x, y))
                << "device pixel " << x << ", " << y;
}

// Whether every opaque pixel of the picture, enlarged to a square of the screen's scale, shows
// unchanged somewhere in the rendered button.
bool showsPictureSharply(const QImage& button, const QImage& picture, int ratio) {
    const QImage enlarged =
        picture.scaled(picture.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (int top = 0; top + enlarged.height() <= button.height(); ++top)
        for (int left = 0; left + enlarged.width() <= button.width(); ++left) {
            bool matches = true;
            for (int y = 0; y < enlarged.height() && matches; ++y)
                for (int x = 0; x < enlarged.width() && matches; ++x) {
                    const QRgb wanted = enlarged.pixel(x, y);
                    matches = qAlpha(wanted) != 255 || button.pixel(left + x, top + y) == wanted;
                }
            if (matches) {
                return true;
            }
        }
    return false;
}

TEST_F(HiDpiTest, ToolbarPicturesAreEnlargedPixelByPixel) {
    const struct {
        int index;
        const char* picture;
    } buttons[] = {{0, "newpicture"}, {4, "cut"}, {11, "importbmp"}, {10, "previousframe"}};
    for (const auto& entry : buttons) {
        SCOPED_TRACE(entry.picture);
        auto* button =
            window->findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(entry.index));
        ASSERT_NE(button, nullptr);
        const QImage picture = QImage(QStringLiteral(":/toolbar/%1.xpm").arg(entry.picture))
                                   .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(picture.size(), QSize(24, 24));
        EXPECT_TRUE(showsPictureSharply(button->grab().toImage(), picture, ratio));
    }
}

// How many pixels of each colour an image has, the fully transparent ones left out.
QMap<QRgb, int> colourCounts(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QMap<QRgb, int> counts;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 0)
                ++counts[argb.pixel(x, y)];
    return counts;
}

// Between the whole scales a picture cannot grow by a whole factor: it stays at its own size, in
// the middle of the larger area, with exactly its own pixels, neither smoothed nor stretched.
TEST(FractionalScale, ToolbarPicturesKeepTheColoursOfTheirSource) {
    for (const ToolbarButton& button : kToolbar) {
        const QString path = QStringLiteral(":/toolbar/%1.xpm").arg(button.picture);
        const QMap<QRgb, int> source = colourCounts(QImage(path));
        ASSERT_FALSE(source.isEmpty()) << button.picture;
        for (const qreal ratio : {1.25, 1.5, 1.75}) {
            SCOPED_TRACE(std::string(button.picture) + " at " + std::to_string(ratio));
            const QIcon icon = toolbarIcon(path);
            const QPixmap pixmap = icon.pixmap(QSize(24, 24), ratio);
            EXPECT_EQ(pixmap.size(), QSize(24, 24) * ratio);
            EXPECT_EQ(colourCounts(pixmap.toImage()), source);
        }
    }
}

} // namespace
