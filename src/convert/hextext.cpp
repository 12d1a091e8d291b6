#include "hextext.h"

std::string hexText(const std::vector<std::uint8_t>& octets) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(octets.size() * 2);
    for (const std::uint8_t value : octets) {
        text += digits[value >> 4];
        text += digits[value & 0x0F];
    }
    return text;
}
