#include "refusal.h"

#include "toolstatus.h"

namespace {

std::function<void(const std::string&)>& remarkSink() {
    static std::function<void(const std::string&)> sink;
    return sink;
}

std::string remarkProgram = "mosaikon-convert";

} // namespace

void setRemarkProgram(const std::string& name) {
    remarkProgram = name;
}

void remark(const std::string& text) {
    if (remarkSink()) {
        remarkSink()(text);
        return;
    }
    sayOnStderr(remarkProgram.c_str(), text);
}

void sendRemarksTo(std::function<void(const std::string&)> sink) {
    remarkSink() = std::move(sink);
}
