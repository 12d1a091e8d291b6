#pragma once

#include "artwork.h"

#include <string>

// An animation of delay 0 stands still on frame 1, in the editor's preview and in the viewer
// modules alike. Written to a form that would play it (a GIF, messages), it becomes frame 1 as
// a picture, and a remark names `input` and says so for `form` ("the GIF holds"). Anything else
// comes back as it was.
Artwork asItStands(const Artwork& artwork, const std::string& input, const std::string& form);
