#include "hexlisting.h"

#include <cctype>
#include <cstdlib>

namespace {

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

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

// "+CMGL: 1,1,,35" gives 35, the length of the TPDU without the SMSC part; a line whose last
// field is no number gives nothing.
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

std::variant<std::vector<ListedTpdu>, ListingError>
readHexListing(const std::vector<std::uint8_t>& text) {
    std::vector<ListedTpdu> tpdus;
    std::optional<int> pendingLength;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n') {
            ++end;
        }
        ++lineNumber;
        const std::string line = trimmed(std::string(text.begin() + start, text.begin() + end));
        start = end + 1;
        if (startsWithNoCase(line, "+CMGL:")) {
            pendingLength = cmglLength(line);
            continue;
        }
        if (line.empty() || isModemLine(line)) {
            continue;
        }
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (line.size() % 2 != 0) {
            return ListingError{where + "an odd number of hexadecimal digits"};
        }
        ListedTpdu tpdu;
        tpdu.line = lineNumber;
        tpdu.tpduLength = pendingLength;
        pendingLength.reset();
        for (std::size_t i = 0; i < line.size(); i += 2) {
            const int high = hexValue(line[i]);
            const int low = hexValue(line[i + 1]);
            if (high < 0 || low < 0) {
                return ListingError{where + "\"" + line.substr(i, 2) + "\" is not hexadecimal"};
            }
            tpdu.bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
        }
        tpdus.push_back(std::move(tpdu));
    }
    return tpdus;
}
