#pragma once

#include <optional>
#include <string>

// What a file is taken for, by the ending of its name, in any case, or by --from / --to.
enum class FileKind { Picture, Animation, Bmp, Messages, Png, Gif, OtherImage };

FileKind fileKindOf(const std::string& path);

// The kind --from and --to name: "ems", "ema", "pdu", "png", "gif" or "bmp"; nothing for another.
std::optional<FileKind> fileKindNamed(const std::string& name);

// The ending of a file of that kind, without its dot ("ems"); empty for OtherImage.
std::string endingOf(FileKind kind);
