#pragma once

#include "filedialog.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct PictureDocument;
class Prompts;

// A file that a command replacing the document has settled on, with what could be read of it.
struct ChosenFile {
    QString folder;
    QString name; // without folder
    // Its first bytes, up to the limit the command asked for; nothing when it could not be read
    // or its path could not be decoded.
    std::optional<std::vector<std::uint8_t>> bytes;
};

// The steps Open and Import share before they look at any byte: the save-changes question titled
// after the command, then the file: `givenPath` when the desktop handed one over (command line,
// drop), otherwise the first one chosen in the open dialog with `filters`. A given file counts as
// chosen in that dialog: dir1 and the current folder become its folder. Nothing when the user
// stepped back (Cancel, a Yes whose save was not written, a cancelled dialog).
std::optional<ChosenFile> askChooseRead(PictureDocument& doc, Prompts& prompts,
                                        const QString& title, const FileFilterTable& filters,
                                        const QString& givenPath, std::size_t limit);
