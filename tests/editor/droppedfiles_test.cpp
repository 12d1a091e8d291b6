#include "mainwindowfixture.h"
#include "picturedocument.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QImage>
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

// A picture dropped in a common format replaces the document in two colours, with no file of its
// own; so does a colour BMP, which the import refuses. One that Qt cannot read changes nothing.
TEST_F(DroppedFiles, ImagesOpenScaledIntoTwoColoursWithoutAFile) {
    QTemporaryDir temp;
    QImage image(400, 150, QImage::Format_RGB32); // fits as 128 x 48
    image.fill(Qt::white);
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 100; ++x) { // the first 32 columns of cells
            image.setPixel(x, y, qRgb(200, 0, 0));
        }
    }
    for (const char* format : {"png", "bmp"}) {
        SCOPED_TRACE(format);
        const QString photo = QDir(temp.path()).filePath(QStringLiteral("photo.") + format);
        ASSERT_TRUE(image.save(photo));
        QFile photoFile(photo);
        ASSERT_TRUE(photoFile.open(QIODevice::ReadOnly));
        const QByteArray photoBytes = photoFile.readAll();
        photoFile.close();

        doc().IZM = kTrue;
        prompts.shown.clear();
        prompts.dialogs.clear();
        prompts.saveAnswers = {SaveChangesAnswer::No};
        ASSERT_TRUE(drop({photo}));
        ASSERT_EQ(prompts.shown.size(), 1);
        EXPECT_EQ(prompts.shown[0].title, "Открытие нового файла");
        EXPECT_EQ(label("Label2_0"), " 128 x 48");
        EXPECT_EQ(window->windowTitle(), "Mosaikon");
        for (int x = 1; x <= 128; ++x) {
            ASSERT_EQ(isSet(doc().pixels[1][x][24]), x <= 32) << "column " << x;
        }

        // Save asks for a name and never writes into the picture.
        trigger("filesave");
        ASSERT_EQ(prompts.dialogs.size(), 1);
        EXPECT_EQ(prompts.dialogs[0].mode, FileDialogMode::Save);
        ASSERT_TRUE(photoFile.open(QIODevice::ReadOnly));
        EXPECT_EQ(photoFile.readAll(), photoBytes);
        photoFile.close();
    }

    // A file that is no picture Qt reads gets the message of the command its name leads to.
    const struct {
        const char* name;
        const char* bytes;
        const char* message;
    } brokenFiles[] = {
        {"broken.jpg", "\xff\xd8\xff\xe0 not a JPEG after all", "Данный файл не поддерживается."},
        {"broken.bmp", "BM not a BMP after all",
         "Ошибка при открытии файла. Убедитесь что это двухцветный bmp-файл."},
    };
    for (const auto& broken : brokenFiles) {
        const QString path = QDir(temp.path()).filePath(broken.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(broken.bytes);
        file.close();
        prompts.shown.clear();
        ASSERT_TRUE(drop({path}));
        ASSERT_EQ(prompts.shown.size(), 1);
        EXPECT_EQ(prompts.shown[0].kind, "error");
        EXPECT_EQ(prompts.shown[0].text, broken.message);
        EXPECT_EQ(label("Label2_0"), " 128 x 48");
    }
}

} // namespace
