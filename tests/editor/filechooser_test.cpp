#include "filechooser.h"
#include "filedetailsdelegate.h"
#include "modaldriver.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FileChooserTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }

    void makeFile(const QString& name, qint64 size) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, '\0'));
    }

    // Types `typed` into the save dialog and presses Enter. A replace question, if one comes,
    // is answered Yes and its text kept in `question`.
    QStringList saveTyping(const QString& typed) {
        const FileDialogRequest request{FileDialogMode::Save,
                                        QStringLiteral("Сохранить файл"),
                                        folder.path(),
                                        {QStringLiteral("EMS-рисунок (*.ems)")}};
        FileChooser dialog(nullptr, request);
        QStringList chosen;
        question.clear();
        const auto open = [&] {
            if (dialog.exec() == QDialog::Accepted) {
                chosen = dialog.chosenFiles();
            }
        };
        driveModalDialog<QFileDialog>(open, [this, typed](QFileDialog& shown) {
            QTimer::singleShot(0, [this] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    question = box->text();
                    box->button(QMessageBox::Yes)->click();
                }
            });
            auto* edit = shown.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->setText(typed);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        return chosen;
    }

    QTemporaryDir folder;
    QString question;
};

// The typed text is one name, double quotes and all; every entry that would be replaced is
// asked about, a link that leads nowhere or in a circle as much as a file.
TEST_F(FileChooserTest, SaveDialogTakesTheTypedNameAndAsksBeforeReplacingAnyEntry) {
    makeFile("old.ems", 3);
    ASSERT_TRUE(QFile::link(path("nowhere"), path("dangling.ems")));
    ASSERT_TRUE(QFile::link(path("loop.ems"), path("loop.ems")));
    struct Case {
        QString typed;
        bool asked;
    };
    const Case cases[] = {
        {R"("hi" now)", false}, {"new.ems", false}, {"old.ems", true},
        {"dangling.ems", true}, {"loop.ems", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        EXPECT_EQ(saveTyping(c.typed), QStringList({path(c.typed)}));
        const QString replace = QFileDialog::tr("%1 already exists.\nDo you want to replace it?");
        EXPECT_EQ(question, c.asked ? replace.arg(c.typed) : QString());
    }
}

// What the delegate shows of a file model's detail columns, as the dialog's views draw it.
class ShownDetails : public FileDetailsDelegate {
public:
    QString text(const QModelIndex& index) const {
        QStyleOptionViewItem option;
        initStyleOption(&option, index);
        return option.text;
    }
};

TEST_F(FileChooserTest, DetailColumnsReadRussian) {
    makeFile("smile.ems", 35);
    makeFile("film.ema", 24581);
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    QFile film(path("film.ema"));
    ASSERT_TRUE(film.open(QIODevice::ReadWrite));
    ASSERT_TRUE(film.setFileTime(QDateTime(QDate(2026, 3, 9), QTime(14, 5)),
                                 QFileDevice::FileModificationTime));
    film.close();

    QFileSystemModel model;
    model.setRootPath(folder.path());
    const ShownDetails details;
    const auto shown = [&](const QString& name, FileDetailsDelegate::Column column) {
        return details.text(model.index(path(name), column));
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.size(model.index(path("film.ema"))) > 0; }));

    EXPECT_EQ(shown("smile.ems", FileDetailsDelegate::kSizeColumn), "35 байт");
    EXPECT_EQ(shown("film.ema", FileDetailsDelegate::kSizeColumn), "24,00 кБ");
    EXPECT_EQ(shown("sub", FileDetailsDelegate::kTypeColumn), "Папка");
    EXPECT_EQ(shown("film.ema", FileDetailsDelegate::kModifiedColumn), "09.03.2026 14:05");
    EXPECT_EQ(shown("sub", FileDetailsDelegate::kNameColumn), "sub");

    const FileChooser chooser(nullptr, {FileDialogMode::Open, "Открыть файл", folder.path(), {}});
    EXPECT_NE(dynamic_cast<FileDetailsDelegate*>(chooser.itemDelegate()), nullptr);
}

} // namespace
