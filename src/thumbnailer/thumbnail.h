#pragma once

#include "emscodec.h"
#include "greyimage.h"

// The largest thumbnail size desktops ask for ("xx-large"). A larger size is taken as this one:
// the image stays within a few megabytes whatever number the command line holds.
constexpr int kLargestThumbnailSize = 1024;

// The pixels each cell takes in a thumbnail for the given size: the largest whole number that
// fits the picture into size x size, and never less than one, so a picture larger than the size
// is still shown whole at one pixel per cell.
int thumbnailScale(int width, int height, int size);

// Frame 1 of a file, black cells on white, every cell a square of thumbnailScale pixels; nothing
// is smoothed. Sizes above kLargestThumbnailSize count as that size.
GreyImage thumbnailImage(const DecodedPicture& picture, int size);
