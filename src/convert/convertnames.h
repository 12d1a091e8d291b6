#pragma once

#include "convertoptions.h"

#include <optional>
#include <string>
#include <vector>

// Places the names of the command line as INPUT and OUTPUT, or as the INPUTs of --to, and
// chooses between the two forms; what is wrong with them, in one line. With --to every name is
// an INPUT, so that a list of files never has its last one taken for an OUTPUT to write over;
// only "INPUT -" is one file to standard output.
std::optional<std::string> placeNames(ConvertOptions& options,
                                      const std::vector<std::string>& names);
