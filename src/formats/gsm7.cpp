#include "gsm7.h"

#include "gsm7national.h"
#include "utf8.h"

namespace {

// Sixteen septets a line; the escape's entry reads as a no-break space.
constexpr std::u32string_view kDefaultCharacters =
    U"@\u00a3$\u00a5\u00e8\u00e9\u00f9\u00ec\u00f2\u00c7\n\u00d8\u00f8\r\u00c5\u00e5"
    U"\u0394_\u03a6\u0393\u039b\u03a9\u03a0\u03a8\u03a3\u0398\u039e\u00a0\u00c6\u00e6\u00df\u00c9"
    U" !\"#\u00a4%&'()*+,-./"
    U"0123456789:;<=>?"
    U"\u00a1ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ\u00c4\u00d6\u00d1\u00dc\u00a7"
    U"\u00bfabcdefghijklmno"
    U"pqrstuvwxyz\u00e4\u00f6\u00f1\u00fc\u00e0";

constexpr std::u32string_view kDefaultExtension = U"          \f     "
                                                  U"    ^           "
                                                  U"        {}     \\"
                                                  U"            [~] "
                                                  U"|               "
                                                  U"                "
                                                  U"     \u20ac          "
                                                  U"                ";

static_assert(kDefaultCharacters.size() == 128 && kDefaultExtension.size() == 128);

// What a table reads where it has no character; the space itself is septet 0x20 in every
// table, and only that septet is written for it.
constexpr char32_t kNoCharacter = U' ';
constexpr std::uint8_t kGsm7Space = 0x20;

} // namespace

const Gsm7Alphabet& gsm7DefaultAlphabet() {
    static const Gsm7Alphabet alphabet{kDefaultCharacters, kDefaultExtension};
    return alphabet;
}

Gsm7Alphabet gsm7Alphabet(Gsm7Languages languages) {
    return {gsm7LockingShiftTable(languages.lockingShift).value_or(kDefaultCharacters),
            gsm7SingleShiftTable(languages.singleShift).value_or(kDefaultExtension)};
}

std::optional<std::vector<std::uint8_t>> toGsm7(char32_t character, const Gsm7Alphabet& alphabet) {
    if (character == kNoCharacter) {
        return std::vector<std::uint8_t>{kGsm7Space};
    }
    const std::size_t septet = alphabet.characters.find(character);
    if (septet != std::u32string_view::npos && septet != kGsm7Escape) {
        return std::vector<std::uint8_t>{static_cast<std::uint8_t>(septet)};
    }
    const std::size_t escaped = alphabet.extension.find(character);
    if (escaped != std::u32string_view::npos) {
        return std::vector<std::uint8_t>{kGsm7Escape, static_cast<std::uint8_t>(escaped)};
    }
    return std::nullopt;
}

std::string fromGsm7(const std::vector<std::uint8_t>& septets, const Gsm7Alphabet& alphabet) {
    std::string out;
    for (std::size_t i = 0; i < septets.size(); ++i) {
        if (septets[i] != kGsm7Escape || i + 1 == septets.size()) {
            appendUtf8(out, alphabet.characters[septets[i] & 0x7F]);
            continue;
        }
        const std::uint8_t escaped = septets[++i] & 0x7F;
        const char32_t extended = alphabet.extension[escaped];
        appendUtf8(out, extended != kNoCharacter ? extended : alphabet.characters[escaped]);
    }
    return out;
}

std::vector<std::uint8_t> packSeptets(const std::vector<std::uint8_t>& septets, int fillBits) {
    const std::size_t bitCount = fillBits + 7 * septets.size();
    std::vector<std::uint8_t> octets((bitCount + 7) / 8, 0);
    std::size_t bit = fillBits;
    for (const std::uint8_t septet : septets) {
        for (int index = 0; index < 7; ++index, ++bit) {
            if (septet & (1 << index)) {
                octets[bit / 8] |= static_cast<std::uint8_t>(1 << (bit % 8));
            }
        }
    }
    return octets;
}

std::vector<std::uint8_t> unpackSeptets(const std::vector<std::uint8_t>& octets, int firstSeptet,
                                        int count) {
    std::vector<std::uint8_t> septets;
    for (int i = 0; i < count; ++i) {
        const std::size_t bit = static_cast<std::size_t>(firstSeptet + i) * 7;
        const std::size_t index = bit / 8;
        if (index >= octets.size()) {
            break;
        }
        unsigned value = octets[index] >> (bit % 8);
        if (bit % 8 > 1 && index + 1 < octets.size()) {
            value |= static_cast<unsigned>(octets[index + 1]) << (8 - bit % 8);
        }
        septets.push_back(static_cast<std::uint8_t>(value & 0x7F));
    }
    return septets;
}
