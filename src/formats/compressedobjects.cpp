#include "compressedobjects.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr auto kExtendedObjectId = static_cast<std::uint8_t>(ElementId::ExtendedObject);
constexpr std::array<std::size_t, 3> kLengthOctets = {0, 1, 2};

// Where the object at `at` ends when `lengthOctets` stand before its header, or nothing when it
// is no whole object in that form.
std::optional<std::size_t> objectEnd(const std::vector<std::uint8_t>& plain, std::size_t at,
                                     std::size_t lengthOctets) {
    const std::size_t headerAt = at + 1 + lengthOctets;
    if (plain[at] != kExtendedObjectId || headerAt + kExtendedObjectHeaderOctets > plain.size()) {
        return std::nullopt;
    }
    const std::size_t whole =
        kExtendedObjectHeaderOctets + readExtendedObjectHeader(&plain[headerAt]).length;
    const std::size_t counted = lengthOctets == 1   ? plain[at + 1]
                                : lengthOctets == 2 ? (plain[at + 1] << 8 | plain[at + 2])
                                                    : whole;
    if (counted != whole || whole > plain.size() - headerAt) {
        return std::nullopt;
    }
    return headerAt + whole;
}

} // namespace

std::variant<std::vector<DecompressedObject>, std::string>
splitDecompressedObjects(const std::vector<std::uint8_t>& plain) {
    if (plain.empty()) {
        return std::string("holds no Extended Object");
    }
    // readings[at]: in how many ways the stream from `at` on parts into whole objects, counted
    // up to 2; filled from the end.
    std::vector<int> readings(plain.size() + 1, 0);
    readings[plain.size()] = 1;
    for (std::size_t at = plain.size(); at-- > 0;) {
        for (const std::size_t lengthOctets : kLengthOctets) {
            if (const auto end = objectEnd(plain, at, lengthOctets)) {
                readings[at] = std::min(2, readings[at] + readings[*end]);
            }
        }
    }
    if (readings[0] == 0) {
        return std::string("does not part into whole Extended Objects");
    }
    if (readings[0] > 1) {
        return std::string("parts into Extended Objects in more than one way");
    }
    std::vector<DecompressedObject> objects;
    std::size_t at = 0;
    while (at < plain.size()) {
        for (const std::size_t lengthOctets : kLengthOctets) {
            const auto end = objectEnd(plain, at, lengthOctets);
            if (!end || readings[*end] == 0) {
                continue;
            }
            const std::size_t headerAt = at + 1 + lengthOctets;
            const auto dataAt =
                plain.begin() + static_cast<std::ptrdiff_t>(headerAt) + kExtendedObjectHeaderOctets;
            objects.push_back({readExtendedObjectHeader(&plain[headerAt]),
                               std::vector<std::uint8_t>(
                                   dataAt, plain.begin() + static_cast<std::ptrdiff_t>(*end))});
            at = *end;
            break;
        }
    }
    return objects;
}
