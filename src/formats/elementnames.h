#pragma once

#include "emselements.h"

#include <string>

// The name a listing gives an element, with its identifier: "Variable Picture (IEI 0x12)";
// an element it has no name for is "element (IEI 0x..)".
std::string elementName(ElementId element);
