#pragma once

#include <QString>

struct PictureDocument;
class Prompts;

enum class OpenOutcome {
    Loaded,    // the document now holds the file: restart the preview and clear the preview box
    Cancelled, // the user stepped back; the document is as it was
    Failed,    // the file was refused and a message shown; the document is as it was
};

// Open (fileopen): asks about unsaved changes, lets the user pick a file, and loads the first one
// chosen; a `givenPath` (command line, drop) takes the place of the dialog's choice. The file is
// read and checked whole before the document changes, so a refused file leaves every field as it
// was. After Loaded: frame 1 current and in the undo copy, IZM clear, fileName and fileFolder
// naming the file; the caller shows shortTitle and redraws. Whatever the outcome, the caller sets
// the preview interval from previewIntervalMs.
OpenOutcome openDocument(PictureDocument& doc, Prompts& prompts,
                         const QString& givenPath = QString());
