#include <cstdio>

#include "framework/window/app.h"

namespace {

constexpr int kMinimumDefaultSize = 50;

}  // namespace

int vApp::Start(vPlatform& platform, int argc, const char* const* argv, vAppMainHook hook) {
    if (initialised_ || finished_) {
        std::fprintf(stderr, "%s: the application was already started\n", Name());
        return 1;
    }
    platform_ = &platform;
    const char* argv0 = argc > 0 && argv ? argv[0] : "";
    arguments_ = vArgumentList::FromArguments(platform.ProgramPath(argv0), argc, argv);
    std::string error;
    if (!frame_.Create(platform, name_, frameWidth_, frameHeight_, error)) {
        std::fprintf(stderr, "%s: cannot open the frame window: %s\n", Name(), error.c_str());
        finished_ = true;
        EndEventLoop(1);
        return 1;
    }
    acceptingDrops_ = true;
    ComputeDefaultWindowSize();
    platform.ShowFrame(vFrameShow::Normal);
    // The first picture waits for the event loop: the start hook gives the frame its
    // windows and often a new size, and a picture composed now would be thrown away.
    frame_.RequestCompose();
    initialised_ = true;
    int result = hook ? hook(arguments_.Count(), arguments_.Argv()) : 0;
    if (result != 0) {
        EndEventLoop(result);
        return Finish();
    }
    return 0;
}

int vApp::Run() {
    loop_.Run();
    return Finish();
}

int vApp::Finish() {
    if (finished_) return ExitCode();
    finished_ = true;
    StopWorkTimer();
    registry_.DeleteAll();
    StopAllTimers();
    DestroyFrame();
    initialised_ = false;
    return ExitCode();
}

// A window asked for with no size gets the frame less room for the frame's own parts.
void vApp::ComputeDefaultWindowSize() {
    int outerW = 0, outerH = 0;
    platform_->FrameOuterSize(outerW, outerH);
    defaultHeight_ = frameHeight_ > 0 ? frameHeight_ - 20 : std::max(outerH - 200, kMinimumDefaultSize);
    defaultWidth_ = frameWidth_ > 0 ? frameWidth_ - 20 : std::max(outerW - 50, kMinimumDefaultSize);
}

void vApp::DestroyFrame() { frame_.Destroy(); }

int vRunProgram(vPlatform& platform, int argc, const char* const* argv, vAppMainHook hook) {
    vApp* app = vApp::Instance();
    if (!app) {
        std::fprintf(stderr, "no application object exists\n");
        return 1;
    }
    int started = app->Start(platform, argc, argv, hook);
    if (started != 0) return started;
    return app->Run();
}
