#pragma once

struct PictureDocument;

// Makes the document an empty one-frame picture of its current size. The save-changes question
// and the preview timer are the caller's.
void newPicture(PictureDocument& doc);

// Makes the document an empty 16 x 16 animation of 4 frames played every 192 ms.
void newAnimation(PictureDocument& doc);
