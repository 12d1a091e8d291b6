#pragma once

#include <optional>
#include <string>

// What a file is taken for, by the ending of its name, in any case, or by --from / --to.
// Messages: a listing of TPDUs (.pdu); SmsBackup: gammu's SMS backup (.smsbackup); MessageJson:
// one JSON object a message (.jsonl), written only.
enum class FileKind {
    Picture,
    Animation,
    Bmp,
    Messages,
    SmsBackup,
    MessageJson,
    Png,
    Gif,
    OtherImage
};

FileKind fileKindOf(const std::string& path);

// The kind --from and --to name, as the ending of such a file ("ems", "pdu", "jsonl", ...);
// nothing for another.
std::optional<FileKind> fileKindNamed(const std::string& name);

// The ending of a file of that kind, without its dot ("ems"); empty for OtherImage.
std::string endingOf(FileKind kind);
