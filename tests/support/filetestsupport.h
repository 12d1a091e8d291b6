#pragma once

#include "fakeprompts.h"
#include "picturedocument.h"
#include "sampledocuments.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline std::unique_ptr<PictureDocument> makeDocument() {
    return std::make_unique<PictureDocument>();
}

// Puts the process's current folder back when a test that moved it ends.
class CurrentFolderGuard {
public:
    CurrentFolderGuard() : saved_(QDir::currentPath()) {}
    ~CurrentFolderGuard() { QDir::setCurrent(saved_); }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

private:
    QString saved_;
};

inline Bytes readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

inline void writeBytes(const QString& path, const Bytes& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

// Sets every cell of the whole store at random, inside and outside the document's size.
inline void scribble(PictureDocument& doc, std::mt19937& random) {
    std::uint32_t bits = 0;
    int bitsLeft = 0;
    for (Frame& frame : doc.pixels) {
        for (auto& column : frame) {
            for (Cell& cell : column) {
                if (bitsLeft == 0) {
                    bits = random();
                    bitsLeft = 32;
                }
                cell = (bits & 1) ? kCellSet : kCellClear;
                bits >>= 1;
                --bitsLeft;
            }
        }
    }
}

inline void expectSameDocument(const PictureDocument& actual, const PictureDocument& expected) {
    EXPECT_EQ(actual.ka, expected.ka);
    EXPECT_EQ(actual.k, expected.k);
    EXPECT_EQ(actual.kK, expected.kK);
    EXPECT_EQ(actual.zZ, expected.zZ);
    EXPECT_EQ(actual.IZM, expected.IZM);
    EXPECT_EQ(actual.MX, expected.MX);
    EXPECT_EQ(actual.MY, expected.MY);
    EXPECT_EQ(actual.dir1, expected.dir1);
    EXPECT_EQ(actual.fileName, expected.fileName);
    EXPECT_EQ(actual.fileFolder, expected.fileFolder);
    EXPECT_TRUE(actual.pixels == expected.pixels);
    EXPECT_TRUE(actual.undoFrame == expected.undoFrame);
    EXPECT_TRUE(actual.clipFrame == expected.clipFrame);
    EXPECT_EQ(actual.kind, expected.kind);
}

// A modified 40 x 30 picture with cells everywhere in the store, its dialogs opening in `folder`.
inline std::unique_ptr<PictureDocument> usedPicture(unsigned seed, const QString& folder) {
    auto doc = makePicture(40, 30);
    std::mt19937 random(seed);
    scribble(*doc, random);
    doc->IZM = kTrue;
    doc->dir1 = folder.toStdString();
    return doc;
}

// The same as frame 3 of a 5-frame animation, with a file of its own in another folder.
inline std::unique_ptr<PictureDocument> usedAnimation(unsigned seed, const QString& folder) {
    auto doc = usedPicture(seed, folder);
    doc->kind = DocumentKind::Animation;
    doc->kK = 5;
    doc->k = 3;
    doc->zZ = 9;
    doc->ka = 4;
    doc->fileName = "old.ema";
    doc->fileFolder = "/old/folder";
    return doc;
}

// A command test in a temporary folder of its own, with scripted prompts, a document on the heap
// and a copy of it to compare with. The current folder is put back afterwards.
class FileCommandTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        folder = QDir(temp.path()).canonicalPath();
    }

    QString path(const QString& name) const { return QDir(folder).filePath(name); }

    // Answers No to the save-changes question and picks the named files of the folder.
    void chooseAfterNo(const QStringList& names) {
        QStringList paths;
        for (const QString& name : names) {
            paths.append(path(name));
        }
        prompts.saveAnswers = {SaveChangesAnswer::No};
        prompts.fileAnswers = {paths};
    }

    CurrentFolderGuard guard;
    QTemporaryDir temp;
    QString folder;
    std::unique_ptr<PictureDocument> doc = makeDocument();
    std::unique_ptr<PictureDocument> before = makeDocument();
    FakePrompts prompts;
};
