#include "convertoptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// What is wrong with a command line, as the converter says it after "mosaikon-convert: ".
std::string problemWith(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "mosaikon-convert");
    const auto parsed = parseConvertOptions(static_cast<int>(arguments.size()), arguments.data());
    const auto* problem = std::get_if<std::string>(&parsed);
    return problem != nullptr ? *problem : "(none)";
}

TEST(ConvertOptions, EachWrongValueIsNamedWithWhatTheOptionTakes) {
    const struct {
        std::vector<const char*> arguments;
        const char* problem;
    } cases[] = {
        {{"--number", "12a"},
         "--number takes digits, with a leading + for an international number, not \"12a\""},
        {{"--number", "+"},
         "--number takes digits, with a leading + for an international number, not \"+\""},
        {{"--number", "+123456789012345678901234"},
         "--number takes at most 20 digits, with an optional leading +, not "
         "\"+123456789012345678901234\" (24 digits)"},
        {{"--number", "+12345678901234567890", "a", "b"}, "(none)"},
        {{"--element=both"}, "--element takes \"standard\" or \"extended\", not \"both\""},
        {{"--reference", "256"}, "--reference takes a whole number from 0 to 255, not \"256\""},
        {{"--position", "-1"}, "--position takes a whole number from 0 to 999999, not \"-1\""},
        {{"--network", "25001"},
         "--network takes \"MCC MNC\": a country code of 3 digits from 200 to 799 or 901, a space, "
         "a network code of 2 or 3 digits, such as \"250 01\", not \"25001\""},
        {{"--network", "999 999"},
         "--network takes \"MCC MNC\": a country code of 3 digits from 200 to 799 or 901, a space, "
         "a network code of 2 or 3 digits, such as \"250 01\", not \"999 999\""},
        {{"--network", "199 01"},
         "--network takes \"MCC MNC\": a country code of 3 digits from 200 to 799 or 901, a space, "
         "a network code of 2 or 3 digits, such as \"250 01\", not \"199 01\""},
        {{"--network", "250 0001"},
         "--network takes \"MCC MNC\": a country code of 3 digits from 200 to 799 or 901, a space, "
         "a network code of 2 or 3 digits, such as \"250 01\", not \"250 0001\""},
        {{"--network", "901 12", "--network", "799 999", "--network", "200 00", "a", "b"},
         "(none)"},
        {{"--frame", "0"}, "--frame takes a whole number from 1 to 999999, not \"0\""},
        {{"--scale", "17"}, "--scale takes a whole number from 1 to 16, not \"17\""},
        {{"--threshold=256"}, "--threshold takes a whole number from 0 to 255, not \"256\""},
        {{"--size", "129x96"},
         "--size takes WIDTHxHEIGHT within 128x96, such as 72x28, not \"129x96\""},
        {{"--size", "128x97"},
         "--size takes WIDTHxHEIGHT within 128x96, such as 72x28, not \"128x97\""},
        {{"--size", "128x96", "--text"}, "--text needs a value"},
        {{"--fit=1"}, "--fit takes no value"},
        {{"-x=1"}, "unknown option -x"},
        {{"--udh", "--at", "a", "b"}, "--udh and --at are two forms of the output; choose one"},
        {{"a"}, "an INPUT and an OUTPUT file are needed"},
        {{"--info", "a", "b"}, "one INPUT file is needed"},
        {{"--help", "a"}, "(none)"},
        {{"--size", "1x1", "--text", "-", "--", "-a", "-b"}, "(none)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(problemWith(c.arguments), c.problem) << c.arguments.front();
    }
}

} // namespace
