#include "refusal.h"

#include "toolstatus.h"

namespace {

std::function<void(const std::string&)>& remarkSink() {
    static std::function<void(const std::string&)> sink;
    return sink;
}

} // namespace

void remark(const std::string& text) {
    if (remarkSink()) {
        remarkSink()(text);
        return;
    }
    sayOnStderr("mosaikon-convert", text);
}

void sendRemarksTo(std::function<void(const std::string&)> sink) {
    remarkSink() = std::move(sink);
}
