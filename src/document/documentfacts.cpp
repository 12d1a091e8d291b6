#include "documentfacts.h"

#include "picturedocument.h"
#include "programname.h"

namespace {

bool isUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Drops the last `count` characters of UTF-8 text; a name that is no longer than that is kept
// whole, so a short extensionless name still shows.
std::string withoutLastCharacters(const std::string& text, int count) {
    std::size_t end = text.size();
    for (int removed = 0; removed < count; ++removed) {
        if (end == 0) {
            return text;
        }
        --end;
        while (end > 0 && isUtf8Continuation(text[end])) {
            --end;
        }
    }
    return end == 0 ? text : text.substr(0, end);
}

std::string titleFor(const std::string& name) {
    return name == kNoFileName ? std::string(kProgramName) : name + " - " + kProgramName;
}

} // namespace

int previewIntervalMs(const PictureDocument& doc) {
    return doc.kind == DocumentKind::Picture ? 100 : doc.zZ * 12;
}

std::string labelNumber(int value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string shortTitle(const PictureDocument& doc) {
    if (doc.fileName == kNoFileName) {
        return kProgramName;
    }
    return titleFor(withoutLastCharacters(doc.fileName, 4));
}

std::string fullTitle(const PictureDocument& doc) {
    return titleFor(doc.fileName);
}
