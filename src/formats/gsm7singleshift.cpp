#include "gsm7national.h"

namespace {

// Sixteen septets a line, a space where a table has no character; the escape after an escape
// has none. The tables of the Latin languages keep the default extension table's characters and
// add their own; those of the Indian languages share their punctuation, the Latin capitals and
// the euro, and differ in their digits and signs.

// clang-format off
constexpr std::u32string_view kTurkishSingle =
    U"          \f     "
    U"    ^           "
    U"        {}     \\"
    U"            [~] "
    U"|      \u011e \u0130      "
    U"   \u015e            "
    U"   \u00e7 \u20ac \u011f \u0131      "
    U"   \u015f            ";

constexpr std::u32string_view kSpanishSingle =
    U"         \u00e7\f     "
    U"    ^           "
    U"        {}     \\"
    U"            [~] "
    U"|\u00c1       \u00cd     \u00d3"
    U"     \u00da          "
    U" \u00e1   \u20ac   \u00ed     \u00f3"
    U"     \u00fa          ";

constexpr std::u32string_view kPortugueseSingle =
    U"     \u00ea   \u00e7\f\u00d4\u00f4 \u00c1\u00e1"
    U"  \u03a6\u0393^\u03a9\u03a0\u03a8\u03a3\u0398     \u00ca"
    U"        {}     \\"
    U"            [~] "
    U"|\u00c0       \u00cd     \u00d3"
    U"     \u00da     \u00c3\u00d5   "
    U" \u00c2   \u20ac   \u00ed     \u00f3"
    U"     \u00fa     \u00e3\u00f5  \u00e2";

constexpr std::u32string_view kBengaliSingle =
    U"@\u00a3$\u00a5\u00bf\"\u00a4%&'\f*+ -/"
    U"<=>\u00a1^\u00a1_#*\u09e6\u09e7 \u09e8\u09e9\u09ea\u09eb"
    U"\u09ec\u09ed\u09ee\u09ef\u09df\u09e0\u09e1\u09e2{}\u09e3\u09f2\u09f3\u09f4\u09f5\\"
    U"\u09f6\u09f7\u09f8\u09f9\u09fa       [~] "
    U"|ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ     "
    U"     \u20ac          "
    U"                ";

constexpr std::u32string_view kGujaratiSingle =
    U"@\u00a3$\u00a5\u00bf\"\u00a4%&'\f*+ -/"
    U"<=>\u00a1^\u00a1_#*\u0964\u0965 \u0ae6\u0ae7\u0ae8\u0ae9"
    U"\u0aea\u0aeb\u0aec\u0aed\u0aee\u0aef  {}     \\"
    U"            [~] "
    U"|ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ     "
    U"     \u20ac          "
    U"                ";

constexpr std::u32string_view kHindiSingle =
    U"@\u00a3$\u00a5\u00bf\"\u00a4%&'\f*+ -/"
    U"<=>\u00a1^\u00a1_#*\u0964\u0965 \u0966\u0967\u0968\u0969"
    U"\u096a\u096b\u096c\u096d\u096e\u096f\u0951\u0952{}\u0953\u0954\u0958\u0959\u095a\\"
    U"\u095b\u095c\u095d\u095e\u095f\u0960\u0961\u0962\u0963\u0970\u0971 [~] "
    U"|ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ     "
    U"     \u20ac          "
    U"                ";

constexpr std::u32string_view kKannadaSingle =
    U"@\u00a3$\u00a5\u00bf\"\u00a4%&'\f*+ -/"
    U"<=>\u00a1^\u00a1_#*\u0964\u0965 \u0ce6\u0ce7\u0ce8\u0ce9"
    U"\u0cea\u0ceb\u0cec\u0ced\u0cee\u0cef\u0cde\u0cf1{}\u0cf2    \\"
    U"            [~] "
    U"|ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ     "
    U"     \u20ac          "
    U"                ";

constexpr std::u32string_view kMalayalamSingle =
    U"@\u00a3$\u00a5\u00bf\"\u00a4%&'\f*+ -/"
    U"<=>\u00a1^\u00a1_#*\u0964\u0965 \u0d66\u0d67\u0d68\u0d69"
    U"\u0d6a\u0d6b\u0d6c\u0d6d\u0d6e\u0d6f\u0d70\u0d71{}\u0d72\u0d73\u0d74\u0d75\u0d7a\\"
    U"\u0d7b\u0d7c\u0d7d\u0d7e\u0d7f       [~] "
    U"|ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ     "
    U"     \u20ac          "
    U"                ";

constexpr std::u32string_view kOriyaSingle =
    U"@\u00a3$\u00a5\u00bf\"\u00a4%&'\f*+ -/"
    U"<=>\u00a1^\u00a1_#*\u0964\u0965 \u0b66\u0b67\u0b68\u0b69"
    U"\u0b6a\u0b6b\u0b6c\u0b6d\u0b6e\u0b6f\u0b5c\u0b5d{}\u0b5f\u0b70\u0b71  \\"
    U"            [~] "
    U"|ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ     "
    U"     \u20ac          "
    U"                ";

constexpr std::u32string_view kPunjabiSingle =
    U"@\u00a3$\u00a5\u00bf\"\u00a4%&'\f*+ -/"
    U"<=>\u00a1^\u00a1_#*\u0964\u0965 \u0a66\u0a67\u0a68\u0a69"
    U"\u0a6a\u0a6b\u0a6c\u0a6d\u0a6e\u0a6f\u0a59\u0a5a{}\u0a5b\u0a5c\u0a5e\u0a75 \\"
    U"            [~] "
    U"|ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ     "
    U"     \u20ac          "
    U"                ";

constexpr std::u32string_view kTamilSingle =
    U"@\u00a3$\u00a5\u00bf\"\u00a4%&'\f*+ -/"
    U"<=>\u00a1^\u00a1_#*\u0964\u0965 \u0be6\u0be7\u0be8\u0be9"
    U"\u0bea\u0beb\u0bec\u0bed\u0bee\u0bef\u0bf3\u0bf4{}\u0bf5\u0bf6\u0bf7\u0bf8\u0bfa\\"
    U"            [~] "
    U"|ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ     "
    U"     \u20ac          "
    U"                ";

constexpr std::u32string_view kTeluguSingle =
    U"@\u00a3$\u00a5\u00bf\"\u00a4%&'\f*+ -/"
    U"<=>\u00a1^\u00a1_#*   \u0c66\u0c67\u0c68\u0c69"
    U"\u0c6a\u0c6b\u0c6c\u0c6d\u0c6e\u0c6f\u0c58\u0c59{}\u0c78\u0c79\u0c7a\u0c7b\u0c7c\\"
    U"\u0c7d\u0c7e\u0c7f         [~] "
    U"|ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ     "
    U"     \u20ac          "
    U"                ";

constexpr std::u32string_view kUrduSingle =
    U"@\u00a3$\u00a5\u00bf\"\u00a4%&'\f*+ -/"
    U"<=>\u00a1^\u00a1_#*\u0600\u0601 \u06f0\u06f1\u06f2\u06f3"
    U"\u06f4\u06f5\u06f6\u06f7\u06f8\u06f9\u060c\u060d{}\u060e\u060f\u0610\u0611\u0612\\"
    U"\u0613\u0614\u061b\u061f\u0640\u0652\u0658\u066b\u066c\u0672\u0673\u06cd[~]\u06d4"
    U"|ABCDEFGHIJKLMNO"
    U"PQRSTUVWXYZ     "
    U"     \u20ac          "
    U"                ";
// clang-format on

// By language identifier; an empty view where the language has no such table.
constexpr Gsm7NationalTables kSingleShiftTables{U"",
                                                kTurkishSingle,
                                                kSpanishSingle,
                                                kPortugueseSingle,
                                                kBengaliSingle,
                                                kGujaratiSingle,
                                                kHindiSingle,
                                                kKannadaSingle,
                                                kMalayalamSingle,
                                                kOriyaSingle,
                                                kPunjabiSingle,
                                                kTamilSingle,
                                                kTeluguSingle,
                                                kUrduSingle};

static_assert(everyTableWhole(kSingleShiftTables), "every table holds 128 septets");

} // namespace

std::optional<std::u32string_view> gsm7SingleShiftTable(int language) {
    return tableFor(kSingleShiftTables, language);
}
