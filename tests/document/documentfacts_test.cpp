#include "documentfacts.h"
#include "picturedocument.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ByteCountCase {
    DocumentKind kind;
    int width;
    int height;
    int frames;
    int bytes;
};

TEST(DocumentFacts, ByteCountIsTheLengthOfTheSavedFile) {
    const ByteCountCase cases[] = {
        {DocumentKind::Picture, 32, 32, 1, 131},   {DocumentKind::Picture, 72, 14, 1, 129},
        {DocumentKind::Picture, 101, 46, 1, 601},  {DocumentKind::Picture, 9, 1, 1, 5},
        {DocumentKind::Picture, 1, 1, 1, 4},       {DocumentKind::Picture, 128, 96, 1, 1539},
        {DocumentKind::Animation, 16, 16, 4, 133}, {DocumentKind::Animation, 128, 96, 16, 24581},
    };
    auto doc = std::make_unique<PictureDocument>();
    for (const ByteCountCase& c : cases) {
        doc->kind = c.kind;
        doc->MX = c.width;
        doc->MY = c.height;
        doc->kK = static_cast<std::uint8_t>(c.frames);
        EXPECT_EQ(fileByteCount(*doc), c.bytes) << c.width << " x " << c.height;
    }
}

} // namespace
