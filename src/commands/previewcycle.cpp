#include "previewcycle.h"

#include "picturedocument.h"

#include <cstdint>

PreviewStep advancePreview(PictureDocument& doc) {
    if (!isAnimation(doc) || doc.ka > doc.kK)
        doc.ka = 1;
    const int frame = doc.ka;
    // frame x kFullProgress / kK, rounded half up without leaving whole numbers
    const int progress = (2 * frame * kFullProgress + doc.kK) / (2 * doc.kK);
    if (isAnimation(doc))
        doc.ka = static_cast<std::uint8_t>(frame >= doc.kK ? 1 : frame + 1);
    return {frame, progress};
}

int previewIntervalMs(const PictureDocument& doc) {
    return doc.kind == DocumentKind::Picture ? 100 : doc.zZ * 12;
}

int previewLeft(int width) {
    return (kMaxWidth - width) / 2;
}

int previewTop(int height) {
    return (kMaxHeight - height) / 2;
}
