#pragma once

#include <string>

// The one convention of the tools outside the window: exit status 0 done, 1 failed, 2 wrong
// command line, and every message on stderr one line that starts with the program's name.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitWrongCommandLine = 2;

// "program: line" on stderr.
void sayOnStderr(const char* program, const std::string& line);

// A wrong command line: "program: problem", then where help is; returns kExitWrongCommandLine.
int wrongCommandLine(const char* program, const std::string& problem);
