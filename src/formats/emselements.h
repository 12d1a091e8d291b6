#pragma once

#include <cstdint>

// Information elements of the SMS user data header that carry pictures and animations
// (3GPP TS 23.040, 9.2.3.24), with the fixed sizes of the predefined ones.

enum class ElementId : std::uint8_t {
    Concatenated8 = 0x00,       // reference, part count, part number
    ApplicationPort16 = 0x05,   // destination port, origin port (Nokia Smart Messaging)
    Concatenated16 = 0x08,      // 16-bit reference, part count, part number
    LargeAnimation = 0x0E,      // position, 4 frames of 16 x 16
    SmallAnimation = 0x0F,      // position, 4 frames of 8 x 8
    LargePicture = 0x10,        // position, 32 x 32
    SmallPicture = 0x11,        // position, 16 x 16
    VariablePicture = 0x12,     // position, width in octets, height, rows
    UserPromptIndicator = 0x13, // number of objects that make one
    ExtendedObject = 0x14,
    CompressionControl = 0x16,
};

// The most octets of user data one message carries.
constexpr int kUserDataOctets = 140;

// The most octets of rows one Variable Picture element carries.
constexpr int kVariablePictureDataOctets = 128;

// Nokia Smart Messaging ports.
constexpr std::uint16_t kNokiaPicturePort = 5514;
constexpr std::uint16_t kNokiaOperatorLogoPort = 5506;
