#include "smsbackup.h"

#include "hexlisting.h"
#include "utf8.h"

#include <algorithm>
#include <map>
#include <string>

namespace {

const char kSectionStart[] = "[SMSBackup";
constexpr std::size_t kTextKeyDigits = 2;

bool opensSection(const std::string& line) {
    return line.rfind(kSectionStart, 0) == 0 && line.back() == ']';
}

struct Section {
    int line = 0;
    std::map<std::string, std::string> values;
    std::map<int, std::string> textLines; // Text00, Text01, ... by number
};

// The key of text line `number`, as gammu writes it: "Text00".
std::string textKey(int number) {
    std::string digits = std::to_string(number);
    digits.insert(0, kTextKeyDigits - std::min(digits.size(), kTextKeyDigits), '0');
    return "Text" + digits;
}

// "TextNN" gives NN, any other key nothing.
int textLineNumber(const std::string& key) {
    if (key.size() != 4 + kTextKeyDigits || key.rfind("Text", 0) != 0 ||
        key.find_first_not_of("0123456789", 4) != std::string::npos) {
        return -1;
    }
    return std::stoi(key.substr(4));
}

std::vector<Section> sectionsOf(const std::vector<std::string>& lines) {
    std::vector<Section> sections;
    bool inBackup = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line[0] == ';' || line[0] == '#') {
            continue;
        }
        if (line[0] == '[') {
            inBackup = opensSection(line);
            if (inBackup) {
                sections.push_back({static_cast<int>(i + 1), {}, {}});
            }
            continue;
        }
        const auto equals = line.find('=');
        if (!inBackup || equals == std::string::npos) {
            continue;
        }
        const std::string key = trimmed(line.substr(0, equals));
        const std::string value = trimmed(line.substr(equals + 1));
        const int textLine = textLineNumber(key);
        if (textLine >= 0) {
            sections.back().textLines[textLine] = value;
        } else {
            sections.back().values[key] = value;
        }
    }
    return sections;
}

std::string valueOf(const Section& section, const char* key) {
    const auto found = section.values.find(key);
    return found == section.values.end() ? std::string() : found->second;
}

// The part a section holds, or what is wrong with it.
std::variant<MessagePart, std::string> partOf(const Section& section) {
    MessagePart part;
    part.line = section.line;
    const std::string number = valueOf(section, "Number");
    part.message.address.assign(number.begin(), number.end());
    part.message.submit = valueOf(section, "PDU") == "Submit";

    const auto header = hexOctets(valueOf(section, "UDH"));
    if (const auto* fault = std::get_if<std::string>(&header)) {
        return "UDH: " + *fault;
    }
    const auto& udh = std::get<std::vector<std::uint8_t>>(header);
    if (!udh.empty() && udh[0] + 1u != udh.size()) {
        return "UDH: its length octet gives " + std::to_string(udh[0]) + " octets, " +
               std::to_string(udh.size() - 1) + " follow";
    }
    if (!udh.empty()) {
        part.message.header.assign(udh.begin() + 1, udh.end());
    }
    auto elements = decodeUserDataHeader(part.message.header);
    if (!elements) {
        return "the user data header runs past its end";
    }
    part.elements = std::move(*elements);

    std::string digits;
    int expected = 0;
    for (const auto& [numberOfLine, value] : section.textLines) {
        if (numberOfLine != expected++) {
            return textKey(expected - 1) + " is missing";
        }
        digits += value;
    }
    auto text = hexOctets(digits);
    if (const auto* fault = std::get_if<std::string>(&text)) {
        return "Text: " + *fault;
    }
    auto& octets = std::get<std::vector<std::uint8_t>>(text);
    const std::string coding = valueOf(section, "Coding");
    if (coding == "8bit") {
        part.message.coding = DataCoding::EightBit;
        part.message.body = std::move(octets);
        return part;
    }
    if (coding == "Unicode_Compression" || coding == "Default_Compression") {
        return "the coding \"" + coding + "\" is compressed text, which is not read";
    }
    const bool ucs2 = coding == "Unicode_No_Compression";
    if (!ucs2 && coding != "Default_No_Compression") {
        return "the coding \"" + coding + "\" is none gammu writes";
    }
    part.message.coding = ucs2 ? DataCoding::Ucs2 : DataCoding::Gsm7;
    part.message.text = ucs2ToUtf8(octets.data(), octets.size());
    if (ucs2) {
        part.message.body = std::move(octets);
    }
    return part;
}

} // namespace

bool looksLikeSmsBackup(const std::vector<std::uint8_t>& text) {
    for (const std::string& line : trimmedLines(text)) {
        if (opensSection(line)) {
            return true;
        }
    }
    return false;
}

MessageListing decodeSmsBackup(const std::vector<std::uint8_t>& text) {
    GatheredParts gathered;
    for (const Section& section : sectionsOf(trimmedLines(text))) {
        if (valueOf(section, "PDU") == "Status_Report") {
            gathered.others.push_back({section.line, "SMS-STATUS-REPORT"});
            continue;
        }
        auto part = partOf(section);
        if (const auto* fault = std::get_if<std::string>(&part)) {
            gathered.notes.push_back({section.line, *fault});
            continue;
        }
        gathered.parts.push_back(std::move(std::get<MessagePart>(part)));
    }
    return readGatheredParts(std::move(gathered));
}
