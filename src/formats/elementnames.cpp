#include "elementnames.h"

#include <map>

namespace {

std::string hexOf(std::uint8_t value) {
    const char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[value >> 4] + digits[value & 0x0F];
}

} // namespace

std::string elementName(ElementId element) {
    static const std::map<ElementId, const char*> names = {
        {ElementId::PredefinedSound, "Predefined Sound"},
        {ElementId::UserDefinedSound, "User Defined Sound"},
        {ElementId::PredefinedAnimation, "Predefined Animation"},
        {ElementId::LargeAnimation, "Large Animation"},
        {ElementId::SmallAnimation, "Small Animation"},
        {ElementId::LargePicture, "Large Picture"},
        {ElementId::SmallPicture, "Small Picture"},
        {ElementId::VariablePicture, "Variable Picture"},
        {ElementId::UserPromptIndicator, "User Prompt Indicator"},
        {ElementId::ExtendedObject, "Extended Object"},
        {ElementId::ReusedExtendedObject, "Reused Extended Object"},
        {ElementId::CompressionControl, "Compression Control"}};
    const auto found = names.find(element);
    return std::string(found == names.end() ? "element" : found->second) + " (IEI " +
           hexOf(static_cast<std::uint8_t>(element)) + ")";
}
