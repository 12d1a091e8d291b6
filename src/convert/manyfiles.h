#pragma once

#include "convertoptions.h"

#include <string>

// The file an INPUT of --to goes to: its name with the ending of `kind` in place of its own, in
// `folder`, or beside the INPUT when `folder` is empty ("photos/a.jpg" -> "photos/a.ems").
std::string outputNameFor(const std::string& input, FileKind kind, const std::string& folder);

// Converts each of options.inputs to its outputNameFor, on every core, as one conversion of
// INPUT to OUTPUT would: an input that fails writes nothing and is said on a line of its own.
// A progress bar shows on stderr when it is a terminal, and a summary ends the run. Whether
// every input was converted.
bool convertManyFiles(const ConvertOptions& options);
