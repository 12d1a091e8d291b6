#include "messagelisting.h"

#include "emscompression.h"
#include "emselements.h"
#include "emspictures.h"
#include "extendedobject.h"
#include "otabitmap.h"
#include "smstpdu.h"
#include "userdataheader.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// Elements the reader knows beyond those it shares with the writer.
constexpr std::uint8_t kApplicationPort8 = 0x04;
constexpr std::uint8_t kPredefinedSound = 0x0B;
constexpr std::uint8_t kUserDefinedSound = 0x0C;
constexpr std::uint8_t kPredefinedAnimation = 0x0D;
constexpr std::uint8_t kReusedExtendedObject = 0x15;

constexpr int kWidestStitched = 255 * 8;

constexpr std::uint8_t id(ElementId element) {
    return static_cast<std::uint8_t>(element);
}

std::string hexOf(std::uint8_t value) {
    const char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[value >> 4] + digits[value & 0x0F];
}

std::string elementName(std::uint8_t element) {
    static const std::map<std::uint8_t, const char*> names = {
        {kPredefinedSound, "Predefined Sound"},
        {kUserDefinedSound, "User Defined Sound"},
        {kPredefinedAnimation, "Predefined Animation"},
        {id(ElementId::LargeAnimation), "Large Animation"},
        {id(ElementId::SmallAnimation), "Small Animation"},
        {id(ElementId::LargePicture), "Large Picture"},
        {id(ElementId::SmallPicture), "Small Picture"},
        {id(ElementId::VariablePicture), "Variable Picture"},
        {id(ElementId::UserPromptIndicator), "User Prompt Indicator"},
        {id(ElementId::ExtendedObject), "Extended Object"},
        {kReusedExtendedObject, "Reused Extended Object"},
        {id(ElementId::CompressionControl), "Compression Control"}};
    const auto found = names.find(element);
    return std::string(found == names.end() ? "element" : found->second) + " (IEI " +
           hexOf(element) + ")";
}

struct Concatenation {
    bool wide = false;
    int reference = 0;
    int total = 1;
    int sequence = 1;
};

std::optional<Concatenation> concatenationOf(const std::vector<HeaderElement>& elements) {
    for (const HeaderElement& element : elements) {
        const bool narrow = element.id == id(ElementId::Concatenated8) && element.data.size() == 3;
        const bool wide = element.id == id(ElementId::Concatenated16) && element.data.size() == 4;
        if (!narrow && !wide) {
            continue;
        }
        const auto& d = element.data;
        Concatenation concatenation{wide, wide ? d[0] << 8 | d[1] : d[0], d[wide ? 2 : 1],
                                    d[wide ? 3 : 2]};
        // A count of 0 or a number past it makes the element one to ignore.
        if (concatenation.total == 0 || concatenation.sequence == 0 ||
            concatenation.sequence > concatenation.total) {
            continue;
        }
        return concatenation;
    }
    return std::nullopt;
}

enum class NokiaPort { None, Picture, Logo };

NokiaPort nokiaPortOf(const std::vector<HeaderElement>& elements) {
    for (const HeaderElement& element : elements) {
        int port = -1;
        if (element.id == id(ElementId::ApplicationPort16) && element.data.size() == 4) {
            port = element.data[0] << 8 | element.data[1];
        }
        // No 8-bit port holds a Nokia port; the reserved 8-bit ports 130 and 138 are read as
        // the low octets of 5506 and 5514.
        if (element.id == kApplicationPort8 && element.data.size() == 2) {
            port = 0x1500 | element.data[0];
        }
        if (port == kNokiaPicturePort) {
            return NokiaPort::Picture;
        }
        if (port == kNokiaOperatorLogoPort) {
            return NokiaPort::Logo;
        }
    }
    return NokiaPort::None;
}

struct Part {
    ReceivedMessage message;
    std::vector<HeaderElement> elements;
};

struct PendingMessage {
    std::optional<Concatenation> concatenation;
    std::vector<std::optional<Part>> parts;
};

// The data of an object that runs on in the elements of the following parts.
struct RunningObject {
    ExtendedObjectHeader header;
    std::vector<std::uint8_t> data;
    std::size_t length = 0;
    int firstPart = 1;
};

// Reads the elements of one message, part after part, into items.
class MessageReader {
public:
    MessageReader(int number, std::vector<FoundItem>& items) : number_(number), items_(items) {}

    std::optional<ListingError> readPart(int part, const std::vector<HeaderElement>& elements) {
        part_ = part;
        for (const HeaderElement& element : elements) {
            if (auto error = readElement(element.id, element.data)) {
                return error;
            }
            if (stitchFault_) {
                return stitchFault_;
            }
        }
        return std::nullopt;
    }

    std::optional<ListingError> finish() {
        if (stitchFault_) {
            return stitchFault_;
        }
        if (object_) {
            return fault("the Extended Object of " + std::to_string(object_->length) +
                         " octets runs past the last part");
        }
        if (compressed_) {
            return fault("the compressed stream of " + std::to_string(compressed_->length) +
                         " octets runs past the last part");
        }
        if (promptLeft_ > 0) {
            return fault("the User Prompt Indicator announces " +
                         std::to_string(prompted_.size() + promptLeft_) + " objects, " +
                         std::to_string(prompted_.size()) + " follow it");
        }
        return std::nullopt;
    }

private:
    void addItem(std::string element, std::optional<Artwork> artwork, int firstPart) {
        FoundItem item{std::move(element), std::move(artwork), number_, firstPart, part_};
        if (promptLeft_ == 0) {
            items_.push_back(std::move(item));
            return;
        }
        prompted_.push_back(std::move(item));
        if (--promptLeft_ == 0) {
            closePrompt();
        }
    }

    ListingError fault(const std::string& what) const {
        return {"message " + std::to_string(number_) + ", part " + std::to_string(part_) + ": " +
                what};
    }

    ListingError cutShort(std::uint8_t element) const {
        return fault("the " + elementName(element) + " is cut short");
    }

    std::optional<ListingError> readElement(std::uint8_t element,
                                            const std::vector<std::uint8_t>& data) {
        if (isPictureElement(element)) {
            auto artwork = decodePictureElement(element, data);
            if (!artwork) {
                return cutShort(element);
            }
            addItem(elementName(element), std::move(artwork), part_);
            return std::nullopt;
        }
        switch (element) {
        case id(ElementId::UserPromptIndicator):
            if (data.empty()) {
                return cutShort(element);
            }
            closePrompt();
            promptLeft_ = data[0];
            promptPart_ = part_;
            return std::nullopt;
        case id(ElementId::ExtendedObject):
            return readExtendedObject(data);
        case id(ElementId::CompressionControl):
            return readCompressionControl(data);
        case kPredefinedSound:
        case kUserDefinedSound:
        case kPredefinedAnimation:
        case kReusedExtendedObject:
            addItem(elementName(element), std::nullopt, part_);
            return std::nullopt;
        default:
            return std::nullopt;
        }
    }

    // Strips announced together stand side by side when all are pictures; otherwise each
    // counts on its own.
    void closePrompt() {
        promptLeft_ = 0;
        const bool allPictures =
            prompted_.size() > 1 &&
            std::all_of(prompted_.begin(), prompted_.end(), [](const FoundItem& item) {
                return item.artwork && item.artwork->kind == ArtworkKind::Picture;
            });
        if (!allPictures) {
            items_.insert(items_.end(), prompted_.begin(), prompted_.end());
            prompted_.clear();
            return;
        }
        std::vector<Artwork> strips;
        int width = 0;
        for (const FoundItem& item : prompted_) {
            strips.push_back(*item.artwork);
            width += item.artwork->width;
        }
        // No element is wider than 255 octets of pixels; strips together are held to that too.
        if (width > kWidestStitched) {
            stitchFault_ = fault("the User Prompt Indicator's strips are " + std::to_string(width) +
                                 " pixels wide together");
            prompted_.clear();
            return;
        }
        items_.push_back({elementName(id(ElementId::UserPromptIndicator)) + " over " +
                              std::to_string(strips.size()) + " " + prompted_.front().element,
                          sideBySide(strips), number_, promptPart_, prompted_.back().lastPart});
        prompted_.clear();
    }

    std::optional<ListingError> readExtendedObject(const std::vector<std::uint8_t>& data) {
        if (!object_) {
            if (data.size() < kExtendedObjectHeaderOctets) {
                return cutShort(id(ElementId::ExtendedObject));
            }
            RunningObject object;
            object.header = readExtendedObjectHeader(data.data());
            object.length = static_cast<std::size_t>(object.header.length);
            object.firstPart = part_;
            object_ = std::move(object);
            object_->data.assign(data.begin() + kExtendedObjectHeaderOctets, data.end());
        } else {
            object_->data.insert(object_->data.end(), data.begin(), data.end());
        }
        if (object_->data.size() < object_->length) {
            return std::nullopt;
        }
        object_->data.resize(object_->length);
        RunningObject done = std::move(*object_);
        object_.reset();
        return completeExtendedObject(done.header, done.data, done.firstPart);
    }

    std::optional<ListingError> completeExtendedObject(const ExtendedObjectHeader& header,
                                                       const std::vector<std::uint8_t>& data,
                                                       int firstPart) {
        const std::string name =
            elementName(id(ElementId::ExtendedObject)) + ", " + extendedObjectTypeName(header.type);
        if (!isExtendedObjectArtwork(header.type)) {
            addItem(name, std::nullopt, firstPart);
            return std::nullopt;
        }
        auto artwork = decodeExtendedObjectArtwork(header.type, data);
        if (!artwork) {
            return fault("the " + name + " is cut short");
        }
        addItem(name, std::move(artwork), firstPart);
        return std::nullopt;
    }

    std::optional<ListingError> readCompressionControl(const std::vector<std::uint8_t>& data) {
        if (!compressed_) {
            if (data.size() < kCompressionHeaderOctets) {
                return cutShort(id(ElementId::CompressionControl));
            }
            RunningObject stream;
            stream.header.type = data[0] & 0x0F;
            stream.length = static_cast<std::size_t>(data[1] << 8 | data[2]);
            stream.firstPart = part_;
            compressed_ = std::move(stream);
            compressed_->data.assign(data.begin() + kCompressionHeaderOctets, data.end());
        } else {
            compressed_->data.insert(compressed_->data.end(), data.begin(), data.end());
        }
        if (compressed_->data.size() < compressed_->length) {
            return std::nullopt;
        }
        compressed_->data.resize(compressed_->length);
        RunningObject done = std::move(*compressed_);
        compressed_.reset();
        if (done.header.type != kLzssMethod) {
            addItem(elementName(id(ElementId::CompressionControl)) + ", method " +
                        std::to_string(done.header.type),
                    std::nullopt, done.firstPart);
            return std::nullopt;
        }
        const auto plain = decompressLzss(done.data);
        if (!plain) {
            return fault("the compressed stream of the " +
                         elementName(id(ElementId::CompressionControl)) + " is damaged");
        }
        return readDecompressed(*plain, done.firstPart);
    }

    // The elements that come out of decompression. An Extended Object there is whole; its
    // length octet cannot count past 255, so a longer object is found by its own length field,
    // after one length octet or two.
    std::optional<ListingError> readDecompressed(const std::vector<std::uint8_t>& plain,
                                                 int firstPart) {
        std::size_t at = 0;
        while (at < plain.size()) {
            const std::uint8_t element = plain[at];
            const std::size_t left = plain.size() - at;
            if (element == id(ElementId::ExtendedObject)) {
                const auto start = objectStart(plain, at);
                if (!start) {
                    return fault("the decompressed " + elementName(element) + " is cut short");
                }
                const ExtendedObjectHeader header = readExtendedObjectHeader(&plain[*start]);
                const std::size_t dataStart = *start + kExtendedObjectHeaderOctets;
                const std::vector<std::uint8_t> data(plain.begin() + dataStart,
                                                     plain.begin() + dataStart + header.length);
                if (auto error = completeExtendedObject(header, data, firstPart)) {
                    return error;
                }
                at = dataStart + header.length;
                continue;
            }
            if (left < 2 || plain[at + 1] > left - 2) {
                return fault("the decompressed " + elementName(element) + " is cut short");
            }
            const std::vector<std::uint8_t> data(plain.begin() + at + 2,
                                                 plain.begin() + at + 2 + plain[at + 1]);
            if (element != id(ElementId::CompressionControl)) {
                if (auto error = readElement(element, data)) {
                    return error;
                }
            }
            at += 2u + plain[at + 1];
        }
        return std::nullopt;
    }

    // Where the 7-octet header of the Extended Object at `at` starts: after a length octet that
    // counts header and data, after two such octets, or else after one octet of any value.
    static std::optional<std::size_t> objectStart(const std::vector<std::uint8_t>& plain,
                                                  std::size_t at) {
        auto fits = [&](std::size_t start, std::size_t counted, bool exact) -> bool {
            if (start + kExtendedObjectHeaderOctets > plain.size()) {
                return false;
            }
            const std::size_t whole =
                kExtendedObjectHeaderOctets + readExtendedObjectHeader(&plain[start]).length;
            return (!exact || whole == counted) && whole <= plain.size() - start;
        };
        const std::size_t oneOctet = at + 1 < plain.size() ? plain[at + 1] : 0;
        const std::size_t twoOctets =
            at + 2 < plain.size() ? (plain[at + 1] << 8 | plain[at + 2]) : 0;
        if (fits(at + 2, oneOctet, true)) {
            return at + 2;
        }
        if (fits(at + 3, twoOctets, true)) {
            return at + 3;
        }
        if (fits(at + 2, 0, false)) {
            return at + 2;
        }
        return std::nullopt;
    }

    int number_;
    std::vector<FoundItem>& items_;
    int part_ = 1;
    std::optional<RunningObject> object_;
    std::optional<RunningObject> compressed_;
    int promptLeft_ = 0;
    int promptPart_ = 1;
    std::vector<FoundItem> prompted_;
    std::optional<ListingError> stitchFault_;
};

std::optional<ListingError> readNokiaPayload(NokiaPort port,
                                             const std::vector<std::uint8_t>& payload,
                                             FoundMessage& message, int lastPart,
                                             std::vector<FoundItem>& items) {
    const std::string where = "message " + std::to_string(message.number) + ": ";
    if (port == NokiaPort::Picture) {
        auto picture = decodeNokiaPictureMessage(payload);
        if (!picture) {
            return ListingError{where + "the Nokia picture message is cut short"};
        }
        message.text += picture->text;
        items.push_back({"Nokia picture message (port 5514)", std::move(picture->picture),
                         message.number, 1, lastPart});
        return std::nullopt;
    }
    auto logo = decodeNokiaOperatorLogo(payload);
    if (!logo) {
        return ListingError{where + "the Nokia operator logo is cut short"};
    }
    items.push_back({"Nokia operator logo for " + logo->network + " (port 5506)",
                     std::move(logo->logo), message.number, 1, lastPart});
    return std::nullopt;
}

std::optional<ListingError> readMessage(const PendingMessage& pending, FoundMessage& message,
                                        std::vector<FoundItem>& items) {
    for (std::size_t i = 0; i < pending.parts.size(); ++i) {
        if (!pending.parts[i]) {
            return ListingError{"message " + std::to_string(message.number) + " (reference " +
                                std::to_string(*message.reference) + ") lacks part " +
                                std::to_string(i + 1) + " of " +
                                std::to_string(pending.parts.size())};
        }
    }
    MessageReader reader(message.number, items);
    std::vector<std::uint8_t> payload;
    NokiaPort port = NokiaPort::None;
    bool eightBit = true;
    for (std::size_t i = 0; i < pending.parts.size(); ++i) {
        const Part& part = *pending.parts[i];
        message.text += part.message.text;
        payload.insert(payload.end(), part.message.body.begin(), part.message.body.end());
        eightBit = eightBit && part.message.coding == DataCoding::EightBit;
        if (port == NokiaPort::None) {
            port = nokiaPortOf(part.elements);
        }
        if (auto error = reader.readPart(static_cast<int>(i + 1), part.elements)) {
            return error;
        }
    }
    if (auto error = reader.finish()) {
        return error;
    }
    if (port == NokiaPort::None || !eightBit) {
        return std::nullopt;
    }
    return readNokiaPayload(port, payload, message, static_cast<int>(pending.parts.size()), items);
}

} // namespace

std::variant<MessageListing, ListingError>
decodeMessageListing(const std::vector<std::uint8_t>& text) {
    auto listed = readHexListing(text);
    if (auto* error = std::get_if<ListingError>(&listed)) {
        return *error;
    }
    // Parts of one message share the sender or recipient, the kind and value of the reference
    // and the part count.
    using Key = std::tuple<std::vector<std::uint8_t>, bool, int, int>;
    std::map<Key, std::size_t> byKey;
    std::vector<PendingMessage> pending;
    for (const ListedTpdu& tpdu : std::get<std::vector<ListedTpdu>>(listed)) {
        auto decoded = decodeListedTpdu(tpdu);
        if (auto* error = std::get_if<ListingError>(&decoded)) {
            return *error;
        }
        ReceivedMessage& message = std::get<ReceivedMessage>(decoded);
        auto elements = splitUserDataHeader(message.header);
        if (!elements) {
            return ListingError{"line " + std::to_string(tpdu.line) +
                                ": the user data header runs past its end"};
        }
        const auto concatenation = concatenationOf(*elements);
        std::size_t index = pending.size();
        if (concatenation) {
            const Key key{message.address, concatenation->wide, concatenation->reference,
                          concatenation->total};
            index = byKey.emplace(key, pending.size()).first->second;
        }
        if (index == pending.size()) {
            pending.push_back({concatenation, std::vector<std::optional<Part>>(
                                                  concatenation ? concatenation->total : 1)});
        }
        auto& slot = pending[index].parts[concatenation ? concatenation->sequence - 1 : 0];
        if (!slot) {
            slot = Part{std::move(message), std::move(*elements)};
        }
    }
    MessageListing result;
    for (std::size_t i = 0; i < pending.size(); ++i) {
        FoundMessage message;
        message.number = static_cast<int>(i + 1);
        message.parts = static_cast<int>(pending[i].parts.size());
        if (pending[i].concatenation) {
            message.reference = pending[i].concatenation->reference;
        }
        if (auto error = readMessage(pending[i], message, result.items)) {
            return *error;
        }
        result.messages.push_back(std::move(message));
    }
    return result;
}
