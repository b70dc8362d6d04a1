#include "framework/platform/sdl/lost_display.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstring>

namespace {

// Xlib ends the program itself if this returns, so it never does.
int EndAtOnce(Display*) {
    static const char kMessage[] = "knollwork: the display went away\n";
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    _exit(1);
}

}  // namespace

void vLostDisplay::EndWithIt(const char* videoDriver) {
    if (videoDriver != nullptr && std::strcmp(videoDriver, "x11") == 0) XSetIOErrorHandler(EndAtOnce);
}
