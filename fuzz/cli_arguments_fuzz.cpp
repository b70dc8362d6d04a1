#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/command_line.h"

// The input is a command line, its arguments separated by NUL bytes. Only the parsing
// runs: the prepared actions would write files.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static StepRegistry registry;
    static const bool built = (BuildRegistry(registry), true);
    (void)built;
    std::vector<std::string> arguments(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back() += char(data[i]);
        }
    }
    std::vector<StepAction> actions;
    std::string error;
    bool prepared = PrepareSteps(arguments, registry, actions, error);
    // A refusal always says why; an accepted line has at most one action per argument.
    if (!prepared && error.empty()) __builtin_trap();
    if (prepared && actions.size() > arguments.size()) __builtin_trap();
    return 0;
}
