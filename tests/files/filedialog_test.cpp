#include "fakeprompts.h"
#include "filedialog.h"
#include "filetestsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FileDialog, TitleAndFilterListFollowModeAndTable) {
    const FileFilterTable table = {
        {"Все доступные форматы", "*.ems; *.ema"},
        {"", "*.txt"},
        {"Х", "*.bin"},
        {"Один символ", "*"},
        {"Пусто", ""},
        {"Все файлы", "*.*"},
    };
    FakePrompts prompts;
    std::string folder = "/somewhere";
    fileDialog(FileDialogMode::Open, folder, table, prompts);
    folder = "/somewhere";
    fileDialog(FileDialogMode::Save, folder, table, prompts);

    ASSERT_EQ(prompts.dialogs.size(), 2);
    EXPECT_EQ(prompts.dialogs[0].mode, FileDialogMode::Open);
    EXPECT_EQ(prompts.dialogs[0].title, "Открыть файл");
    EXPECT_EQ(prompts.dialogs[0].folder, "/somewhere");
    EXPECT_EQ(prompts.dialogs[0].nameFilters,
              QStringList({"Все доступные форматы (*.ems *.ema)", "Разные файлы (*.txt)",
                           "Разные файлы (*.bin)", "Все файлы (*)"}));
    EXPECT_EQ(prompts.dialogs[1].mode, FileDialogMode::Save);
    EXPECT_EQ(prompts.dialogs[1].title, "Сохранить файл");
}

TEST(FileDialog, ConfirmedChoiceGivesNamesAndMovesTheCurrentFolder) {
    CurrentFolderGuard guard;
    QTemporaryDir temp;
    const QString chosenFolder = QDir(temp.path()).canonicalPath();
    FakePrompts prompts;
    prompts.fileAnswers = {{chosenFolder + "/a.ems"},
                           {chosenFolder + "/b.ems", chosenFolder + "/a.ems"}};
    std::string folder = "/somewhere";

    const FileDialogResult one =
        fileDialog(FileDialogMode::Open, folder, {{"EMS", "*.ems"}}, prompts);
    EXPECT_TRUE(one.confirmed);
    EXPECT_EQ(one.fileNames, QStringList({"a.ems"}));
    EXPECT_EQ(one.folder, chosenFolder);
    EXPECT_EQ(folder, chosenFolder.toStdString());
    EXPECT_EQ(QDir::currentPath(), chosenFolder);

    const FileDialogResult several =
        fileDialog(FileDialogMode::Open, folder, {{"EMS", "*.ems"}}, prompts);
    EXPECT_EQ(prompts.dialogs[1].folder, chosenFolder);
    EXPECT_EQ(several.fileNames, QStringList({"b.ems", "a.ems"}));
    EXPECT_EQ(several.folder, chosenFolder);
}

TEST(FileDialog, CancelEmptiesTheFolderAndGivesOneEmptyName) {
    CurrentFolderGuard guard;
    const QString before = QDir::currentPath();
    FakePrompts prompts;
    std::string folder = "/somewhere";

    const FileDialogResult result = fileDialog(FileDialogMode::Save, folder, {}, prompts);
    EXPECT_FALSE(result.confirmed);
    EXPECT_EQ(result.fileNames, QStringList({QString()}));
    EXPECT_TRUE(result.folder.isEmpty());
    EXPECT_TRUE(folder.empty());
    EXPECT_EQ(QDir::currentPath(), before);
}

// Never in the program's own folder: in the pictures folder, or at home while there is none.
TEST(FileDialog, EmptyFolderStartsInThePicturesFolderOrAtHome) {
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    FakePrompts prompts;
    std::string folder;

    fileDialog(FileDialogMode::Open, folder, {}, prompts);
    QDir(home.path()).mkdir("Pictures");
    fileDialog(FileDialogMode::Save, folder, {}, prompts);
    qputenv("HOME", savedHome);
    if (!savedConfig.isNull()) {
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }

    ASSERT_EQ(prompts.dialogs.size(), 2);
    EXPECT_EQ(prompts.dialogs[0].folder, home.path());
    EXPECT_EQ(prompts.dialogs[1].folder, QDir(home.path()).filePath("Pictures"));
}

} // namespace
