#include "utf8.h"

std::optional<std::u32string> decodeUtf8(const std::string& utf8) {
    std::u32string text;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const int length = lead < 0x80                   ? 1
                           : lead >= 0xF0 && lead < 0xF5 ? 4
                           : lead >= 0xE0                ? 3
                           : lead >= 0xC2 && lead < 0xE0 ? 2
                                                         : 0;
        if (length == 0 || at + length > utf8.size()) {
            return std::nullopt;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int next = 1; next < length; ++next) {
            const auto follower = static_cast<unsigned char>(utf8[at + next]);
            if ((follower & 0xC0) != 0x80) {
                return std::nullopt;
            }
            code = (code << 6) | (follower & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
        static const char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < shortest[length] || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) {
            return std::nullopt;
        }
        text.push_back(code);
        at += length;
    }
    return text;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string ucs2ToUtf8(const std::uint8_t* data, std::size_t size) {
    std::string out;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        char32_t unit = static_cast<char32_t>(data[i] << 8 | data[i + 1]);
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        if (high && i + 3 < size) {
            const char32_t low = static_cast<char32_t>(data[i + 2] << 8 | data[i + 3]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            unit = 0xFFFD; // a surrogate without its partner
        }
        appendUtf8(out, unit);
    }
    return out;
}

std::string latin1ToUtf8(const std::uint8_t* data, std::size_t size) {
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        appendUtf8(out, data[i]);
    }
    return out;
}
