#include "modaldriver.h"
#include "qtprompts.h"

#include <QMessageBox>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct ShownBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// The box `show` opens, as the user sees it; closed with its escape button.
ShownBox boxShownBy(const std::function<void()>& show) {
    ShownBox shown;
    const bool driven = driveModalDialog<QMessageBox>(show, [&shown](QMessageBox& box) {
        shown = {box.icon(), box.windowTitle(), box.text(), box.standardButtons()};
        box.reject();
    });
    EXPECT_TRUE(driven);
    return shown;
}

// A failure shows the stop icon, the program's name as caption and OK.
TEST(QtPromptsTest, ErrorBoxCarriesTheStopIcon) {
    QtPrompts prompts;
    const ShownBox error = boxShownBy([&] { prompts.showError("Ошибка при записи файла."); });
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.title, "Mosaikon");
    EXPECT_EQ(error.text, "Ошибка при записи файла.");
    EXPECT_EQ(error.buttons, QMessageBox::Ok);
}

} // namespace
