#include "documentbytes.h"
#include "fakeprompts.h"
#include "filetestsupport.h"
#include "newdocument.h"
#include "opencommand.h"
#include "savecommands.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/fsuid.h>
#include <sys/resource.h>

namespace {

class SaveCommands : public FileCommandTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(FileCommandTest::SetUp());
        doc->dir1 = folder.toStdString();
        doc->pixels[1][1][1] = kCellSet;
        doc->IZM = kTrue;
    }

    QStringList filesInFolder() const { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(SaveCommands, SaveWithoutAFileRunsSaveAsAndACancelWritesNothing) {
    EXPECT_EQ(saveDocument(*doc, prompts), SaveOutcome::Cancelled);
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].mode, FileDialogMode::Save);
    EXPECT_EQ(prompts.dialogs[0].title, "Сохранить файл");
    EXPECT_EQ(prompts.dialogs[0].folder, folder);
    EXPECT_EQ(prompts.dialogs[0].nameFilters,
              QStringList({"EMS-рисунок (*.ems)", "Все файлы (*)"}));
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_TRUE(filesInFolder().isEmpty());
    EXPECT_EQ(doc->fileName, "*");
    EXPECT_EQ(doc->IZM, kTrue);
    EXPECT_TRUE(doc->dir1.empty());
}

TEST_F(SaveCommands, SaveAsAddsTheExtensionOnlyToANameWithoutADot) {
    struct Case {
        DocumentKind kind;
        QString typed;
        QString written;
    };
    const Case cases[] = {
        {DocumentKind::Picture, "pic", "pic.ems"},
        {DocumentKind::Animation, "anim", "anim.ema"},
        {DocumentKind::Picture, "my.pic", "my.pic"},
        {DocumentKind::Animation, "pic.", "pic."},
        {DocumentKind::Picture, "рисунок", "рисунок.ems"},
    };
    for (const Case& c : cases) {
        doc->kind = c.kind;
        doc->kK = c.kind == DocumentKind::Animation ? 2 : 1;
        doc->IZM = kTrue;
        prompts.fileAnswers = {{path(c.typed)}};

        EXPECT_EQ(saveDocumentAs(*doc, prompts), SaveOutcome::Written) << c.typed.toStdString();
        EXPECT_EQ(QString::fromStdString(doc->fileName), c.written);
        EXPECT_EQ(doc->fileFolder, folder.toStdString());
        EXPECT_EQ(doc->IZM, kFalse);
        EXPECT_EQ(readBytes(path(c.written)), encode(*doc)) << c.written.toStdString();
    }
    EXPECT_EQ(filesInFolder().size(), 5);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(prompts.dialogs[1].nameFilters,
              QStringList({"EMA-анимация (*.ema)", "Все файлы (*)"}));
}

TEST_F(SaveCommands, SavingAnAnimationLeavesThePreviewCounterPastTheLastFrame) {
    newAnimation(*doc);
    doc->ka = 2;
    prompts.fileAnswers = {{path("anim")}};
    ASSERT_EQ(saveDocument(*doc, prompts), SaveOutcome::Written);
    EXPECT_EQ(doc->ka, 5);
    EXPECT_EQ(readBytes(path("anim.ema")).size(), 133u);
}

TEST_F(SaveCommands, SavingOverALongerFileLeavesExactlyTheFormatsLength) {
    writeBytes(path("big.ems"), Bytes(5000, 0xAA));
    doc->fileName = "big.ems";
    doc->fileFolder = folder.toStdString();
    doc->MX = 10;
    doc->MY = 2;
    ASSERT_EQ(saveDocument(*doc, prompts), SaveOutcome::Written);
    EXPECT_EQ(readBytes(path("big.ems")), (Bytes{0x02, 0x0A, 0x02, 0x80, 0x00, 0x00, 0x00}));
    EXPECT_TRUE(prompts.dialogs.isEmpty());
}

// A folder that is a regular file cannot hold a file, also for root.
TEST_F(SaveCommands, FailedWriteShowsTheMessageAndKeepsTheDocumentModified) {
    writeBytes(path("plain"), Bytes{1, 2, 3});
    prompts.fileAnswers = {{path("plain") + "/pic"}};

    EXPECT_EQ(saveDocumentAs(*doc, prompts), SaveOutcome::Failed);
    EXPECT_EQ(prompts.texts(), QStringList({"Ошибка при записи файла."}));
    EXPECT_EQ(prompts.shown[0].kind, "error");
    EXPECT_EQ(doc->IZM, kTrue);
    EXPECT_EQ(doc->fileName, "pic.ems");
    EXPECT_EQ(readBytes(path("plain")), (Bytes{1, 2, 3}));

    // A later Save tries the same name again.
    EXPECT_EQ(saveDocument(*doc, prompts), SaveOutcome::Failed);
    EXPECT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.shown.size(), 2);
}

// Runs `save` with files limited to `limit` bytes, so that a write fails halfway, after the file
// was opened.
SaveOutcome withFileSizeLimit(rlim_t limit, const std::function<SaveOutcome()>& save) {
    rlimit saved{};
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = limit;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveOutcome outcome = save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return outcome;
}

TEST_F(SaveCommands, FailedWriteLeavesThePreviousFileWhole) {
    const Bytes previous(40, 0x55);
    writeBytes(path("old.ems"), previous);
    doc->fileName = "old.ems";
    doc->fileFolder = folder.toStdString();
    doc->MX = 128;
    doc->MY = 96;

    const SaveOutcome outcome =
        withFileSizeLimit(100, [this] { return saveDocument(*doc, prompts); });

    EXPECT_EQ(outcome, SaveOutcome::Failed);
    EXPECT_EQ(prompts.texts(), QStringList({"Ошибка при записи файла."}));
    EXPECT_EQ(doc->IZM, kTrue);
    EXPECT_EQ(readBytes(path("old.ems")), previous);
    EXPECT_EQ(filesInFolder(), QStringList({"old.ems"}));
}

// A writable file in a folder that takes no new file is written in place; a write that fails
// there is still reported. Root passes every permission check, so the saves run with the file
// identity of an ordinary user (for a test run by one, setfsuid changes nothing).
TEST_F(SaveCommands, WritableFileInAReadOnlyFolderIsWrittenInPlace) {
    const QString locked = path("locked");
    const QString file = QDir(locked).filePath("pic.ems");
    ASSERT_TRUE(QDir(folder).mkdir("locked"));
    writeBytes(file, Bytes(2000, 0x55));
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    const auto searchable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(folder, readable | searchable | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(locked, readable | searchable));
    ASSERT_TRUE(QFile::setPermissions(file, readable | writable));
    doc->fileName = "pic.ems";
    doc->fileFolder = locked.toStdString();

    constexpr uid_t kNobody = 65534;
    const auto savedIdentity = static_cast<uid_t>(setfsuid(kNobody));
    QFile probe(QDir(locked).filePath("probe"));
    const bool folderTakesFiles = probe.open(QIODevice::WriteOnly);
    const SaveOutcome saved = saveDocument(*doc, prompts);
    const Bytes written = readBytes(file);
    doc->MX = 128;
    doc->MY = 96;
    doc->IZM = kTrue;
    const SaveOutcome cut = withFileSizeLimit(100, [this] { return saveDocument(*doc, prompts); });
    setfsuid(savedIdentity);
    QFile::setPermissions(locked, readable | searchable | QFile::WriteOwner);

    ASSERT_FALSE(folderTakesFiles);
    EXPECT_EQ(saved, SaveOutcome::Written);
    ASSERT_EQ(written.size(), 131u);
    EXPECT_EQ(written[3], 0x80);
    EXPECT_EQ(cut, SaveOutcome::Failed);
    EXPECT_EQ(prompts.texts(), QStringList({"Ошибка при записи файла."}));
    EXPECT_EQ(doc->IZM, kTrue);
    EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList({"pic.ems"}));
}

// Any entry of the name with the added extension is asked about: a file, or a link that leads
// nowhere or in a circle.
TEST_F(SaveCommands, AddedExtensionThatNamesAnExistingEntryIsAskedAbout) {
    writeBytes(path("pic.ems"), Bytes{9, 9});
    ASSERT_TRUE(QFile::link(path("nowhere"), path("dangling.ems")));
    ASSERT_TRUE(QFile::link(path("loop.ems"), path("loop.ems")));
    for (const QString name : {"pic", "dangling", "loop"}) {
        SCOPED_TRACE(name.toStdString());
        prompts = FakePrompts();
        prompts.fileAnswers = {{path(name)}};
        prompts.yesNoAnswers = {false};

        EXPECT_EQ(saveDocumentAs(*doc, prompts), SaveOutcome::Cancelled);
        ASSERT_EQ(prompts.shown.size(), 1);
        EXPECT_EQ(prompts.shown[0].kind, "yesno");
        EXPECT_EQ(prompts.shown[0].title, "Сохранить файл");
        EXPECT_EQ(prompts.shown[0].text,
                  QStringLiteral("Файл %1.ems уже существует. Заменить его?").arg(name));
        EXPECT_EQ(doc->fileName, "*");
        EXPECT_EQ(doc->IZM, kTrue);
    }
    EXPECT_EQ(readBytes(path("pic.ems")), (Bytes{9, 9}));
    EXPECT_EQ(QFileInfo(path("dangling.ems")).symLinkTarget(), path("nowhere"));
    EXPECT_FALSE(QFileInfo::exists(path("nowhere")));

    prompts.fileAnswers = {{path("pic")}};
    prompts.yesNoAnswers = {true};
    EXPECT_EQ(saveDocumentAs(*doc, prompts), SaveOutcome::Written);
    EXPECT_EQ(readBytes(path("pic.ems")), encode(*doc));
    EXPECT_EQ(doc->fileName, "pic.ems");
}

TEST_F(SaveCommands, NameAsTypedIsNotAskedAboutAgain) {
    writeBytes(path("my.pic"), Bytes{9, 9});
    prompts.fileAnswers = {{path("my.pic")}};
    EXPECT_EQ(saveDocumentAs(*doc, prompts), SaveOutcome::Written);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(readBytes(path("my.pic")), encode(*doc));
}

// An Open dialog that picks a refused file elsewhere moves the current folder; Save still
// writes where the document's file is.
TEST_F(SaveCommands, SaveWritesBackIntoTheDocumentsOwnFolder) {
    QTemporaryDir elsewhere;
    const QString otherFolder = QDir(elsewhere.path()).canonicalPath();
    writeBytes(QDir(otherFolder).filePath("junk.ems"), Bytes{0});
    prompts.fileAnswers = {{path("pic")}, {QDir(otherFolder).filePath("junk.ems")}};
    prompts.saveAnswers = {SaveChangesAnswer::No};

    ASSERT_EQ(saveDocumentAs(*doc, prompts), SaveOutcome::Written);
    doc->IZM = kTrue;
    ASSERT_EQ(openDocument(*doc, prompts), OpenOutcome::Failed);
    ASSERT_EQ(QDir::currentPath(), otherFolder);

    doc->pixels[1][2][1] = kCellSet;
    ASSERT_EQ(saveDocument(*doc, prompts), SaveOutcome::Written);
    EXPECT_EQ(readBytes(path("pic.ems")), encode(*doc));
    EXPECT_FALSE(QFileInfo::exists(QDir(otherFolder).filePath("pic.ems")));
}

TEST_F(SaveCommands, SaveChangesQuestionLetsTheCommandGoOnOnlyWhenNothingIsLost) {
    struct Case {
        const char* what;
        Flag modified;
        SaveChangesAnswer answer;
        QStringList dialogAnswer; // empty: cancel
        bool fileExists;
        bool overwrite;
        bool mayGoOn;
    };
    const QString blocked = path("plain") + "/pic";
    writeBytes(path("plain"), Bytes{1});
    const Case cases[] = {
        {"unmodified", kFalse, SaveChangesAnswer::Cancel, {}, false, false, true},
        {"no", kTrue, SaveChangesAnswer::No, {}, false, false, true},
        {"cancel", kTrue, SaveChangesAnswer::Cancel, {}, false, false, false},
        {"yes, dialog cancelled", kTrue, SaveChangesAnswer::Yes, {}, false, false, false},
        {"yes, overwrite refused",
         kTrue,
         SaveChangesAnswer::Yes,
         {path("pic")},
         true,
         false,
         false},
        {"yes, write failed", kTrue, SaveChangesAnswer::Yes, {blocked}, false, false, false},
        {"yes, written", kTrue, SaveChangesAnswer::Yes, {path("pic")}, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path("pic.ems"));
        if (c.fileExists) {
            writeBytes(path("pic.ems"), Bytes{9});
        }
        doc->fileName = "*";
        doc->dir1 = folder.toStdString();
        doc->IZM = c.modified;
        prompts = FakePrompts();
        prompts.saveAnswers = {c.answer};
        prompts.fileAnswers = {c.dialogAnswer};
        prompts.yesNoAnswers = {c.overwrite};

        EXPECT_EQ(mayDiscardChanges(*doc, prompts, "Выход"), c.mayGoOn);
        if (c.modified == kFalse) {
            EXPECT_TRUE(prompts.shown.isEmpty());
            continue;
        }
        EXPECT_EQ(prompts.shown[0].kind, "ask");
        EXPECT_EQ(prompts.shown[0].title, "Выход");
        EXPECT_EQ(prompts.shown[0].text, "Сохранить изменения?");
        EXPECT_EQ(doc->IZM == kFalse, c.answer == SaveChangesAnswer::Yes && c.mayGoOn);
    }
    EXPECT_EQ(readBytes(path("pic.ems")), encode(*doc));
}

} // namespace
