#include "applydecoded.h"
#include "documentbytes.h"
#include "emscodec.h"
#include "picturedocument.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// A value for every cell of the store that no decoded cell can have (those are 0 and -1) and
// that differs from its neighbours, so that a stray write or a shifted copy shows.
FrameStore markedStore() {
    FrameStore store;
    int value = 0;
    for (Frame& frame : store) {
        for (auto& column : frame) {
            for (Cell& cell : column) {
                cell = static_cast<Cell>(1 + value++ % 32000);
            }
        }
    }
    return store;
}

using Column = Frame::value_type;

// Whether `count` neighbouring columns hold the same cells.
bool sameColumns(const Column* a, const Column* b, std::size_t count) {
    return std::memcmp(a, b, sizeof(Column) * count) == 0;
}

bool sameCells(const Cell* a, const Cell* b, std::size_t count) {
    return std::memcmp(a, b, sizeof(Cell) * count) == 0;
}

// The decoded block lies in columns 1..blockWidth() and rows 1..MY of frames 1..kK, with the
// file's cells; every other cell of the store, row 0, column 0 and frame 0 included, still
// holds its mark. Columns lie one after the other in memory, so the columns right of the block
// and the frames outside it are compared in one piece each.
bool onlyTheBlockChanged(const FrameStore& pixels, const FrameStore& marks,
                         const DecodedPicture& picture) {
    const std::size_t height = picture.MY;
    const int blockWidth = picture.blockWidth();
    const Cell* decoded = picture.cells.data();
    for (int frame = 0; frame <= kMaxFrames; ++frame) {
        const Frame& cells = pixels[frame];
        const Frame& marked = marks[frame];
        if (frame < 1 || frame > picture.kK) {
            if (!sameColumns(cells.data(), marked.data(), cells.size())) {
                return false;
            }
            continue;
        }
        for (int x = 1; x <= blockWidth; ++x, decoded += height) {
            const Cell* column = cells[x].data();
            const Cell* markedColumn = marked[x].data();
            if (column[0] != markedColumn[0] || !sameCells(column + 1, decoded, height) ||
                !sameCells(column + 1 + height, markedColumn + 1 + height, kMaxHeight - height)) {
                return false;
            }
        }
        if (!sameColumns(cells.data(), marked.data(), 1) ||
            !sameColumns(cells.data() + blockWidth + 1, marked.data() + blockWidth + 1,
                         kMaxWidth - blockWidth)) {
            return false;
        }
    }
    return true;
}

} // namespace

// Any bytes either decode into a document within the limits or give one of the two errors. A
// decoded file lands in a document whose every cell is marked beforehand: it overwrites its own
// block and no other cell, and written back it gives the bytes it came from, missing pixel bytes
// as zeros.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto marks = std::make_unique<FrameStore>(markedStore());
    static const auto doc = [] {
        auto made = std::make_unique<PictureDocument>();
        made->pixels = *marks;
        return made;
    }();
    const std::vector<std::uint8_t> bytes(data, data + size);
    const DecodeResult result = decode(bytes);
    const auto* picture = std::get_if<DecodedPicture>(&result);
    if (picture == nullptr) {
        return 0;
    }

    const bool withinLimits = picture->MX >= 1 && picture->MX <= kMaxWidth && picture->MY >= 1 &&
                              picture->MY <= kMaxHeight && picture->kK >= 1 &&
                              picture->kK <= kMaxFrames;
    const std::size_t cellCount =
        static_cast<std::size_t>(picture->kK) * picture->blockWidth() * picture->MY;
    if (!withinLimits || picture->cells.size() != cellCount) {
        std::abort();
    }
    for (const Cell cell : picture->cells) {
        if (cell != kCellSet && cell != kCellClear) {
            std::abort();
        }
    }

    doc->k = 5;
    applyDecoded(*doc, *picture);
    if (isAnimation(*doc) != (picture->kind == ArtworkKind::Animation) || doc->MX != picture->MX ||
        doc->MY != picture->MY || doc->kK != picture->kK || doc->k != 1 ||
        !onlyTheBlockChanged(doc->pixels, *marks, *picture)) {
        std::abort();
    }
    const std::vector<std::uint8_t> written = encode(*doc);
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::uint8_t original = i < bytes.size() ? bytes[i] : 0;
        if (written[i] != original) {
            std::abort();
        }
    }

    // The marks return where the block was, for the next input.
    for (int frame = 1; frame <= picture->kK; ++frame) {
        for (int x = 1; x <= picture->blockWidth(); ++x) {
            doc->pixels[frame][x] = (*marks)[frame][x];
        }
    }
    return 0;
}
