#include "emslayout.h"

#include <gtest/gtest.h>

namespace {

struct ByteCountCase {
    ArtworkKind kind;
    int width;
    int height;
    int frames;
    int bytes;
};

TEST(EmsLayout, ByteCountIsTheLengthOfTheSavedFile) {
    const ByteCountCase cases[] = {
        {ArtworkKind::Picture, 32, 32, 1, 131},   {ArtworkKind::Picture, 72, 14, 1, 129},
        {ArtworkKind::Picture, 101, 46, 1, 601},  {ArtworkKind::Picture, 9, 1, 1, 5},
        {ArtworkKind::Picture, 1, 1, 1, 4},       {ArtworkKind::Picture, 128, 96, 1, 1539},
        {ArtworkKind::Animation, 16, 16, 4, 133}, {ArtworkKind::Animation, 128, 96, 16, 24581},
    };
    for (const ByteCountCase& c : cases) {
        const EmsHeader header{c.kind, c.width, c.height, c.frames, 0};
        EXPECT_EQ(fileByteCount(header), c.bytes) << c.width << " x " << c.height;
    }
}

} // namespace
