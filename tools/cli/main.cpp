#include <fcntl.h>
#include <unistd.h>

#include "cli/command_line.h"

namespace {

// A standard stream the caller closed (">&-") gets a descriptor that refuses writes, so
// that output to it fails as it should, and no file opened later takes its number.
void HoldClosedStandardDescriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) >= 0) continue;
        int held = open("/dev/null", O_RDONLY);
        if (held >= 0 && held != fd) {
            dup2(held, fd);
            close(held);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    HoldClosedStandardDescriptors();
    StepRegistry registry;
    BuildRegistry(registry);
    return RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), registry);
}
