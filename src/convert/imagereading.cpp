#include "imagereading.h"

#include "refusal.h"

Artwork readImage(const ConvertOptions& options) {
    throw Refusal(options.input + ": reading images is not built yet");
}
