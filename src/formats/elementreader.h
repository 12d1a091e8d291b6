#pragma once

#include "extendedobject.h"
#include "hexlisting.h"
#include "messagelisting.h"
#include "userdataheader.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Reads the elements of one message, part after part, into items: pictures and animations as
// they come, Extended Objects and compressed streams once their last octet has arrived, and the
// objects a User Prompt Indicator announces side by side when they are all pictures.
class ElementReader {
public:
    ElementReader(int number, std::vector<FoundItem>& items) : number_(number), items_(items) {}

    std::optional<ListingError> readPart(int part, const std::vector<InformationElement>& elements);

    // What the last part left unfinished.
    std::optional<ListingError> finish();

private:
    // The data of an object that runs on in the elements of the following parts. A compressed
    // stream keeps its method in the header's type.
    struct RunningObject {
        ExtendedObjectHeader header;
        std::vector<std::uint8_t> data;
        std::size_t length = 0;
        int firstPart = 1;
    };

    // Adds an element's octets from `skip` on to the object they continue; the whole object,
    // cut to its length, once that is reached, and then none runs on.
    static std::optional<RunningObject> collect(std::optional<RunningObject>& running,
                                                const std::vector<std::uint8_t>& data,
                                                std::size_t skip);

    void addItem(std::string element, std::optional<Artwork> artwork, int firstPart);
    ListingError fault(const std::string& what) const;
    ListingError cutShort(ElementId element) const;
    std::optional<ListingError> readElement(ElementId element,
                                            const std::vector<std::uint8_t>& data);
    void closePrompt();
    std::optional<ListingError> readExtendedObject(const std::vector<std::uint8_t>& data);
    std::optional<ListingError> completeExtendedObject(const ExtendedObjectHeader& header,
                                                       const std::vector<std::uint8_t>& data,
                                                       int firstPart);
    std::optional<ListingError> readCompressionControl(const std::vector<std::uint8_t>& data);
    std::optional<ListingError> readDecompressed(const std::vector<std::uint8_t>& plain,
                                                 int firstPart);

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
