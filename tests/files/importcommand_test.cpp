#include "bmpfixtures.h"
#include "bmpreader.h"
#include "documentbytes.h"
#include "fakeprompts.h"
#include "importcommand.h"
#include "titlerules.h"

#include <gtest/gtest.h>

namespace {

const QString kImportError =
    QStringLiteral("Ошибка при открытии файла. Убедитесь что это двухцветный bmp-файл.");

class ImportCommand : public FileCommandTest {
protected:
    // The document the picture goes into: frame 3 of a modified 5-frame animation, with cells
    // everywhere in the store, a file of its own, an undo copy and a clipboard.
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(FileCommandTest::SetUp());
        doc = usedAnimation(11, folder);
        doc->undoFrame = doc->pixels[7];
        doc->clipFrame = doc->pixels[8];
        *before = *doc;
    }

    void copyFixture(const QString& fixture, const QString& name) {
        writeBytes(path(name), fixtureBytes(fixture));
    }

    // Answers No to the save-changes question and picks the named file.
    ImportOutcome importFile(const QString& name) {
        chooseAfterNo({name});
        return importBmp(*doc, prompts);
    }
};

TEST_F(ImportCommand, PictureImportsAsItLooks) {
    *doc = PictureDocument();
    doc->IZM = kTrue;
    doc->dir1 = folder.toStdString();
    copyFixture("imagemagick-32x32.bmp", "drawing.bmp");

    ASSERT_EQ(importFile("drawing.bmp"), ImportOutcome::Imported);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].kind, "ask");
    EXPECT_EQ(prompts.shown[0].title, "Импорт из BMP-файла");
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].mode, FileDialogMode::Open);
    EXPECT_EQ(prompts.dialogs[0].title, "Открыть файл");
    EXPECT_EQ(prompts.dialogs[0].folder, folder);
    EXPECT_EQ(
        prompts.dialogs[0].nameFilters,
        QStringList({"Однобитный точечный рисунок (два цвета) (BMP) (*.bmp)", "Все файлы (*)"}));

    EXPECT_EQ(doc->kind, DocumentKind::Picture);
    EXPECT_EQ(doc->MX, 32);
    EXPECT_EQ(doc->MY, 32);
    EXPECT_EQ(doc->IZM, kFalse);
    EXPECT_EQ(doc->fileName, "*");
    EXPECT_EQ(fullTitle(*doc), "Mosaikon");
    EXPECT_EQ(shortTitle(*doc), "Mosaikon");
    EXPECT_EQ(doc->dir1, folder.toStdString());
    for (int x = 1; x <= 32; ++x) {
        for (int y = 1; y <= 32; ++y) {
            ASSERT_EQ(doc->pixels[1][x][y], blackInPattern(x, y) ? kCellSet : kCellClear)
                << x << ", " << y;
        }
    }
}

// Only frame 3 changes, in the columns and rows the file stores; the size applies to all frames.
TEST_F(ImportCommand, AnimationTakesThePictureIntoTheCurrentFrameOnly) {
    copyFixture("pillow-72x14.bmp", "strip.bmp");
    ASSERT_EQ(importFile("strip.bmp"), ImportOutcome::Imported);

    EXPECT_EQ(doc->MX, 72);
    EXPECT_EQ(doc->MY, 14);
    EXPECT_EQ(doc->IZM, kFalse);
    EXPECT_EQ(doc->fileName, "*");
    EXPECT_EQ(doc->fileFolder, "");
    EXPECT_EQ(fileByteCount(*doc), 5 + 5 * 9 * 14);
    for (int x = 1; x <= kMaxWidth; ++x) {
        for (int y = 1; y <= kMaxHeight; ++y) {
            Cell expected = before->pixels[3][x][y];
            if (x <= 72 && y <= 14) {
                expected = blackInPattern(x, y) ? kCellSet : kCellClear;
            } else if (x <= 96 && y <= 14) {
                expected = kCellSet; // Pillow's zero fill bits, black
            }
            ASSERT_EQ(doc->pixels[3][x][y], expected) << x << ", " << y;
        }
    }

    doc->MX = before->MX;
    doc->MY = before->MY;
    doc->IZM = before->IZM;
    doc->fileName = before->fileName;
    doc->fileFolder = before->fileFolder;
    doc->pixels[3] = before->pixels[3];
    expectSameDocument(*doc, *before);
}

// A refused file changes nothing at all, the modified flag and the file name included.
TEST_F(ImportCommand, RefusedFilesLeaveTheDocumentAsItWas) {
    Bytes noWidth = fixtureBytes("pillow-5x5.bmp");
    put32(noWidth, kWidthField, 0);
    const Bytes whole = fixtureBytes("pillow-72x14.bmp");
    const std::string text = "Not a picture, only words in a file named .bmp\n";
    const std::pair<QString, Bytes> files[] = {
        {"tall.bmp", fixtureBytes("pillow-8x100.bmp")},
        {"wide.bmp", fixtureBytes("pillow-129x2.bmp")},
        {"colour.bmp", fixtureBytes("imagemagick-24bit-8x8.bmp")},
        {"rle.bmp", fixtureBytes("imagemagick-rle8-8x8.bmp")},
        {"truncated.bmp", Bytes(whole.begin(), whole.end() - 12)},
        {"text.bmp", Bytes(text.begin(), text.end())},
        {"width0.bmp", noWidth},
        {"empty.bmp", {}},
    };
    for (const auto& [name, bytes] : files) {
        writeBytes(path(name), bytes);
    }
    QDir(folder).mkdir("folder.bmp");

    QStringList names = {"missing.bmp", "folder.bmp"};
    for (const auto& file : files) {
        names.append(file.first);
    }
    for (const QString& name : names) {
        prompts.shown.clear();
        EXPECT_EQ(importFile(name), ImportOutcome::Failed) << name.toStdString();
        EXPECT_EQ(prompts.texts(), QStringList({"Сохранить изменения?", kImportError}))
            << name.toStdString();
        EXPECT_EQ(prompts.shown.last().kind, "error");
        expectSameDocument(*doc, *before);
    }
    EXPECT_FALSE(QFileInfo::exists(path("missing.bmp")));
}

// Bytes after the rows are not looked at, however many there are.
TEST_F(ImportCommand, TrailingBytesAreIgnored) {
    Bytes longFile = fixtureBytes("pillow-5x5.bmp");
    longFile.resize(8 * 1024 * 1024, 0x77);
    writeBytes(path("long.bmp"), longFile);
    EXPECT_EQ(importFile("long.bmp"), ImportOutcome::Imported);
    EXPECT_EQ(doc->MX, 5);
}

TEST_F(ImportCommand, CancelLeavesTheDocumentAsItWas) {
    copyFixture("pillow-5x5.bmp", "small.bmp");

    prompts.saveAnswers = {SaveChangesAnswer::Cancel};
    prompts.fileAnswers = {{path("small.bmp")}};
    EXPECT_EQ(importBmp(*doc, prompts), ImportOutcome::Cancelled);
    EXPECT_TRUE(prompts.dialogs.isEmpty());
    expectSameDocument(*doc, *before);

    // A cancelled dialog forgets its folder, so the next one opens where the first one of a run
    // does.
    prompts.saveAnswers = {SaveChangesAnswer::No};
    prompts.fileAnswers = {{}};
    EXPECT_EQ(importBmp(*doc, prompts), ImportOutcome::Cancelled);
    EXPECT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(doc->dir1, "");
    doc->dir1 = before->dir1;
    expectSameDocument(*doc, *before);
    EXPECT_EQ(prompts.texts(), QStringList({"Сохранить изменения?", "Сохранить изменения?"}));
}

TEST_F(ImportCommand, UnchangedDocumentAsksNothing) {
    doc->IZM = kFalse;
    copyFixture("pillow-5x5.bmp", "small.bmp");
    prompts.fileAnswers = {{path("small.bmp")}};
    EXPECT_EQ(importBmp(*doc, prompts), ImportOutcome::Imported);
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(ImportCommand, YesSavesFirstAndStopsWhenTheSaveFails) {
    copyFixture("pillow-5x5.bmp", "small.bmp");
    doc->fileName = "old.ema";
    doc->fileFolder = path("old.ema").toStdString(); // a folder below a regular file
    writeBytes(path("old.ema"), {0x01});
    *before = *doc;

    prompts.saveAnswers = {SaveChangesAnswer::Yes};
    prompts.fileAnswers = {{path("small.bmp")}};
    EXPECT_EQ(importBmp(*doc, prompts), ImportOutcome::Cancelled);
    EXPECT_EQ(prompts.texts(), QStringList({"Сохранить изменения?", "Ошибка при записи файла."}));
    EXPECT_TRUE(prompts.dialogs.isEmpty());
    expectSameDocument(*doc, *before);

    doc->fileFolder = folder.toStdString();
    prompts.shown.clear();
    prompts.saveAnswers = {SaveChangesAnswer::Yes};
    EXPECT_EQ(importBmp(*doc, prompts), ImportOutcome::Imported);
    EXPECT_EQ(prompts.texts(), QStringList({"Сохранить изменения?"}));
    EXPECT_EQ(readBytes(path("old.ema")).size(), 5u + 5 * 5 * 30);
    EXPECT_EQ(doc->MX, 5);
    EXPECT_EQ(doc->fileName, "*");
}

} // namespace
