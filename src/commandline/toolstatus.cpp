#include "toolstatus.h"

#include <cstdio>

void sayOnStderr(const char* program, const std::string& line) {
    std::fprintf(stderr, "%s: %s\n", program, line.c_str());
}

int wrongCommandLine(const char* program, const std::string& problem) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", program, problem.c_str(), program);
    return kExitWrongCommandLine;
}
