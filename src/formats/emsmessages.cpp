#include "emsmessages.h"

#include "bitmappacking.h"
#include "extendedobject.h"
#include "messagedrafts.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int kVariablePictureOverhead = 3; // position, width in octets, height

std::uint8_t octet(int value) {
    return static_cast<std::uint8_t>(value);
}

std::vector<std::uint8_t> framesRows(const Artwork& artwork, int frameCount) {
    std::vector<std::uint8_t> rows;
    for (int frame = 0; frame < frameCount; ++frame) {
        const auto frameRows = paddedRows(artwork, frame, 0, artwork.width);
        rows.insert(rows.end(), frameRows.begin(), frameRows.end());
    }
    return rows;
}

void placeFixed(MessageDrafts& drafts, ElementId id, const std::vector<std::uint8_t>& payload) {
    const int size = kElementOverhead + 1 + static_cast<int>(payload.size());
    if (drafts.freeOctets() < size) {
        drafts.startMessage();
    }
    std::vector<std::uint8_t> data{octet(drafts.charactersHere())};
    data.insert(data.end(), payload.begin(), payload.end());
    drafts.addElement(id, std::move(data));
}

// Strips of full height, as wide as the room in each message allows and never above 128
// octets of rows, after an indicator that tells the receiver how many to stitch side by side.
// The first strip narrows to stand beside the indicator; when not even one column fits there,
// the indicator goes alone.
std::optional<EmsProblem> placeStrips(MessageDrafts& drafts, const Artwork& artwork) {
    const int columns = rowBytes(artwork.width);
    const int height = artwork.height;
    const int widest = kVariablePictureDataOctets / height;
    if (drafts.freeOctets() < kElementOverhead + 1) {
        drafts.startMessage();
    }
    drafts.addElement(ElementId::UserPromptIndicator, {0});
    const auto indicator = drafts.lastElement();
    int strips = 0;
    for (int column = 0; column < columns;) {
        const int room = drafts.freeOctets() - kElementOverhead - kVariablePictureOverhead;
        const int taken = std::min({widest, columns - column, room / height});
        if (taken < 1) {
            drafts.startMessage();
            continue;
        }
        std::vector<std::uint8_t> data{octet(drafts.charactersHere()), octet(taken), octet(height)};
        const auto rows = paddedRows(artwork, 0, column * 8, taken * 8);
        data.insert(data.end(), rows.begin(), rows.end());
        drafts.addElement(ElementId::VariablePicture, std::move(data));
        column += taken;
        ++strips;
    }
    if (strips > kMostMessages) {
        return EmsProblem::TooLarge;
    }
    drafts.element(indicator).data = {octet(strips)};
    return std::nullopt;
}

std::vector<std::uint8_t> extendedObjectData(const Artwork& artwork, EmsCarrier carrier) {
    std::vector<std::uint8_t> data{octet(artwork.width), octet(artwork.height)};
    const int frameCount =
        carrier == EmsCarrier::ExtendedBitmap ? 1 : static_cast<int>(artwork.frames.size());
    if (carrier == EmsCarrier::ExtendedAnimation) {
        data.push_back(octet(frameCount));
        data.push_back(octet((frameTenths(artwork.zZ) - 1) << 4)); // repeated for ever
    }
    // Each frame starts on an octet boundary: only a frame's last octet has fill bits.
    for (int frame = 0; frame < frameCount; ++frame) {
        const auto bits = bitRun(artwork, frame);
        data.insert(data.end(), bits.begin(), bits.end());
    }
    return data;
}

// The object's header and as much of its data as fits, then the rest in elements of data alone
// in the messages that follow.
std::optional<EmsProblem> placeExtendedObject(MessageDrafts& drafts, const Artwork& artwork,
                                              EmsCarrier carrier, int position) {
    const auto data = extendedObjectData(artwork, carrier);
    const int length = static_cast<int>(data.size());
    if (artwork.width > 255 || artwork.height > 255 || length > 0xFFFF || position > 0xFFFF) {
        return EmsProblem::TooLarge;
    }
    const auto type = carrier == EmsCarrier::ExtendedBitmap
                          ? ExtendedObjectType::BlackAndWhiteBitmap
                          : ExtendedObjectType::BlackAndWhiteAnimation;
    ExtendedObjectHeader object;
    object.reference = 0; // the message's only object
    object.length = length;
    object.control = 0; // may be forwarded, no user prompt
    object.type = static_cast<std::uint8_t>(type);
    object.position = position;
    const auto header = writeExtendedObjectHeader(object);
    int sent = 0;
    while (sent < length) {
        const bool first = sent == 0;
        const int room =
            drafts.freeOctets() - kElementOverhead - (first ? kExtendedObjectHeaderOctets : 0);
        if (room < 1) {
            drafts.startMessage();
            continue;
        }
        const int taken = std::min(room, length - sent);
        std::vector<std::uint8_t> part = first ? header : std::vector<std::uint8_t>{};
        part.insert(part.end(), data.begin() + sent, data.begin() + sent + taken);
        drafts.addElement(ElementId::ExtendedObject, std::move(part));
        sent += taken;
    }
    return std::nullopt;
}

std::optional<EmsProblem> placeArtwork(MessageDrafts& drafts, const Artwork& artwork,
                                       const EmsRequest& request) {
    switch (request.carrier) {
    case EmsCarrier::SmallPicture:
        placeFixed(drafts, ElementId::SmallPicture, framesRows(artwork, 1));
        return std::nullopt;
    case EmsCarrier::LargePicture:
        placeFixed(drafts, ElementId::LargePicture, framesRows(artwork, 1));
        return std::nullopt;
    case EmsCarrier::SmallAnimation:
        placeFixed(drafts, ElementId::SmallAnimation,
                   framesRows(artwork, kPredefinedAnimationFrames));
        return std::nullopt;
    case EmsCarrier::LargeAnimation:
        placeFixed(drafts, ElementId::LargeAnimation,
                   framesRows(artwork, kPredefinedAnimationFrames));
        return std::nullopt;
    case EmsCarrier::VariablePicture: {
        std::vector<std::uint8_t> payload{octet(rowBytes(artwork.width)), octet(artwork.height)};
        const auto rows = framesRows(artwork, 1);
        payload.insert(payload.end(), rows.begin(), rows.end());
        placeFixed(drafts, ElementId::VariablePicture, payload);
        return std::nullopt;
    }
    case EmsCarrier::VariablePictureStrips:
        if (artwork.height > kVariablePictureDataOctets) {
            return EmsProblem::TooLarge;
        }
        return placeStrips(drafts, artwork);
    case EmsCarrier::ExtendedBitmap:
    case EmsCarrier::ExtendedAnimation:
        return placeExtendedObject(drafts, artwork, request.carrier, request.position);
    }
    return std::nullopt;
}

std::variant<std::vector<ShortMessage>, EmsProblem>
draftMessages(const Artwork& artwork, const EmsRequest& request, bool concatenated) {
    MessageDrafts drafts(request.text.coding, concatenated);
    const auto& characters = request.text.characters;
    for (int index = 0; index < request.position; ++index) {
        drafts.addCharacter(characters[index]);
    }
    if (const auto problem = placeArtwork(drafts, artwork, request)) {
        return *problem;
    }
    for (std::size_t index = request.position; index < characters.size(); ++index) {
        drafts.addCharacter(characters[index]);
    }
    return drafts.finish(request.reference);
}

} // namespace

int frameTenths(int zZ) {
    const int tenths = static_cast<int>(std::lround(zZ * 12 / 100.0));
    return std::clamp(tenths, kShortestFrameTenths, kLongestFrameTenths);
}

EmsCarrier emsCarrierFor(const Artwork& artwork, bool extendedObject) {
    const int width = artwork.width;
    const int height = artwork.height;
    if (artwork.kind == DocumentKind::Animation) {
        const bool fourFrames = artwork.frames.size() == kPredefinedAnimationFrames;
        if (!extendedObject && fourFrames && width == height && width == kSmallAnimationSide) {
            return EmsCarrier::SmallAnimation;
        }
        if (!extendedObject && fourFrames && width == height && width == kLargeAnimationSide) {
            return EmsCarrier::LargeAnimation;
        }
        return EmsCarrier::ExtendedAnimation;
    }
    if (extendedObject) {
        return EmsCarrier::ExtendedBitmap;
    }
    if (width == height && width == kSmallPictureSide) {
        return EmsCarrier::SmallPicture;
    }
    if (width == height && width == kLargePictureSide) {
        return EmsCarrier::LargePicture;
    }
    if (rowBytes(width) * height <= kVariablePictureDataOctets) {
        return EmsCarrier::VariablePicture;
    }
    return EmsCarrier::VariablePictureStrips;
}

std::variant<std::vector<ShortMessage>, EmsProblem> emsMessages(const Artwork& artwork,
                                                                const EmsRequest& request) {
    if (request.position < 0 ||
        static_cast<std::size_t>(request.position) > request.text.characters.size()) {
        return EmsProblem::PositionBeyondText;
    }
    auto single = draftMessages(artwork, request, false);
    const auto* messages = std::get_if<std::vector<ShortMessage>>(&single);
    if (!messages || messages->size() == 1) {
        return single;
    }
    auto concatenated = draftMessages(artwork, request, true);
    messages = std::get_if<std::vector<ShortMessage>>(&concatenated);
    if (messages && messages->size() > kMostMessages) {
        return EmsProblem::TooManyMessages;
    }
    return concatenated;
}
