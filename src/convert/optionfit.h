#pragma once

#include "convertoptions.h"

#include <optional>
#include <string>

// Options given together that exclude each other, or given for an output they do not apply to
// (--text for a PNG, --scale for a .pdu), and, where one INPUT is known, for an input they do
// not apply to (--dither for an .ems): the first such, in one line. Every such option is
// refused alike; none is passed over without a word.
std::optional<std::string> optionMisfit(const ConvertOptions& options);

// The same for options.input alone: options that read common images, given for another input.
std::optional<std::string> inputMisfit(const ConvertOptions& options);
