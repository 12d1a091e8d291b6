#include "emsmessages.h"

#include "bitmappacking.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int kElementOverhead = 2;         // identifier and length octets
constexpr int kConcatenationLength = 3;     // reference, count, number
constexpr int kVariablePictureOverhead = 3; // position, width in octets, height
constexpr int kPortLength = 4;              // destination and origin ports
constexpr int kMostMessages = 255;

std::uint8_t octet(int value) {
    return static_cast<std::uint8_t>(value);
}

// Messages filled one after another. Each message's header and text together must fit its user
// data: 140 octets, or 160 septets in the 7-bit alphabet, where the header takes whole septets.
class MessageDrafts {
public:
    MessageDrafts(DataCoding coding, bool concatenated)
        : coding_(coding), concatenated_(concatenated) {
        startMessage();
    }

    // Octets one more element may take here, its identifier and length included.
    int freeOctets() const { return octetLimit(textUnits()) - headerOctets(); }

    int charactersHere() const { return static_cast<int>(current().body.characters.size()); }

    void addElement(ElementId id, std::vector<std::uint8_t> data) {
        current().elements.push_back({id, std::move(data)});
    }

    // Where the element just added stands, to patch it once its content is known.
    std::pair<std::size_t, std::size_t> lastElement() const {
        return {messages_.size() - 1, current().elements.size() - 1};
    }
    InformationElement& element(std::pair<std::size_t, std::size_t> at) {
        return messages_[at.first].elements[at.second];
    }

    void addCharacter(const std::vector<std::uint8_t>& character) {
        if (!fits(textUnits() + static_cast<int>(character.size()))) {
            startMessage();
        }
        current().body.characters.push_back(character);
    }

    void startMessage() {
        messages_.push_back({});
        current().body.coding = coding_;
        if (concatenated_) {
            addElement(ElementId::Concatenated8, std::vector<std::uint8_t>(kConcatenationLength));
        }
    }

    std::vector<ShortMessage> finish(int reference) {
        const int count = static_cast<int>(messages_.size());
        for (int index = 0; concatenated_ && index < count; ++index) {
            messages_[index].elements.front().data = {octet(reference), octet(count),
                                                      octet(index + 1)};
        }
        return std::move(messages_);
    }

private:
    ShortMessage& current() { return messages_.back(); }
    const ShortMessage& current() const { return messages_.back(); }

    // Septets in the 7-bit alphabet, octets otherwise.
    int textUnits() const {
        int units = 0;
        for (const auto& character : current().body.characters) {
            units += static_cast<int>(character.size());
        }
        return units;
    }

    // The most header octets (length octet included) that fit beside the given text.
    int octetLimit(int units) const {
        return coding_ == DataCoding::Gsm7 ? (kUserDataSeptets - units) * 7 / 8
                                           : kUserDataOctets - units;
    }

    // The header with its length octet, which it has as soon as it has one element.
    int headerOctets() const {
        int octets = 1;
        for (const auto& element : current().elements) {
            octets += kElementOverhead + static_cast<int>(element.data.size());
        }
        return octets;
    }

    bool fits(int units) const {
        if (current().elements.empty()) {
            return units <= (coding_ == DataCoding::Gsm7 ? kUserDataSeptets : kUserDataOctets);
        }
        return headerOctets() <= octetLimit(units);
    }

    DataCoding coding_;
    bool concatenated_;
    std::vector<ShortMessage> messages_;
};

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
    const std::vector<std::uint8_t> header{0, // reference number: the message's only object
                                           octet(length >> 8),
                                           octet(length),
                                           0, // control: may be forwarded, no user prompt
                                           static_cast<std::uint8_t>(type),
                                           octet(position >> 8),
                                           octet(position)};
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
    if (artwork.kind == ArtworkKind::Animation) {
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

std::variant<std::vector<ShortMessage>, EmsProblem>
portMessages(std::uint16_t port, const std::vector<std::uint8_t>& payload, int reference) {
    const std::vector<std::uint8_t> ports{octet(port >> 8), octet(port), 0, 0};
    const int alone = kUserDataOctets - 1 - kElementOverhead - kPortLength;
    const int part = alone - kElementOverhead - kConcatenationLength;
    const int size = static_cast<int>(payload.size());
    const bool concatenated = size > alone;
    const int count = concatenated ? (size + part - 1) / part : 1;
    if (count > kMostMessages) {
        return EmsProblem::TooManyMessages;
    }
    std::vector<ShortMessage> messages(count);
    for (int index = 0; index < count; ++index) {
        ShortMessage& message = messages[index];
        message.elements.push_back({ElementId::ApplicationPort16, ports});
        if (concatenated) {
            message.elements.push_back(
                {ElementId::Concatenated8, {octet(reference), octet(count), octet(index + 1)}});
        }
        const int first = concatenated ? index * part : 0;
        const int last = concatenated ? std::min(size, first + part) : size;
        for (int at = first; at < last; ++at) {
            message.body.characters.push_back({payload[at]});
        }
    }
    return messages;
}
