#pragma once

#include <string>

struct PictureDocument;

// The file the document belongs to: the one it was last read from or written to, where Save
// writes and whose name the title shows.

// The document now holds what the file `name` in `folder` holds, just read or written: it counts
// as unchanged, and Save writes back there.
void setCurrentFile(PictureDocument& doc, const std::string& folder, const std::string& name);

// The document belongs to no file (a new one, an imported picture) and counts as unchanged; Save
// asks for a name.
void forgetCurrentFile(PictureDocument& doc);
