// The one step every feature runs, wherever it is asked for (the window's preview, its OK,
// the command line): check the inputs, then make the script. Keeping it in one place means
// the preview, the OK and brasswick-script can never disagree about what a choice draws.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "features/feature.h"

namespace bw {

// What the step gives: the whole script, or the message of the first input check that fails.
struct StepOutcome {
    std::string script;
    std::string message;  // non-empty when a check fails; `script` is then empty
    bool Failed() const { return !message.empty(); }
};

// The step for inputs already read; it may be run again with another insertion info (an OK
// that reads the info only after its checks runs it twice).
using FeatureStep = std::function<StepOutcome(const DrawContext&)>;

template <typename Input, typename Check, typename Generate>
StepOutcome CheckThenGenerate(const Input& input, const DrawContext& context, Check check,
                              Generate generate) {
    if (std::optional<std::string> message = check(input)) return {"", *message};
    return {generate(input, context), ""};
}

// The step bound to a copy of the inputs, so it can run later or on another thread.
template <typename Input, typename Check, typename Generate>
FeatureStep BindStep(Input input, Check check, Generate generate) {
    return [input = std::move(input), check, generate](const DrawContext& context) {
        return CheckThenGenerate(input, context, check, generate);
    };
}

}  // namespace bw
