#pragma once

#include <string>

// What a file is taken for, by the ending of its name, in any case.
// Messages: a listing of TPDUs (.pdu); SmsBackup: gammu's SMS backup (.smsbackup).
enum class FileKind { Picture, Animation, Bmp, Messages, SmsBackup, Png, Gif, OtherImage };

FileKind fileKindOf(const std::string& path);
