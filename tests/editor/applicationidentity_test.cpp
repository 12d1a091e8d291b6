#include "applicationidentity.h"
#include "fakeprompts.h"
#include "framesdialog.h"
#include "mainwindow.h"
#include "sizedialog.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr QRgb kFrameColour = qRgb(0, 0, 128);
constexpr QRgb kFieldColour = qRgb(255, 255, 255);
constexpr QRgb kHeartColour = qRgb(0, 0, 0);

// Every shipped size comes out of its own drawing at its own size, unscaled: the frame, the white
// field and the heart stand where the 16-unit design puts them.
TEST(ApplicationIcon, EverySizeIsDrawnForItself) {
    const QIcon icon = applicationIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
        ASSERT_FALSE(pixmap.isNull());
        ASSERT_EQ(pixmap.size(), QSize(size, size));
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        const int unit = size / 16;
        EXPECT_EQ(image.pixel(8 * unit, unit / 2), kFrameColour);
        EXPECT_EQ(image.pixel(2 * unit, 2 * unit), kFieldColour);
        EXPECT_EQ(image.pixel(8 * unit, 8 * unit), kHeartColour);
        EXPECT_LT(qAlpha(image.pixel(0, 0)), 255) << "the corners are rounded off";
    }
}

TEST(ApplicationIcon, WindowsAndDialogsCarryIt) {
    setApplicationIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "mosaikon");
    EXPECT_EQ(QApplication::applicationName(), "Mosaikon");

    FakePrompts prompts;
    auto window = std::make_unique<MainWindow>(prompts);
    SizeDialog sizeDialog(window->document(), window.get());
    FramesDialog framesDialog(window.get());
    for (const QWidget* widget :
         {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(&sizeDialog),
          static_cast<QWidget*>(&framesDialog)}) {
        SCOPED_TRACE(widget->objectName().toStdString());
        const QIcon icon = widget->windowIcon();
        EXPECT_EQ(icon.pixmap(QSize(16, 16), 1.0).size(), QSize(16, 16));
        EXPECT_EQ(icon.pixmap(QSize(256, 256), 1.0).size(), QSize(256, 256));
    }
}

} // namespace
