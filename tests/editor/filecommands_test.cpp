#include "mainwindowfixture.h"
#include "picturedocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Save, Save As, Open and the save-changes question as the window runs them: titles, labels, the
// preview timer and whether the window may close.
class FileCommandsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        MainWindowFixture::SetUp();
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    const QTimer* timer() const { return window->findChild<QTimer*>("Timer1"); }

    QTemporaryDir folder;
};

TEST_F(FileCommandsTest, SavingANewPictureAsksForANameAndShowsItInTheTitle) {
    doc().pixels[1][1][1] = kCellSet;
    doc().IZM = kTrue;
    prompts.fileAnswers = {{path("smile")}};
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].title, "Сохранить файл");
    EXPECT_EQ(QFile(path("smile.ems")).size(), 131);
    EXPECT_EQ(window->windowTitle(), "smile - Mosaikon");
    EXPECT_EQ(doc().IZM, kFalse);

    trigger("filesave");
    EXPECT_EQ(prompts.dialogs.size(), 1) << "a document with a file saves without a dialog";
}

TEST_F(FileCommandsTest, OpeningAFileShowsItAndRunsThePreviewAtItsSpeed) {
    QFile file(path("film.ema"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const char header[] = {6, 8, 8, 2, 0};
    file.write(header, sizeof header);
    file.write(QByteArray(16, '\xff'));
    file.close();

    prompts.fileAnswers = {{path("film.ema")}};
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].title, "Открыть файл");
    EXPECT_EQ(window->windowTitle(), "film - Mosaikon");
    EXPECT_EQ(label("Label2_0"), " 8 x 8");
    EXPECT_EQ(label("Label2_1"), "EMA");
    EXPECT_EQ(label("Label2_3"), " 2");
    EXPECT_EQ(doc().pixels[2][8][8], kCellSet);
    EXPECT_FALSE(timer()->isActive()) << "a delay of 0 stops the preview";

    prompts.fileAnswers = {{}};
    trigger("fileopen");
    EXPECT_FALSE(timer()->isActive()) << "a cancelled Open gives back the document's own speed";

    trigger("filenew");
    prompts.fileAnswers = {{}};
    trigger("fileopen");
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 100);
}

TEST_F(FileCommandsTest, ABadFileLeavesTheWindowAsItWas) {
    QFile file(path("bad.ems"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x02\x81\x10", 3);
    file.close();
    doc().pixels[1][4][4] = kCellSet;
    doc().fileName = "mine.ems";
    window->redrawField();
    window->showTitle();
    prompts.fileAnswers = {{path("bad.ems")}};
    trigger("fileopen");
    EXPECT_EQ(prompts.texts(),
              QStringList{"Ошибка чтении файла. Убедитесь что это правильный EMS-рисунок."});
    EXPECT_EQ(doc().pixels[1][4][4], kCellSet);
    EXPECT_EQ(label("Label2_0"), " 32 x 32");
    EXPECT_EQ(window->windowTitle(), "mine - Mosaikon") << "no redraw: the title keeps its rule";
    EXPECT_EQ(timer()->interval(), 100);
}

TEST_F(FileCommandsTest, AYesWhoseSaveWasCancelledKeepsTheWindowOpen) {
    doc().pixels[1][1][1] = kCellSet;
    doc().IZM = kTrue;
    prompts.saveAnswers = {SaveChangesAnswer::Yes};
    prompts.fileAnswers = {{}};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(doc().pixels[1][1][1], kCellSet);

    prompts.saveAnswers = {SaveChangesAnswer::Yes};
    prompts.fileAnswers = {{path("kept")}};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(QFile(path("kept.ems")).size(), 131);
}

TEST_F(FileCommandsTest, ACommandStoppedAfterItsSaveStillShowsTheSavedName) {
    for (const char* command : {"fileopen", "frombmp"}) {
        doc().IZM = kTrue;
        doc().fileName = "*";
        window->redrawField();
        prompts.saveAnswers = {SaveChangesAnswer::Yes};
        prompts.fileAnswers = {{path(QStringLiteral("saved-%1").arg(command))}, {}};
        trigger(command);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("saved-%1 - Mosaikon").arg(command));
    }
}

TEST_F(FileCommandsTest, NewAfterAYesStartsOnlyOnceTheDrawingIsSaved) {
    doc().pixels[1][1][1] = kCellSet;
    doc().IZM = kTrue;
    prompts.saveAnswers = {SaveChangesAnswer::Yes};
    prompts.fileAnswers = {{path("before")}};
    trigger("newani");
    EXPECT_TRUE(QFile::exists(path("before.ems")));
    EXPECT_EQ(label("Label2_1"), "EMA");
    EXPECT_EQ(window->windowTitle(), "Mosaikon");
}

} // namespace
