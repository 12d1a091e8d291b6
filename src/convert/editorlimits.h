#pragma once

#include "artwork.h"

#include <string>

// Refuses what the editor cannot hold: more than 128 x 96 or more than 16 frames. `what` names
// the thing refused, with its file ("x.pdu: the Extended Object in message 2").
void requireEditorSize(const Artwork& artwork, const std::string& what);
