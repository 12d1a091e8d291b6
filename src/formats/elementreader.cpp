#include "elementreader.h"

#include "elementnames.h"
#include "emscompression.h"
#include "emspictures.h"

#include <algorithm>

namespace {

constexpr int kWidestStitched = 255 * 8;

// Where the 7-octet header of the Extended Object at `at` starts: after a length octet that
// counts header and data, after two such octets, or else after one octet of any value.
std::optional<std::size_t> objectStart(const std::vector<std::uint8_t>& plain, std::size_t at) {
    auto fits = [&](std::size_t start, std::size_t counted, bool exact) -> bool {
        if (start + kExtendedObjectHeaderOctets > plain.size()) {
            return false;
        }
        const std::size_t whole =
            kExtendedObjectHeaderOctets + readExtendedObjectHeader(&plain[start]).length;
        return (!exact || whole == counted) && whole <= plain.size() - start;
    };
    const std::size_t oneOctet = at + 1 < plain.size() ? plain[at + 1] : 0;
    const std::size_t twoOctets = at + 2 < plain.size() ? (plain[at + 1] << 8 | plain[at + 2]) : 0;
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

} // namespace

std::optional<ListingError>
ElementReader::readPart(int part, const std::vector<InformationElement>& elements) {
    part_ = part;
    for (const InformationElement& element : elements) {
        if (auto error = readElement(element.id, element.data)) {
            return error;
        }
        if (stitchFault_) {
            return stitchFault_;
        }
    }
    return std::nullopt;
}

std::optional<ListingError> ElementReader::finish() {
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

void ElementReader::addItem(std::string element, std::optional<Artwork> artwork, int firstPart) {
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

ListingError ElementReader::fault(const std::string& what) const {
    return {"message " + std::to_string(number_) + ", part " + std::to_string(part_) + ": " + what};
}

ListingError ElementReader::cutShort(ElementId element) const {
    return fault("the " + elementName(element) + " is cut short");
}

std::optional<ListingError> ElementReader::readElement(ElementId element,
                                                       const std::vector<std::uint8_t>& data) {
    const auto octet = static_cast<std::uint8_t>(element);
    if (isPictureElement(octet)) {
        auto artwork = decodePictureElement(octet, data);
        if (!artwork) {
            return cutShort(element);
        }
        addItem(elementName(element), std::move(artwork), part_);
        return std::nullopt;
    }
    switch (element) {
    case ElementId::UserPromptIndicator:
        if (data.empty()) {
            return cutShort(element);
        }
        closePrompt();
        promptLeft_ = data[0];
        promptPart_ = part_;
        return std::nullopt;
    case ElementId::ExtendedObject:
        return readExtendedObject(data);
    case ElementId::CompressionControl:
        return readCompressionControl(data);
    case ElementId::PredefinedSound:
    case ElementId::UserDefinedSound:
    case ElementId::PredefinedAnimation:
    case ElementId::ReusedExtendedObject:
        addItem(elementName(element), std::nullopt, part_);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// Strips announced together stand side by side when all are pictures; otherwise each counts on
// its own.
void ElementReader::closePrompt() {
    promptLeft_ = 0;
    const bool allPictures =
        prompted_.size() > 1 &&
        std::all_of(prompted_.begin(), prompted_.end(), [](const FoundItem& item) {
            return item.artwork && item.artwork->kind == DocumentKind::Picture;
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
    items_.push_back({elementName(ElementId::UserPromptIndicator) + " over " +
                          std::to_string(strips.size()) + " " + prompted_.front().element,
                      sideBySide(strips), number_, promptPart_, prompted_.back().lastPart});
    prompted_.clear();
}

std::optional<ElementReader::RunningObject>
ElementReader::collect(std::optional<RunningObject>& running, const std::vector<std::uint8_t>& data,
                       std::size_t skip) {
    running->data.insert(running->data.end(), data.begin() + static_cast<std::ptrdiff_t>(skip),
                         data.end());
    if (running->data.size() < running->length) {
        return std::nullopt;
    }
    running->data.resize(running->length);
    std::optional<RunningObject> done = std::move(running);
    running.reset();
    return done;
}

std::optional<ListingError>
ElementReader::readExtendedObject(const std::vector<std::uint8_t>& data) {
    std::size_t skip = 0;
    if (!object_) {
        if (data.size() < kExtendedObjectHeaderOctets) {
            return cutShort(ElementId::ExtendedObject);
        }
        const ExtendedObjectHeader header = readExtendedObjectHeader(data.data());
        object_ = RunningObject{header, {}, static_cast<std::size_t>(header.length), part_};
        skip = kExtendedObjectHeaderOctets;
    }
    const auto done = collect(object_, data, skip);
    if (!done) {
        return std::nullopt;
    }
    return completeExtendedObject(done->header, done->data, done->firstPart);
}

std::optional<ListingError>
ElementReader::completeExtendedObject(const ExtendedObjectHeader& header,
                                      const std::vector<std::uint8_t>& data, int firstPart) {
    const std::string name =
        elementName(ElementId::ExtendedObject) + ", " + extendedObjectTypeName(header.type);
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

std::optional<ListingError>
ElementReader::readCompressionControl(const std::vector<std::uint8_t>& data) {
    std::size_t skip = 0;
    if (!compressed_) {
        if (data.size() < kCompressionHeaderOctets) {
            return cutShort(ElementId::CompressionControl);
        }
        ExtendedObjectHeader method;
        method.type = data[0] & 0x0F;
        compressed_ =
            RunningObject{method, {}, static_cast<std::size_t>(data[1] << 8 | data[2]), part_};
        skip = kCompressionHeaderOctets;
    }
    const auto done = collect(compressed_, data, skip);
    if (!done) {
        return std::nullopt;
    }
    if (done->header.type != kLzssMethod) {
        addItem(elementName(ElementId::CompressionControl) + ", method " +
                    std::to_string(done->header.type),
                std::nullopt, done->firstPart);
        return std::nullopt;
    }
    const auto plain = decompressLzss(done->data);
    if (!plain) {
        return fault("the compressed stream of the " + elementName(ElementId::CompressionControl) +
                     " is damaged");
    }
    return readDecompressed(*plain, done->firstPart);
}

// The elements that come out of decompression. An Extended Object there is whole; its length
// octet cannot count past 255, so a longer object is found by its own length field, after one
// length octet or two.
std::optional<ListingError> ElementReader::readDecompressed(const std::vector<std::uint8_t>& plain,
                                                            int firstPart) {
    std::size_t at = 0;
    while (at < plain.size()) {
        const auto element = static_cast<ElementId>(plain[at]);
        const std::size_t left = plain.size() - at;
        if (element == ElementId::ExtendedObject) {
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
        if (element != ElementId::CompressionControl) {
            if (auto error = readElement(element, data)) {
                return error;
            }
        }
        at += 2u + plain[at + 1];
    }
    return std::nullopt;
}
