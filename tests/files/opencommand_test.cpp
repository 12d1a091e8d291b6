#include "documentbytes.h"
#include "emslayout.h"
#include "fakeprompts.h"
#include "filetestsupport.h"
#include "newdocument.h"
#include "opencommand.h"
#include "previewcycle.h"
#include "savecommands.h"
#include "titlerules.h"

#include <gtest/gtest.h>

namespace {

Bytes animationFile(int width, int height, int frames, int delay) {
    Bytes bytes = {0x06, static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(height),
                   static_cast<std::uint8_t>(frames), static_cast<std::uint8_t>(delay)};
    bytes.resize(bytes.size() + static_cast<std::size_t>(frames * rowBytes(width) * height), 0xFF);
    return bytes;
}

class OpenCommand : public FileCommandTest {
protected:
    // The document being replaced: frame 3 of a modified 5-frame animation with cells everywhere.
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(FileCommandTest::SetUp());
        doc = usedAnimation(7, folder);
        *before = *doc;
    }

    // Answers No to the save-changes question and picks the named files.
    OpenOutcome openFiles(const QStringList& names) {
        chooseAfterNo(names);
        return openDocument(*doc, prompts);
    }
};

TEST_F(OpenCommand, PictureReplacesTheAnimation) {
    auto source = makePicture(16, 16);
    source->pixels[1][5][7] = kCellSet;
    writeBytes(path("smile.ems"), encode(*source));

    ASSERT_EQ(openFiles({"smile.ems"}), OpenOutcome::Loaded);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].title, "Открытие нового файла");
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].mode, FileDialogMode::Open);
    EXPECT_EQ(prompts.dialogs[0].title, "Открыть файл");
    EXPECT_EQ(prompts.dialogs[0].folder, folder);
    EXPECT_EQ(prompts.dialogs[0].nameFilters,
              QStringList({"Все доступные форматы (*.ems *.ema)", "EMS-рисунок (EMS) (*.ems)",
                           "EMA-анимация (EMA) (*.ema)", "Все файлы (*)"}));

    EXPECT_EQ(doc->kind, DocumentKind::Picture);
    EXPECT_EQ(doc->MX, 16);
    EXPECT_EQ(doc->MY, 16);
    EXPECT_EQ(doc->kK, 1);
    EXPECT_EQ(doc->k, 1);
    EXPECT_EQ(doc->IZM, kFalse);
    EXPECT_EQ(doc->fileName, "smile.ems");
    EXPECT_EQ(doc->fileFolder, folder.toStdString());
    EXPECT_EQ(doc->dir1, folder.toStdString());
    EXPECT_EQ(QDir::currentPath(), folder);
    EXPECT_EQ(doc->pixels[1][5][7], kCellSet);
    EXPECT_EQ(doc->pixels[1][5][8], kCellClear);
    EXPECT_TRUE(doc->undoFrame == doc->pixels[1]);
    EXPECT_EQ(previewIntervalMs(*doc), 100);
    EXPECT_EQ(shortTitle(*doc), "smile - Mosaikon");
}

TEST_F(OpenCommand, AnimationHeaderSetsFramesAndDelay) {
    struct Case {
        QString name;
        int delay;
        int interval;
    };
    const Case cases[] = {
        {"a.ema", 16, 192}, {"zero.ema", 0, 0}, {"slow.ema", 255, 3060}, {"tagged.ems", 16, 192}};
    for (const Case& c : cases) {
        writeBytes(path(c.name), animationFile(16, 16, 4, c.delay));
        doc->k = 3;
        ASSERT_EQ(openFiles({c.name}), OpenOutcome::Loaded) << c.name.toStdString();
        EXPECT_EQ(doc->kind, DocumentKind::Animation);
        EXPECT_EQ(doc->kK, 4);
        EXPECT_EQ(doc->k, 1);
        EXPECT_EQ(doc->zZ, c.delay);
        EXPECT_EQ(previewIntervalMs(*doc), c.interval);
    }
}

TEST_F(OpenCommand, PictureUnderAnyNameOpensAsPicture) {
    writeBytes(path("picture.dat"), {0x02, 8, 1, 0x81});
    ASSERT_EQ(openFiles({"picture.dat"}), OpenOutcome::Loaded);
    EXPECT_EQ(doc->kind, DocumentKind::Picture);
    EXPECT_EQ(doc->zZ, 9);
    EXPECT_EQ(doc->pixels[1][8][1], kCellSet);
}

// A refused file changes nothing: not the size, the cells, the current frame, the modified flag
// or the file name. Only the dialog's folder follows the choice.
TEST_F(OpenCommand, RefusedFilesLeaveTheDocumentAsItWas) {
    struct Case {
        QString name;
        Bytes bytes;
        QString message;
    };
    const QString unsupported = "Данный файл не поддерживается.";
    const QString readError = "Ошибка чтении файла. Убедитесь что это правильный EMS-рисунок.";
    Bytes oversized = animationFile(16, 16, 4, 16);
    oversized[3] = 17;
    const Case cases[] = {
        {"empty.ems", {}, unsupported},
        {"zero.ems", {0x00, 16, 16, 0, 0}, unsupported},
        {"bmp.ems", {'B', 'M', 16, 16}, unsupported},
        {"width0.ems", {0x02, 0, 16, 0xFF}, readError},
        {"width129.ems", {0x02, 129, 16, 0xFF}, readError},
        {"height0.ems", {0x02, 16, 0, 0xFF}, readError},
        {"height97.ems", {0x02, 16, 97, 0xFF}, readError},
        {"frames17.ema", oversized, readError},
        {"no-frame-count.ema", {0x06, 16, 16}, readError},
    };
    for (const Case& c : cases) {
        writeBytes(path(c.name), c.bytes);
        prompts.shown.clear();

        EXPECT_EQ(openFiles({c.name}), OpenOutcome::Failed) << c.name.toStdString();
        EXPECT_EQ(prompts.texts(), QStringList({"Сохранить изменения?", c.message}));
        EXPECT_EQ(prompts.shown[1].kind, "error");
        expectSameDocument(*doc, *before);
    }
}

TEST_F(OpenCommand, UnreadablePathsGiveTheReadError) {
    QDir(folder).mkdir("sub.ems");
    for (const QString& name : {QString("missing.ems"), QString("sub.ems")}) {
        prompts.shown.clear();
        EXPECT_EQ(openFiles({name}), OpenOutcome::Failed);
        EXPECT_EQ(prompts.texts(),
                  QStringList({"Сохранить изменения?",
                               "Ошибка чтении файла. Убедитесь что это правильный EMS-рисунок."}));
        expectSameDocument(*doc, *before);
    }
    EXPECT_FALSE(QFileInfo::exists(path("missing.ems")));
}

// A path handed over by the desktop takes the dialog's place: the question first, then the file
// read as if chosen there, relative to the current folder; a missing one gives the read error.
TEST_F(OpenCommand, GivenPathIsReadLikeAChosenFile) {
    writeBytes(path("given.ems"), {0x02, 8, 1, 0x80});
    QDir::setCurrent(folder);
    prompts.saveAnswers = {SaveChangesAnswer::No, SaveChangesAnswer::No};
    EXPECT_EQ(openDocument(*doc, prompts, path("missing.ems")), OpenOutcome::Failed);
    EXPECT_EQ(prompts.texts(),
              QStringList({"Сохранить изменения?",
                           "Ошибка чтении файла. Убедитесь что это правильный EMS-рисунок."}));
    EXPECT_EQ(prompts.shown[0].title, "Открытие нового файла");
    expectSameDocument(*doc, *before);

    doc->dir1 = "/elsewhere";
    ASSERT_EQ(openDocument(*doc, prompts, "given.ems"), OpenOutcome::Loaded);
    EXPECT_TRUE(prompts.dialogs.isEmpty());
    EXPECT_EQ(doc->MX, 8);
    EXPECT_EQ(doc->pixels[1][1][1], kCellSet);
    EXPECT_EQ(doc->fileName, "given.ems");
    EXPECT_EQ(doc->fileFolder, folder.toStdString());
    EXPECT_EQ(doc->dir1, folder.toStdString());
}

TEST_F(OpenCommand, FewerFramesKeepTheLaterFramesOfTheStore) {
    const Frame frame4 = doc->pixels[4];
    const Frame frame5 = doc->pixels[5];
    writeBytes(path("three.ema"), animationFile(40, 30, 3, 16));
    ASSERT_EQ(openFiles({"three.ema"}), OpenOutcome::Loaded);
    EXPECT_EQ(doc->kK, 3);
    EXPECT_EQ(doc->pixels[3][40][30], kCellSet);
    EXPECT_TRUE(doc->pixels[4] == frame4);
    EXPECT_TRUE(doc->pixels[5] == frame5);
}

TEST_F(OpenCommand, ShortAndLongFilesOpen) {
    Bytes huge = {0x02, 8, 2, 0xFF, 0x01};
    huge.resize(3'000'000, 0xEE);
    writeBytes(path("huge.ems"), huge);
    ASSERT_EQ(openFiles({"huge.ems"}), OpenOutcome::Loaded);
    EXPECT_EQ(doc->pixels[1][1][1], kCellSet);
    EXPECT_EQ(doc->pixels[1][8][2], kCellSet);
    EXPECT_EQ(doc->pixels[1][7][2], kCellClear);

    writeBytes(path("cut.ems"), {0x02, 8, 2, 0x00});
    ASSERT_EQ(openFiles({"cut.ems"}), OpenOutcome::Loaded);
    EXPECT_EQ(doc->pixels[1][1][1], kCellClear);
    EXPECT_EQ(doc->pixels[1][8][2], kCellClear);

    // Without its delay byte: four clear frames and a stopped preview.
    writeBytes(path("no-delay.ema"), {0x06, 16, 16, 4});
    ASSERT_EQ(openFiles({"no-delay.ema"}), OpenOutcome::Loaded);
    EXPECT_EQ(doc->kK, 4);
    EXPECT_EQ(previewIntervalMs(*doc), 0);
    EXPECT_EQ(doc->pixels[4][16][16], kCellClear);
}

TEST_F(OpenCommand, SeveralChosenFilesOpenTheFirst) {
    writeBytes(path("first.ems"), {0x02, 8, 1, 0x80});
    writeBytes(path("second.ems"), {0x02, 16, 1, 0x01, 0x01});
    ASSERT_EQ(openFiles({"first.ems", "second.ems"}), OpenOutcome::Loaded);
    EXPECT_EQ(doc->fileName, "first.ems");
    EXPECT_EQ(doc->MX, 8);
}

TEST_F(OpenCommand, SteppingBackChangesNothing) {
    prompts.saveAnswers = {SaveChangesAnswer::Cancel};
    EXPECT_EQ(openDocument(*doc, prompts), OpenOutcome::Cancelled);
    EXPECT_TRUE(prompts.dialogs.isEmpty());
    expectSameDocument(*doc, *before);

    // Yes whose Save As dialog is cancelled stops Open too: no open dialog follows.
    doc->fileName = "*";
    before->fileName = "*";
    prompts.saveAnswers = {SaveChangesAnswer::Yes};
    EXPECT_EQ(openDocument(*doc, prompts), OpenOutcome::Cancelled);
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].mode, FileDialogMode::Save);
    before->dir1.clear();
    expectSameDocument(*doc, *before);

    doc->dir1 = folder.toStdString();
    prompts.saveAnswers = {SaveChangesAnswer::No};
    EXPECT_EQ(openDocument(*doc, prompts), OpenOutcome::Cancelled);
    EXPECT_EQ(prompts.dialogs.size(), 2);
    expectSameDocument(*doc, *before);
}

TEST_F(OpenCommand, SavedStandardSizeReadsBackWhole) {
    auto source = makePicture(101, 46);
    std::mt19937 random(101);
    scribble(*source, random);
    source->IZM = kTrue;
    source->dir1 = folder.toStdString();
    prompts.fileAnswers = {{path("standard")}};
    ASSERT_EQ(saveDocumentAs(*source, prompts), SaveOutcome::Written);
    ASSERT_EQ(readBytes(path("standard.ems")).size(), 601u);

    ASSERT_EQ(openFiles({"standard.ems"}), OpenOutcome::Loaded);
    for (int x = 1; x <= 104; ++x) {
        for (int y = 1; y <= 46; ++y) {
            ASSERT_EQ(doc->pixels[1][x][y], source->pixels[1][x][y]) << x << ", " << y;
        }
    }
}

} // namespace
