#include "demo_canvas.h"
#include "framework/program/sdl_main.h"
#include "framework/window/app.h"
#include "framework/window/cmd_window.h"

namespace {

class DemoWindow : public vCmdWindow {
public:
    DemoWindow() : vCmdWindow("Canvas Demo", 960, 640) {
        AddPane(&canvas_);
        canvas_.UpdateScrollBars();
    }

private:
    DemoCanvas canvas_;
};

class DemoApp : public vApp {
public:
    DemoApp() : vApp("Knollwork", 1, 0, 0) {}

    vWindow* OpenAppWindow(vWindow* window, const char* name, int width, int height,
                           vAppWinInfo* info) override {
        return vApp::OpenAppWindow(window ? window : new DemoWindow(), name, width, height, info);
    }
};

DemoApp theDemo;

int AppMain(int /*argc*/, char** /*argv*/) {
    vApp::Instance()->OpenAppWindow(nullptr, "Canvas Demo", 960, 640, nullptr);
    return 0;
}

}  // namespace

int main(int argc, char** argv) { return vSdlMain(argc, argv, AppMain); }
