#include "hexlisting.h"

#include <cctype>
#include <cstdlib>
#include <variant>

namespace {

bool startsWithNoCase(const std::string& line, const char* prefix) {
    for (std::size_t i = 0; prefix[i] != '\0'; ++i) {
        if (i >= line.size() || std::toupper(static_cast<unsigned char>(line[i])) !=
                                    static_cast<unsigned char>(prefix[i])) {
            return false;
        }
    }
    return true;
}

// The modem's own lines: the echoed command, the final result codes, and the reports and
// unsolicited results that start with '+' or '^' (a +CMGL line is read before this is asked).
bool isModemLine(const std::string& line) {
    return startsWithNoCase(line, "AT") || line == "OK" || startsWithNoCase(line, "ERROR") ||
           line[0] == '+' || line[0] == '^';
}

bool isLengthLine(const std::string& line) {
    return startsWithNoCase(line, "+CMGL:") || startsWithNoCase(line, "+CMGR:");
}

// "+CMGL: 1,1,,35" or "+CMGR: 1,,35" gives 35, the length of the TPDU without the SMSC part; a line
// whose last field is no number gives nothing.
std::optional<int> cmglLength(const std::string& line) {
    const auto comma = line.rfind(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    const std::string field = trimmed(line.substr(comma + 1));
    if (field.empty() || field.size() > 3 ||
        field.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::atoi(field.c_str());
}

int hexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    const int upper = std::toupper(static_cast<unsigned char>(digit));
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

} // namespace

std::variant<std::vector<std::uint8_t>, std::string> hexOctets(const std::string& line) {
    if (line.size() % 2 != 0) {
        return std::string("an odd number of hexadecimal digits");
    }
    std::vector<std::uint8_t> octets;
    for (std::size_t i = 0; i < line.size(); i += 2) {
        const int high = hexValue(line[i]);
        const int low = hexValue(line[i + 1]);
        if (high < 0 || low < 0) {
            return "\"" + line.substr(i, 2) + "\" is not hexadecimal";
        }
        octets.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return octets;
}

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> trimmedLines(const std::vector<std::uint8_t>& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n') {
            ++end;
        }
        lines.push_back(trimmed(std::string(text.begin() + start, text.begin() + end)));
        start = end + 1;
    }
    return lines;
}

HexListing readHexListing(const std::vector<std::uint8_t>& text) {
    HexListing listing;
    std::optional<int> pendingLength;
    int lineNumber = 0;
    for (const std::string& line : trimmedLines(text)) {
        ++lineNumber;
        if (isLengthLine(line)) {
            pendingLength = cmglLength(line);
            continue;
        }
        if (line.empty() || isModemLine(line)) {
            continue;
        }
        auto octets = hexOctets(line);
        const std::optional<int> length = pendingLength;
        pendingLength.reset();
        if (auto* fault = std::get_if<std::string>(&octets)) {
            listing.notes.push_back({lineNumber, "no TPDU: " + *fault});
            continue;
        }
        listing.tpdus.push_back(
            {lineNumber, std::move(std::get<std::vector<std::uint8_t>>(octets)), length});
    }
    return listing;
}
