#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The national language tables of the GSM 7-bit alphabet (3GPP TS 23.038, annex A), by the
// language identifier a message's header names them with: 1 Turkish, 2 Spanish, 3 Portuguese,
// 4 Bengali, 5 Gujarati, 6 Hindi, 7 Kannada, 8 Malayalam, 9 Oriya, 10 Punjabi, 11 Tamil,
// 12 Telugu, 13 Urdu. Each table is the character of each of the 128 septets.

// The locking shift table, which stands for the default alphabet; nothing for a language
// without one (Spanish has none).
std::optional<std::u32string_view> gsm7LockingShiftTable(int language);

// The single shift table, which stands for the extension table after the escape; a space
// where the table has no character. Nothing for a language without one.
std::optional<std::u32string_view> gsm7SingleShiftTable(int language);

// The tables of one kind by language identifier, an empty view where a language has none, as
// gsm7lockingshift.cpp and gsm7singleshift.cpp hold them.
using Gsm7NationalTables = std::array<std::u32string_view, 14>;

constexpr bool everyTableWhole(const Gsm7NationalTables& tables) {
    for (const auto table : tables) {
        if (!table.empty() && table.size() != 128) {
            return false;
        }
    }
    return true;
}

inline std::optional<std::u32string_view> tableFor(const Gsm7NationalTables& tables, int language) {
    if (language < 0 || static_cast<std::size_t>(language) >= tables.size() ||
        tables[language].empty()) {
        return std::nullopt;
    }
    return tables[language];
}
