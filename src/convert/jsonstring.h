#pragma once

#include <string>

// UTF-8 text as a JSON string, quotes included: the quote, the backslash and every control
// character escaped, everything else as it is.
std::string jsonString(const std::string& utf8);
