#pragma once

#include <cstdint>

// Information elements of the SMS user data header that carry pictures and animations or that
// a reader of them meets (3GPP TS 23.040, 9.2.3.24), with the fixed sizes of the predefined ones.

enum class ElementId : std::uint8_t {
    Concatenated8 = 0x00,       // reference, part count, part number
    ApplicationPort8 = 0x04,    // destination port, origin port
    ApplicationPort16 = 0x05,   // destination port, origin port (Nokia Smart Messaging)
    Concatenated16 = 0x08,      // 16-bit reference, part count, part number
    PredefinedSound = 0x0B,     // position, sound number
    UserDefinedSound = 0x0C,    // position, iMelody
    PredefinedAnimation = 0x0D, // position, animation number
    LargeAnimation = 0x0E,      // position, 4 frames of 16 x 16
    SmallAnimation = 0x0F,      // position, 4 frames of 8 x 8
    LargePicture = 0x10,        // position, 32 x 32
    SmallPicture = 0x11,        // position, 16 x 16
    VariablePicture = 0x12,     // position, width in octets, height, rows
    UserPromptIndicator = 0x13, // number of objects that make one
    ExtendedObject = 0x14,
    ReusedExtendedObject = 0x15, // reference of an object sent before, position
    CompressionControl = 0x16,
    NationalSingleShift = 0x24,  // the language whose single shift table 7-bit text uses
    NationalLockingShift = 0x25, // the language whose locking shift table 7-bit text uses
};

// Octets of a concatenation element's data: reference, part count, part number.
constexpr int kConcatenationLength = 3;

// The most parts a concatenated message has: its part count is one octet.
constexpr int kMostMessages = 255;

// The most octets of user data one message carries.
constexpr int kUserDataOctets = 140;

// The most septets of user data one message in the 7-bit alphabet carries: 140 octets.
constexpr int kUserDataSeptets = 160;

// The most octets of rows one Variable Picture element carries.
constexpr int kVariablePictureDataOctets = 128;

// Sides of the predefined pictures and animations, and the frames of a predefined animation.
constexpr int kSmallPictureSide = 16;
constexpr int kLargePictureSide = 32;
constexpr int kSmallAnimationSide = 8;
constexpr int kLargeAnimationSide = 16;
constexpr int kPredefinedAnimationFrames = 4;

// The header of an Extended Object, in the element that starts it: reference number, length of
// the object data (2 octets, most significant first), control data, type, position (2 octets,
// counted in characters of the whole concatenated text). Elements that continue the object in
// later messages carry object data only.
constexpr int kExtendedObjectHeaderOctets = 7;

// Types of Extended Object (TS 23.040 annex E).
enum class ExtendedObjectType : std::uint8_t {
    BlackAndWhiteBitmap = 0x02,    // width, height in pixels, rows with no fill bits between
    BlackAndWhiteAnimation = 0x06, // width, height, frame count, timing, frames on octet bounds
};

// The animation control octet: the frame time in its high nibble (0 = 1 tenth of a second ..
// 15 = 16 tenths), the repetitions in its low nibble (0 = for ever).
constexpr int kShortestFrameTenths = 1;
constexpr int kLongestFrameTenths = 16;

// Data coding schemes (TP-DCS) the messages use.
enum class DataCoding : std::uint8_t {
    Gsm7 = 0x00, // the GSM 7-bit default alphabet, with its extension table
    EightBit = 0x04,
    Ucs2 = 0x08,
};

// Type of address octet of TP-DA: international or unknown number, ISDN numbering plan.
constexpr std::uint8_t kInternationalNumber = 0x91;
constexpr std::uint8_t kUnknownNumber = 0x81;

// Nokia Smart Messaging ports.
constexpr std::uint16_t kNokiaPicturePort = 5514;
constexpr std::uint16_t kNokiaOperatorLogoPort = 5506;

// The sizes Nokia Smart Messaging sends: a picture message and an operator logo.
constexpr int kNokiaPictureWidth = 72;
constexpr int kNokiaPictureHeight = 28;
constexpr int kNokiaLogoWidth = 72;
constexpr int kNokiaLogoHeight = 14;

// A Nokia picture message: the version character '0', then items, each a type octet, a 2-octet
// length and the item: Latin-1 text, UCS-2 text or an OTA bitmap.
constexpr std::uint8_t kNokiaPictureVersion = 0x30;
enum class NokiaItem : std::uint8_t { Latin1Text = 0x00, Ucs2Text = 0x01, OtaBitmap = 0x02 };
