#include "filekind.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

const std::pair<const char*, FileKind> kEndings[] = {
    {"ems", FileKind::Picture},  {"ema", FileKind::Animation},       {"bmp", FileKind::Bmp},
    {"pdu", FileKind::Messages}, {"smsbackup", FileKind::SmsBackup}, {"png", FileKind::Png},
    {"gif", FileKind::Gif},      {"jsonl", FileKind::MessageJson},
};

} // namespace

std::optional<FileKind> fileKindNamed(const std::string& name) {
    for (const auto& [ending, kind] : kEndings) {
        if (name == ending) {
            return kind;
        }
    }
    return std::nullopt;
}

FileKind fileKindOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return FileKind::OtherImage;
    }
    std::string ending = path.substr(dot + 1);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return fileKindNamed(ending).value_or(FileKind::OtherImage);
}

std::string endingOf(FileKind kind) {
    for (const auto& [ending, named] : kEndings) {
        if (named == kind) {
            return ending;
        }
    }
    return {};
}
