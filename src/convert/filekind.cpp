#include "filekind.h"

#include <algorithm>
#include <cctype>
#include <utility>

FileKind fileKindOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return FileKind::OtherImage;
    }
    std::string ending = path.substr(dot + 1);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static const std::pair<const char*, FileKind> endings[] = {
        {"ems", FileKind::Picture},  {"ema", FileKind::Animation}, {"bmp", FileKind::Bmp},
        {"pdu", FileKind::Messages}, {"smsbackup", FileKind::SmsBackup},
        {"png", FileKind::Png},      {"gif", FileKind::Gif},
    };
    for (const auto& [name, kind] : endings) {
        if (ending == name) {
            return kind;
        }
    }
    return FileKind::OtherImage;
}
