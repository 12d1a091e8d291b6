#pragma once

#include "viewedfile.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

// An opaque RGB pixbuf of one frame at its true size: set pixels black, clear pixels white.
// Null when memory runs out.
GdkPixbuf* framePixbuf(const ViewedFile& file, int frame);

// The frames of a playing file as an animation that loops forever, each frame shown for the
// file's delay. Null when memory runs out.
GdkPixbufAnimation* frameAnimation(const ViewedFile& file);
