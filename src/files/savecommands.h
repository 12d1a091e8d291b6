#pragma once

#include <QString>

struct PictureDocument;
class Prompts;

enum class SaveOutcome {
    Written,   // the file is on disk and the document counts as unchanged
    Cancelled, // the user stepped back; nothing was written and nothing shown
    Failed,    // the write failed and "Ошибка при записи файла." was shown
};

// Save (filesave): Save As when the document has no file yet, otherwise writes it back into the
// folder it was opened from or last saved to. After Written the caller refreshes the title with
// shortTitle.
SaveOutcome saveDocument(PictureDocument& doc, Prompts& prompts);

// Save As (filesaveas): asks for a name in the save dialog, adds ".ems" or ".ema" to a name
// without any dot, and writes the document there.
SaveOutcome saveDocumentAs(PictureDocument& doc, Prompts& prompts);

// Writes the document to fileName in fileFolder, replacing the old file only once the new one is
// complete. Success clears IZM and leaves ka one past the last frame of an animation, so the
// preview starts again at frame 1; a failure changes nothing in the document.
SaveOutcome writeDocument(PictureDocument& doc, Prompts& prompts);

// The save-changes question every command that replaces the document asks first, titled after
// that command. True when the command may go on: nothing to save, No, or Yes and the file was
// written. Cancel, or a Yes whose save did not end in a written file, stops the command.
bool mayDiscardChanges(PictureDocument& doc, Prompts& prompts, const QString& title);
