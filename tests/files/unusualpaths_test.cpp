#include "bmpfixtures.h"
#include "documentbytes.h"
#include "emslayout.h"
#include "fakeprompts.h"
#include "filereading.h"
#include "filetestsupport.h"
#include "importcommand.h"
#include "opencommand.h"
#include "savecommands.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// Paths a user can type into the file dialog that are no readable file of reasonable size, and
// places a save cannot write to. Every one ends in the program's message with the document as it
// was; none blocks, crashes or loads a huge file.
namespace {

const QString kOpenUnsupported = QStringLiteral("Данный файл не поддерживается.");
const QString kOpenError =
    QStringLiteral("Ошибка чтении файла. Убедитесь что это правильный EMS-рисунок.");
const QString kImportError =
    QStringLiteral("Ошибка при открытии файла. Убедитесь что это двухцветный bmp-файл.");
const QString kWriteError = QStringLiteral("Ошибка при записи файла.");

constexpr std::size_t kHugeFileBytes = 8 * 1024 * 1024;

// Watches a FIFO while a command runs. A reader that opens it blocking would wait until a writer
// comes; a reader still inside the command after a second is taken to wait, and the watch plays
// that writer, which lets the reader go on, and records that it was needed. A reader that opens
// the FIFO without blocking and lets go of it at once is never mistaken for one that waits.
class FifoWatch {
public:
    explicit FifoWatch(const QString& path)
        : path_(QFile::encodeName(path).toStdString()), thread_([this] { watch(); }) {}
    ~FifoWatch() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    bool readerBlocked() const { return readerBlocked_; }

private:
    void watch() {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, std::chrono::seconds(1), [this] { return done_; })) {
            return;
        }
        while (!done_) {
            // Opening for writing without blocking succeeds only while a reader has it open.
            const int descriptor = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (descriptor >= 0) {
                readerBlocked_ = true;
                ::close(descriptor);
                return;
            }
            wake_.wait_for(lock, std::chrono::milliseconds(5), [this] { return done_; });
        }
    }

    std::string path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::atomic<bool> readerBlocked_{false};
    std::thread thread_;
};

class UnusualPaths : public FileCommandTest {
protected:
    // The document at stake: a modified picture with a drawing and a file of its own.
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(FileCommandTest::SetUp());
        doc = usedPicture(5, folder);
        doc->fileName = "mine.ems";
        doc->fileFolder = folder.toStdString();
        *before = *doc;

        writeBytes(path("plain"), Bytes{1, 2, 3});
        ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
        ASSERT_TRUE(QFile::link(path("nowhere"), path("dangling")));
        ASSERT_TRUE(QDir(folder).mkdir("folder.ems"));
    }

    // Answers No to the save-changes question and picks the path, with nothing shown before.
    void chooseWithoutSaving(const QString& chosen) {
        prompts = FakePrompts();
        prompts.saveAnswers = {SaveChangesAnswer::No};
        prompts.fileAnswers = {{chosen}};
    }

    // Picks each path that names no readable file, the missing one and the one below a regular
    // file with `extension`, and runs `refuse`, which expects the command's failure. No reader
    // may wait on the FIFO, and the document stays as it was but for the dialog's folder.
    void refuseEachUnreadablePath(const QString& extension, const std::function<void()>& refuse) {
        const QStringList paths = {path("missing" + extension),
                                   path("plain/picture" + extension),
                                   path("dangling"),
                                   path("folder.ems"),
                                   path("fifo"),
                                   "/dev/zero",
                                   "/dev/null"};
        for (const QString& chosen : paths) {
            SCOPED_TRACE(chosen.toStdString());
            chooseWithoutSaving(chosen);
            FifoWatch fifo(path("fifo"));

            refuse();
            EXPECT_FALSE(fifo.readerBlocked());
            doc->dir1 = before->dir1;
            expectSameDocument(*doc, *before);
        }
    }
};

TEST_F(UnusualPaths, OpenRefusesUnreadablePaths) {
    refuseEachUnreadablePath(".ems", [this] {
        EXPECT_EQ(openDocument(*doc, prompts), OpenOutcome::Failed);
        EXPECT_EQ(prompts.texts(), QStringList({"Сохранить изменения?", kOpenError}));
        EXPECT_EQ(prompts.shown.last().kind, "error");
    });
}

TEST_F(UnusualPaths, ImportRefusesUnreadablePaths) {
    refuseEachUnreadablePath(".bmp", [this] {
        EXPECT_EQ(importBmp(*doc, prompts), ImportOutcome::Failed);
        EXPECT_EQ(prompts.texts(), QStringList({"Сохранить изменения?", kImportError}));
    });
}

// Files of other kinds under the program's names, and a file of many megabytes: the readers look
// at no more than the longest file they can take.
TEST_F(UnusualPaths, OtherFilesAndHugeJunkAreRefused) {
    const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                       0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    Bytes hugeJunk(kHugeFileBytes, 0xEE);
    auto picture = makePicture(16, 16);
    writeBytes(path("png.ems"), png);
    writeBytes(path("png.bmp"), png);
    writeBytes(path("huge-junk.ems"), hugeJunk);
    writeBytes(path("picture.bmp"), encode(*picture));
    writeBytes(path("bitmap.ems"), fixtureBytes("pillow-5x5.bmp"));

    for (const QString& name :
         {QString("png.ems"), QString("huge-junk.ems"), QString("bitmap.ems")}) {
        SCOPED_TRACE(name.toStdString());
        chooseWithoutSaving(path(name));
        EXPECT_EQ(openDocument(*doc, prompts), OpenOutcome::Failed);
        EXPECT_EQ(prompts.texts(), QStringList({"Сохранить изменения?", kOpenUnsupported}));
        expectSameDocument(*doc, *before);
    }
    for (const QString& name : {QString("png.bmp"), QString("picture.bmp")}) {
        SCOPED_TRACE(name.toStdString());
        chooseWithoutSaving(path(name));
        EXPECT_EQ(importBmp(*doc, prompts), ImportOutcome::Failed);
        EXPECT_EQ(prompts.texts(), QStringList({"Сохранить изменения?", kImportError}));
        expectSameDocument(*doc, *before);
    }
}

// A FIFO that takes the place of a regular file after the dialog, over and over: the reader
// checks what it opened, so it never waits on the FIFO. The FIFO keeps a second name of its
// own, through which the watch finds it whichever name it has at the moment.
TEST_F(UnusualPaths, FifoSwappedInForAFileIsNeverWaitedOn) {
    writeBytes(path("picture.ems"), encode(*makePicture(8, 8)));
    ASSERT_EQ(::link(QFile::encodeName(path("fifo")).constData(),
                     QFile::encodeName(path("fifo-watched")).constData()),
              0);
    const QByteArray picture = QFile::encodeName(path("picture.ems"));
    const QByteArray fifo = QFile::encodeName(path("fifo"));
    std::atomic<bool> swapping{true};
    std::thread swapper([&] {
        while (swapping) {
            ::renameat2(AT_FDCWD, picture.constData(), AT_FDCWD, fifo.constData(), RENAME_EXCHANGE);
        }
    });

    int regularReads = 0;
    bool blocked = false;
    for (int attempt = 0; attempt < 500 && !blocked; ++attempt) {
        const FifoWatch watch(path("fifo-watched"));
        regularReads += readFileStart(path("picture.ems"), kLargestFileBytes).has_value();
        blocked = watch.readerBlocked();
    }
    swapping = false;
    swapper.join();
    EXPECT_FALSE(blocked);
    EXPECT_GT(regularReads, 0);
}

// A picture reached through a link opens like the file itself.
TEST_F(UnusualPaths, LinkToAPictureOpens) {
    auto picture = makePicture(8, 1);
    picture->pixels[1][3][1] = kCellSet;
    writeBytes(path("real.ems"), encode(*picture));
    ASSERT_TRUE(QFile::link(path("real.ems"), path("link.ems")));

    chooseWithoutSaving(path("link.ems"));
    ASSERT_EQ(openDocument(*doc, prompts), OpenOutcome::Loaded);
    EXPECT_EQ(doc->MX, 8);
    EXPECT_EQ(doc->pixels[1][3][1], kCellSet);
    EXPECT_EQ(doc->fileName, "link.ems");
}

// Places no file can be written to, also for root: the message, the drawing still modified, and
// nothing changed on disk. The next Save tries the same place again.
TEST_F(UnusualPaths, SaveAsIntoPlacesThatTakeNoFile) {
    const QStringList chosen = {path("missing-folder/pic.ems"), path("plain/pic.ems"),
                                path("folder.ems")};
    for (const QString& target : chosen) {
        SCOPED_TRACE(target.toStdString());
        prompts = FakePrompts();
        prompts.fileAnswers = {{target}};
        doc->IZM = kTrue;

        EXPECT_EQ(saveDocumentAs(*doc, prompts), SaveOutcome::Failed);
        EXPECT_EQ(prompts.texts(), QStringList({kWriteError}));
        EXPECT_EQ(prompts.shown[0].kind, "error");
        EXPECT_EQ(doc->IZM, kTrue);
        EXPECT_TRUE(doc->pixels == before->pixels);
    }
    EXPECT_FALSE(QFileInfo::exists(path("missing-folder")));
    EXPECT_EQ(readBytes(path("plain")), (Bytes{1, 2, 3}));
    EXPECT_TRUE(QFileInfo(path("folder.ems")).isDir());
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList({"dangling", "fifo", "folder.ems", "plain"}));

    EXPECT_EQ(saveDocument(*doc, prompts), SaveOutcome::Failed);
    EXPECT_EQ(prompts.texts(), QStringList({kWriteError, kWriteError}));
}

// A name that is not UTF-8 reaches the program with U+FFFD in place of its bytes, and U+FFFD
// written back is other bytes: here the name of another picture beside it. Open and Import,
// from the dialog or given by the desktop, refuse it with their messages, and Save As with its
// own; neither file is read or written, and the document keeps its own file.
TEST_F(UnusualPaths, NamesThatAreNotUtf8AreRefused) {
    const QByteArray folderBytes = QFile::encodeName(folder);
    const Bytes picture = encode(*makePicture(16, 16));
    const Bytes bitmap = fixtureBytes("pillow-5x5.bmp");
    const std::pair<const char*, Bytes> files[] = {{"/\xff.ems", picture},
                                                   {"/\xef\xbf\xbd.ems", picture},
                                                   {"/\xff.bmp", bitmap},
                                                   {"/\xef\xbf\xbd.bmp", bitmap}};
    // QTemporaryDir cannot remove names that Qt cannot decode.
    struct RawNames {
        std::vector<QByteArray> paths;
        ~RawNames() {
            for (const QByteArray& path : paths) {
                ::unlink(path.constData());
            }
        }
    } rawNames;
    for (const auto& [name, bytes] : files) {
        rawNames.paths.push_back(folderBytes + name);
        std::FILE* file = std::fopen(rawNames.paths.back().constData(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    const QString seenPicture = QFile::decodeName(folderBytes + "/\xff.ems");
    const QString seenBitmap = QFile::decodeName(folderBytes + "/\xff.bmp");
    ASSERT_EQ(seenPicture, path(QStringLiteral("\uFFFD.ems")));

    const std::pair<QStringList, std::function<bool()>> refusals[] = {
        {{"Сохранить изменения?", kOpenError},
         [&] { return openDocument(*doc, prompts) == OpenOutcome::Failed; }},
        {{"Сохранить изменения?", kOpenError},
         [&] { return openDocument(*doc, prompts, seenPicture) == OpenOutcome::Failed; }},
        {{"Сохранить изменения?", kImportError},
         [&] { return importBmp(*doc, prompts, seenBitmap) == ImportOutcome::Failed; }},
        {{kWriteError}, [&] { return saveDocumentAs(*doc, prompts) == SaveOutcome::Failed; }},
    };
    for (const auto& [texts, refuse] : refusals) {
        SCOPED_TRACE(texts.last().toStdString());
        chooseWithoutSaving(seenPicture);
        EXPECT_TRUE(refuse());
        EXPECT_EQ(prompts.texts(), texts);
        doc->dir1 = before->dir1;
        expectSameDocument(*doc, *before);
    }
    EXPECT_EQ(readBytes(path(QStringLiteral("\uFFFD.ems"))), picture);
}

} // namespace
