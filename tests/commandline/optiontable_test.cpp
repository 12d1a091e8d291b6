#include "optiontable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// What a table of three options took from a command line: a number with a short form, a flag
// with one, and a text with none.
struct Taken {
    int size = 0;
    bool verbose = false;
    std::string label = "(none)";

    OptionTable table() {
        return {{"size", 's', "N", "the size", takesNumber(size, 1, 16)},
                {"verbose", 'v', "", "says more", setsFlag(verbose)},
                {"label", '\0', "TEXT", "a label", [this](const std::string& value) {
                     label = value;
                     return std::optional<std::string>();
                 }}};
    }
};

// The names found and what was taken, or the problem, in one line.
std::string outcomeOf(const std::vector<std::string>& arguments) {
    Taken taken;
    const auto parsed = parseCommandLine(taken.table(), arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        return error->problem;
    }
    std::ostringstream out;
    for (const std::string& name : std::get<std::vector<std::string>>(parsed)) {
        out << "[" << name << "] ";
    }
    out << "size " << taken.size << (taken.verbose ? ", verbose" : "") << ", " << taken.label;
    return out.str();
}

TEST(OptionTable, ReadsEveryFormAndRefusesWhatIsWrongInOneLine) {
    const struct {
        std::vector<std::string> arguments;
        std::string outcome;
    } cases[] = {
        {{"a", "--size", "3", "b"}, "[a] [b] size 3, (none)"},
        {{"--size=4", "-s5", "-s=6", "-s", "7"}, "size 7, (none)"},
        {{"-v", "--verbose", "--label", "-x", "--label="}, "size 0, verbose, "},
        {{"--label=a=b", "--", "--size", "-v"}, "[--size] [-v] size 0, a=b"},
        {{"-", "-s", "16", "-"}, "[-] [-] size 16, (none)"},
        {{"--size", "0"}, "--size takes a whole number from 1 to 16, not \"0\""},
        {{"-s", "17"}, "-s takes a whole number from 1 to 16, not \"17\""},
        {{"-s0000001"}, "-s takes a whole number from 1 to 16, not \"0000001\""},
        {{"--size=x"}, "--size takes a whole number from 1 to 16, not \"x\""},
        {{"--size=+3"}, "--size takes a whole number from 1 to 16, not \"+3\""},
        {{"a", "--size"}, "--size needs a value"},
        {{"-s"}, "-s needs a value"},
        {{"--verbose=yes"}, "--verbose takes no value"},
        {{"-vv"}, "-v takes no value"},
        {{"--colour=red", "--size"}, "unknown option --colour"},
        {{"-x=1"}, "unknown option -x"},
        {{"--sizes", "3"}, "unknown option --sizes"},
        {{"---size", "3"}, "unknown option ---size"},
        {{"--", "--", "-s"}, "[--] [-s] size 0, (none)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcomeOf(c.arguments), c.outcome) << c.arguments.front();
    }
}

TEST(OptionTable, HelpListsEveryOptionWithItsHelpInOneColumn) {
    Taken taken;
    EXPECT_EQ(optionLines(taken.table()), "  -s, --size=N      the size\n"
                                          "  -v, --verbose     says more\n"
                                          "      --label=TEXT  a label\n");
    EXPECT_EQ(optionLines({taken.table()[2]}), "  --label=TEXT  a label\n");
}

} // namespace
