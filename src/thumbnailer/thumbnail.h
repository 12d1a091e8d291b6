#pragma once

#include "emscodec.h"
#include "greyimage.h"

// The pixels each cell takes in a thumbnail of at most size x size: the largest whole number
// that fits the picture in, and never less than one, so a picture larger than the size is still
// shown whole at one pixel per cell.
int thumbnailScale(int width, int height, int size);

// Frame 1 of a file, black cells on white, every cell a square of thumbnailScale pixels; nothing
// is smoothed.
GreyImage thumbnailImage(const DecodedPicture& picture, int size);
