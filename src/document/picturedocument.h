#pragma once

#include <array>
#include <cstdint>
#include <string>

// The one picture or animation being edited. Every part of the program reads and writes these
// fields directly; the main window owns the single instance.

enum class DocumentKind : std::uint8_t {
    Picture = 1,   // one frame, kept as .ems
    Animation = 2, // up to 16 frames, kept as .ema
};

// A cell is 0 when clear and -1 when set; readers treat any nonzero value as set.
using Cell = std::int16_t;
// A 16-bit flag: -1 for true, 0 for false.
using Flag = std::int16_t;

constexpr Cell kCellSet = -1;
constexpr Cell kCellClear = 0;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;

constexpr int kMaxWidth = 128;
constexpr int kMaxHeight = 96;
constexpr int kMaxFrames = 16;

// Every axis is 1-based: index 0 exists and is never used. A frame is indexed [x][y].
using Frame = std::array<std::array<Cell, kMaxHeight + 1>, kMaxWidth + 1>;
using FrameStore = std::array<Frame, kMaxFrames + 1>;
using LineBuffer = std::array<Cell, kMaxWidth + 1>;

// Mouse button held over the drawing field.
enum HeldButton : std::uint8_t {
    kNoButton = 0,
    kLeftButton = 1,
    kRightButton = 2,
    kMiddleButton = 4,
};

// Placeholder file name of a document that has no file yet.
inline const std::string kNoFileName = "*";

struct PictureDocument {
    std::uint8_t ka = 1;        // frame the preview shows next, 1..kK (the writer's counter too)
    std::uint8_t k = 1;         // current frame: the one the drawing field shows and edits
    std::uint8_t kK = 1;        // number of frames, 1..16; 1 for a picture
    std::uint8_t zZ = 0;        // preview delay between frames in units of 12 ms
    Flag IZM = kFalse;          // modified since created, opened, imported or saved
    std::int32_t MX = 32;       // width in pixels, 1..128
    std::int32_t MY = 32;       // height in pixels, 1..96
    std::string dir1;           // folder the next file dialog opens in; empty: the program's
    std::string fileName = "*"; // the document's file name without folder, "*" when it has none
    std::string fileFolder;     // folder of the document's file, so Save writes back there
    FrameStore pixels{};        // all 16 frames at full capacity, [frame][x][y]
    Frame undoFrame{};          // one frame saved before a change, exchanged by Undo
    Frame clipFrame{};          // the program's own one-frame clipboard
    std::uint8_t heldButton = kNoButton; // button drawing on the field, 0 when none
    Flag gridOn = kTrue;                 // grid lines are drawn on the field
    LineBuffer lineBuffer{};             // scratch row or column of the scroll commands
    DocumentKind kind = DocumentKind::Picture;
};

inline bool isSet(Cell cell) {
    return cell != 0;
}
inline bool isAnimation(const PictureDocument& doc) {
    return doc.kind == DocumentKind::Animation;
}
