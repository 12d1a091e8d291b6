#include "mainwindowfixture.h"
#include "picturedocument.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class DroppedFiles : public MainWindowFixture {
protected:
    // Drags the files over the drawing field and drops them there, offering a move as a file
    // manager may. False when the window refused the drag; the drop is then not made.
    bool drop(const QStringList& paths, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls.append(QUrl::fromLocalFile(path));
        }
        data.setUrls(urls);
        const QPoint point(100, 100);
        QDragEnterEvent enter(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setDropAction(Qt::MoveAction);
        QCoreApplication::sendEvent(field, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
        dropped.setDropAction(Qt::MoveAction);
        QCoreApplication::sendEvent(field, &dropped);
        EXPECT_TRUE(dropped.isAccepted());
        EXPECT_EQ(dropped.dropAction(), Qt::CopyAction) << "a drop never moves the file away";
        QCoreApplication::processEvents();
        return true;
    }
};

TEST_F(DroppedFiles, RunOpenOrImportWithTheirQuestionsAndTitles) {
    QTemporaryDir temp;
    const QString folder = QDir(temp.path()).canonicalPath();
    const QString notes = QDir(folder).filePath("notes.txt");
    const QString picture = QDir(folder).filePath("smile.ems");
    QFile file(picture);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("020801ff"));
    file.close();

    EXPECT_FALSE(drop({notes}));
    EXPECT_FALSE(drop({picture}, Qt::MoveAction));
    doc().IZM = kTrue;
    prompts.saveAnswers = {SaveChangesAnswer::No};
    ASSERT_TRUE(drop({notes, picture}));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].title, "Открытие нового файла");
    EXPECT_TRUE(prompts.dialogs.isEmpty());
    EXPECT_EQ(window->windowTitle(), "smile - Mosaikon");
    EXPECT_EQ(label("Label2_0"), " 8 x 1");
    EXPECT_EQ(doc().fileFolder, folder.toStdString());
    EXPECT_TRUE(QFile::exists(picture));

    doc().IZM = kTrue;
    prompts.saveAnswers = {SaveChangesAnswer::Cancel};
    ASSERT_TRUE(drop({QStringLiteral(TEST_DATA_DIR "/bmp/pillow-72x14.bmp")}));
    EXPECT_EQ(prompts.shown.last().title, "Импорт из BMP-файла");
    EXPECT_EQ(doc().MX, 8);

    doc().IZM = kFalse;
    ASSERT_TRUE(drop({QStringLiteral(TEST_DATA_DIR "/bmp/pillow-72x14.bmp")}));
    EXPECT_EQ(prompts.shown.size(), 2);
    EXPECT_EQ(label("Label2_0"), " 72 x 14");
    EXPECT_EQ(window->windowTitle(), "Mosaikon");
}

} // namespace
