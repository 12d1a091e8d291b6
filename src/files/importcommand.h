#pragma once

#include <QString>

struct PictureDocument;
class Prompts;

enum class ImportOutcome {
    Imported,  // the picture is in the current frame: redraw the field and the window
    Cancelled, // the user stepped back, or the save asked for first was not written
    Failed,    // the file was refused and a message shown; the document is as it was
};

// Import from BMP (frombmp): asks about unsaved changes, lets the user pick a file, and reads the
// first one chosen as a two-colour BMP; a `givenPath` (command line, drop) takes the place of the
// dialog's choice. The file is checked whole before the document changes.
// After Imported: the picture in frame k with its size as the document's size, IZM clear and no
// file name, so the title is the program's name alone. The kind, the frame count, the current
// frame, the delay, the other frames, the undo copy and the clipboard stay as they were.
ImportOutcome importBmp(PictureDocument& doc, Prompts& prompts,
                        const QString& givenPath = QString());
