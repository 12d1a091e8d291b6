#pragma once

#include <string>

// What a file is taken for, by the ending of its name, in any case.
enum class FileKind { Picture, Animation, Bmp, Messages, MessageJson, Png, Gif, OtherImage };

FileKind fileKindOf(const std::string& path);
