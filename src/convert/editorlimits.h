#pragma once

#include "artwork.h"

#include <string>

// Refuses what the editor cannot hold: more cells than kMaxArtworkWidth x kMaxArtworkHeight or more
// than kMaxArtworkFrames frames. `what` names the thing refused, with its file ("x.pdu: the
// Extended Object in message 2").
void requireEditorSize(const Artwork& artwork, const std::string& what);

// The largest picture the editor holds, as the converter's messages write it: "128 x 96".
std::string largestEditorSize();
