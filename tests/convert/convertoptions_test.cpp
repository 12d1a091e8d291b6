#include "convertoptions.h"
#include "manyfiles.h"

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
        {{"--udh", "--json", "a", "b"},
         "--udh, --at and --json are forms of the output; choose one"},
        {{"a"}, "an INPUT and an OUTPUT are needed"},
        {{"a", "b", "c"},
         "too many files: INPUT and OUTPUT, not 3; --to KIND converts many INPUTs"},
        {{"--info", "a", "b"}, "too many files: --info takes one INPUT, not 2"},
        {{"a.ems", "-"}, "- as OUTPUT needs --to KIND"},
        {{"-", "b.png"}, "- as INPUT needs --from KIND"},
        {{"--to", "png", "a.ems", "-", "b.ems"},
         "- among many INPUTs has no name to write to; give it alone, or as \"INPUT -\""},
        {{"--output-dir", "d", "a.ems", "b.png"}, "--output-dir is for --to with INPUTs alone"},
        {{"--to", "jpg", "a.ems"},
         "--to takes ems, ema, pdu, smsbackup, jsonl, png, gif or bmp, not \"jpg\""},
        {{"--help", "a"}, "(none)"},
        {{"-V"}, "(none)"},
        {{"--size", "1x1", "--text", "-", "--", "-a", "-b.pdu"}, "(none)"},
        {{"--from", "ems", "--to", "png", "-", "-"}, "(none)"},
        {{"--to", "gif", "--scale", "3", "--output-dir", "d", "a.ema", "b.ems"}, "(none)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(problemWith(c.arguments), c.problem) << c.arguments.front();
    }
}

TEST(ConvertOptions, OptionsThatDoNotApplyAreRefusedAlike) {
    const struct {
        std::vector<const char*> arguments;
        const char* problem;
    } cases[] = {
        {{"--frame", "2", "--all-frames", "a.ema", "b.png"},
         "--frame and --all-frames both choose the frames shown; choose one"},
        {{"--fit", "--size", "9x9", "a.png", "b.ems"},
         "--fit and --size both set the size; "
         "choose one"},
        {{"--text", "x", "a.ems", "b.png"},
         "--text is for a .pdu or .jsonl output or --info, not .png"},
        {{"--json", "a.ems", "b.png"}, "--json is for a .pdu or .jsonl output or --info, not .png"},
        {{"--at", "a.ems", "b.jsonl"}, "--at is for a .pdu output or --info, not .jsonl"},

        {{"--scale", "2", "a.ems", "b.pdu"}, "--scale is for a PNG or GIF output, not .pdu"},
        {{"--scale", "2", "a.ems", "b.BMP"}, "--scale is for a PNG or GIF output, not .bmp"},
        {{"--frame", "2", "a.ema", "b.gif"}, "--frame is for a PNG or BMP output, not .gif"},
        {{"--all-frames", "--to", "bmp", "a.ema"}, "--all-frames is for a PNG output, not .bmp"},
        {{"--nokia", "--to", "png", "a.ems", "b.ems"},
         "--nokia is for a .pdu or .jsonl output or --info, not .png"},
        {{"--info", "--scale", "2", "a.ems"}, "--scale is for a PNG or GIF output, not --info"},
        {{"--info", "--to", "png", "a.ems"}, "--to does not apply to --info"},
        {{"--list", "--text", "x", "a.pdu"}, "--text does not apply to --list"},
        {{"--dither", "a.pdu", "b.png"}, "--dither is for a common image as INPUT, not .pdu"},
        {{"--from", "ema", "--threshold", "9", "-", "b.png"},
         "--threshold is for a common image as INPUT, not .ema"},
        {{"--info", "--text", "x", "--nokia", "--dither", "a.jpg"}, "(none)"},
        {{"--frame", "2", "--scale", "3", "a.ema", "b.png"}, "(none)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(problemWith(c.arguments), c.problem) << c.arguments.front();
    }
}

TEST(ManyFiles, EachOutputTakesItsInputsNameWithTheNewEnding) {
    const struct {
        const char* input;
        FileKind kind;
        const char* folder;
        const char* output;
    } cases[] = {
        {"photos/a.jpg", FileKind::Picture, "", "photos/a.ems"},
        {"a.b/c", FileKind::Png, "", "a.b/c.png"},
        {"x/.hidden", FileKind::Gif, "out/", "out/.hidden.gif"},
        {"x/y.tar.gz", FileKind::Bmp, "d", "d/y.tar.bmp"},
        {"/abs/p.EMS", FileKind::Messages, "", "/abs/p.pdu"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outputNameFor(c.input, c.kind, c.folder), c.output) << c.input;
    }
}

} // namespace
