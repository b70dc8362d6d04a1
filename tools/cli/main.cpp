#include "cli/command_line.h"

int main(int argc, char** argv) {
    StepRegistry registry;
    BuildRegistry(registry);
    return RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), registry);
}
