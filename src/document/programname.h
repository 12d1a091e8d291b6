#pragma once

// The program's name: the window title of a document without a file, the end of every other
// title, the caption of its message boxes and its name to the windowing system.
inline constexpr char kProgramName[] = "Mosaikon";
