#pragma once

#include "convertoptions.h"

#include <string>

// Converts options.input to options.output ("-" standard output), written whole or not at all;
// an OUTPUT that is the INPUT file itself is refused before anything is read. Throws a Refusal.
void convertFile(const ConvertOptions& options);

// What --info prints for options.input: the messages it takes with the message options given.
std::string messagesNeeded(const ConvertOptions& options);

// What --list prints for options.input; a Mosaikon file or an image is named for what it is.
std::string listingContents(const ConvertOptions& options);
