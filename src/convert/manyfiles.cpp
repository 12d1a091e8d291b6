#include "manyfiles.h"

#include "conversion.h"
#include "optionfit.h"
#include "progressbar.h"
#include "refusal.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <thread>
#include <vector>

namespace {

// The file a name leads to, however it is spelt ("a.ems", "./a.ems", "link/a.ems").
std::filesystem::path placeOf(const std::string& name) {
    std::error_code error;
    std::filesystem::path place = std::filesystem::absolute(name, error);
    if (!error) {
        place = std::filesystem::weakly_canonical(place, error);
    }
    return error ? std::filesystem::path(name).lexically_normal() : place;
}

// Why an input is not converted before it is read: two inputs that would write one output
// ("a.png" and "./a.jpg" both to "a.ems"); the first of them keeps it.
std::vector<std::string> sharedOutputs(const std::vector<std::string>& inputs,
                                       const std::vector<std::string>& outputs) {
    std::map<std::filesystem::path, std::size_t> firstWriter;
    std::vector<std::string> problems(inputs.size());
    for (std::size_t index = 0; index < inputs.size(); ++index) {
        const auto [first, isNew] = firstWriter.emplace(placeOf(outputs[index]), index);
        if (!isNew) {
            problems[index] = inputs[index] + ": " + outputs[index] + " is written from " +
                              inputs[first->second] + " already";
        }
    }
    return problems;
}

} // namespace

std::string outputNameFor(const std::string& input, FileKind kind, const std::string& folder) {
    const std::size_t slash = input.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = input.rfind('.');
    // A name that starts with its only dot (".hidden") has no ending to take away.
    const bool hasEnding = dot != std::string::npos && dot > nameStart;
    const std::string stem = input.substr(nameStart, (hasEnding ? dot : input.size()) - nameStart) +
                             "." + endingOf(kind);
    if (folder.empty()) {
        return input.substr(0, nameStart) + stem;
    }
    return folder.back() == '/' ? folder + stem : folder + "/" + stem;
}

bool convertManyFiles(const ConvertOptions& options) {
    const std::vector<std::string>& inputs = options.inputs;
    std::vector<std::string> outputs;
    for (const std::string& input : inputs) {
        outputs.push_back(outputNameFor(input, *options.to, options.outputDir));
    }
    const std::vector<std::string> problems = sharedOutputs(inputs, outputs);

    ProgressBar progress(inputs.size());
    sendRemarksTo([&progress](const std::string& line) { progress.say(line); });
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> failed{0};
    const auto work = [&]() {
        for (std::size_t index = next++; index < inputs.size(); index = next++) {
            ConvertOptions one = options;
            one.mode = ConvertOptions::Mode::Convert;
            one.input = inputs[index];
            one.output = outputs[index];
            try {
                if (!problems[index].empty()) {
                    throw Refusal(problems[index]);
                }
                if (auto misfit = inputMisfit(one)) {
                    throw Refusal(one.input + ": " + *misfit);
                }
                convertFile(one);
            } catch (const Refusal& refusal) {
                ++failed;
                progress.say(refusal.what());
            }
            progress.step();
        }
    };
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (std::size_t worker = 1; worker < std::min(cores, inputs.size()); ++worker) {
        workers.emplace_back(work);
    }
    work();
    for (std::thread& worker : workers) {
        worker.join();
    }
    sendRemarksTo({});
    progress.finish();

    const std::size_t converted = inputs.size() - failed;
    remark(std::to_string(converted) + " of " + std::to_string(inputs.size()) +
           (inputs.size() == 1 ? " file" : " files") + " converted" +
           (failed == 0 ? "" : ", " + std::to_string(failed) + " failed"));
    return failed == 0;
}
