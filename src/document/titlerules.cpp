#include "titlerules.h"

#include "picturedocument.h"
#include "programname.h"

namespace {

constexpr int kExtensionCharacters = 4; // the dot and three characters

bool isUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The name less its extension when it ends in a dot and three characters, counted in UTF-8
// characters so that ".рис" goes as ".ems" does. A name that is nothing but such an extension
// stays whole, so something still shows.
std::string withoutExtension(const std::string& name) {
    std::size_t start = name.size();
    for (int counted = 0; counted < kExtensionCharacters; ++counted) {
        if (start == 0) {
            return name;
        }
        --start;
        while (start > 0 && isUtf8Continuation(name[start])) {
            --start;
        }
    }
    return start > 0 && name[start] == '.' ? name.substr(0, start) : name;
}

std::string titleFor(const std::string& name) {
    return name == kNoFileName ? std::string(kProgramName) : name + " - " + kProgramName;
}

} // namespace

std::string shortTitle(const PictureDocument& doc) {
    if (doc.fileName == kNoFileName) {
        return kProgramName;
    }
    return titleFor(withoutExtension(doc.fileName));
}

std::string fullTitle(const PictureDocument& doc) {
    return titleFor(doc.fileName);
}
